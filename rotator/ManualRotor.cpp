// The manual Rotor dialog's rules: typed positions, standard directions, corrections and
// parking.
#include "rotator/ManualRotor.h"

#include <algorithm>
#include <cmath>

#include "orbit/DisplayFormat.h"

namespace orbivox {
namespace {

constexpr double kPlaceSteps[] = {1.0, 0.1, 0.01};

// A blank, then the correction with as many decimals as the positions sent.
QString CorrectionText(double value, int decimals) {
    static constexpr const char* kPatterns[] = {"##0", "##0.0", "##0.00"};
    return QStringLiteral(" ") + QString::fromStdString(orbit::FormatNumber(
                                     value, kPatterns[std::clamp(decimals, 0, 2)]));
}

}  // namespace

ManualRotor::ManualRotor(AntennaPositioning& positioning, const Folders& folders,
                         Notifier& notifier)
    : positioning_(positioning), folders_(folders), notifier_(notifier) {}

std::optional<double> ManualRotor::TakeNumber(const QString& text, double low, double high) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high) {
        notifier_.Beep();
        return std::nullopt;
    }
    return value;
}

void ManualRotor::ElevationEdited(const QString& text) {
    elevationText_ = text.trimmed();
    if (elevationText_.isEmpty()) {
        return;
    }
    if (const auto value = TakeNumber(text, 0, 90)) {
        manualElevation_ = *value;
    }
}

void ManualRotor::AzimuthEdited(const QString& text) {
    azimuthText_ = text.trimmed();
    if (azimuthText_.isEmpty()) {
        return;
    }
    if (const auto value = TakeNumber(text, 0, 360)) {
        manualAzimuth_ = std::min(*value, 359.9);
    }
}

bool ManualRotor::Execute() {
    if (!ExecuteEnabled()) {
        notifier_.Beep();
        return false;
    }
    positioning_.SendManualPosition(manualAzimuth_, manualElevation_);
    return true;
}

void ManualRotor::ChooseDirection(const StandardDirection& direction) {
    positioning_.SendManualPosition(direction.azimuth, 0);
}

QString ManualRotor::VerticalCorrectionText() const {
    return CorrectionText(positioning_.Settings().corrections.vertical,
                          positioning_.Settings().decimals);
}

QString ManualRotor::HorizontalCorrectionText() const {
    return CorrectionText(positioning_.Settings().corrections.horizontal,
                          positioning_.Settings().decimals);
}

bool ManualRotor::SpinnerEnabled(int place) const {
    return place >= 0 && place <= positioning_.Settings().decimals;
}

void ManualRotor::SpinElevation(int place, int direction) {
    if (SpinnerEnabled(place)) {
        positioning_.AddCorrection(direction * kPlaceSteps[place], 0);
    }
}

void ManualRotor::SpinAzimuth(int place, int direction) {
    if (SpinnerEnabled(place)) {
        positioning_.AddCorrection(0, direction * kPlaceSteps[place]);
    }
}

void ManualRotor::SaveCorrections() {
    StoreAntennaCorrections(folders_.ConfigFile(QStringLiteral("AntKorr.SQF")),
                            folders_.ConfigFile(QStringLiteral("SatIni.SQF")),
                            positioning_.Settings().corrections);
}

void ManualRotor::ParkAzimuthEdited(const QString& text) {
    parkAzimuthText_ = text.trimmed();
    bool ok = false;
    const int value = parkAzimuthText_.toInt(&ok);
    if (!ok) {
        if (!parkAzimuthText_.isEmpty()) {
            notifier_.Beep();
        }
        return;
    }
    if (value < 0 || value > 360) {
        notifier_.Beep();
    }
    positioning_.Settings().park.azimuth = value;
}

void ManualRotor::ParkElevationEdited(const QString& text) {
    parkElevationText_ = text.trimmed();
    bool ok = false;
    const int value = parkElevationText_.toInt(&ok);
    if (!ok) {
        if (!parkElevationText_.isEmpty()) {
            notifier_.Beep();
        }
        return;
    }
    if (value < 0 || value > 90) {
        notifier_.Beep();
    }
    positioning_.Settings().park.elevation = value;
}

bool ManualRotor::Park() {
    if (parkAzimuthText_.isEmpty() && parkElevationText_.isEmpty()) {
        notifier_.Beep();
        return false;
    }
    positioning_.ParkRotor();
    return true;
}

void ManualRotor::SetAutoPark(bool on) {
    positioning_.Settings().autoPark = on;
}

void ManualRotor::SaveParkPosition() {
    WriteParkPosition(folders_.ConfigFile(QStringLiteral("ParkPos.SQF")),
                      positioning_.Settings().park);
    WriteAutoPark(folders_.ConfigFile(QStringLiteral("Park.SQF")),
                  positioning_.Settings().autoPark);
}

}  // namespace orbivox

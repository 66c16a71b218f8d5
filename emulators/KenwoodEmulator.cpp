// The Kenwood radios (the models of radio/kenwood/KenwoodModels.cpp) on the far end of the
// line: text commands ending in ";", VFO A and VFO B, modes, the control strings, transmit and the tone, "?;"
// for what the radio does not understand. A band-control model (TS-790) has a main and a sub
// band: "DC0;"/"DC1;" give the sub or main band the control, and "FA" sets and reads the VFO
// of the band in control.
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>

#include "emulators/EmulatorFamily.h"
#include "emulators/FrequencyText.h"
#include "radio/kenwood/KenwoodFamily.h"
#include "radio/kenwood/KenwoodModels.h"
#include "emulators/TextCommands.h"

namespace orbivox {
namespace {

constexpr qsizetype kLongestCommand = 64;  // a longer run without ";" is line noise

QString ModeName(QChar digit) {
    static const QStringList names = {"LSB", "USB", "CW", "FM", "AM", "FSK", "CW-R", "", "FSK-R"};
    const int number = digit.digitValue();
    if (number >= 1 && number <= names.size() && !names[number - 1].isEmpty()) {
        return names[number - 1];
    }
    return QStringLiteral("unknown mode \"%1\"").arg(digit);
}

bool AllDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

class KenwoodEmulator : public EmulatorFamily {
public:
    KenwoodEmulator(bool bandControl, int roundToHz)
        : bandControl_(bandControl), roundToHz_(roundToHz) {}

    QList<EmulatedCommand> Feed(const QByteArray& bytes) override {
        return TakeTextCommands(pending_, bytes, ';', kLongestCommand,
                                [this](const QString& text) { return Take(text); });
    }

    void SetMicrophonePtt(bool) override {}

    // The main band's dial (the receive side).
    QString TurnDial(int hertz) override {
        std::int64_t& dial = bandControl_ ? bands_[1] : vfos_[0];
        dial += hertz;
        return QStringLiteral("dial turned to %1").arg(MegahertzText(dial, 6));
    }

private:
    EmulatedCommand Take(const QString& text) {
        const QByteArray unknown = "?;";
        if (text.isEmpty()) {
            return {QStringLiteral("empty command"), {}};
        }
        if (text == "FA" || text == "FB") {
            const std::int64_t hertz = Vfo(text);
            return {QStringLiteral("read VFO-%1: %2").arg(text.at(1)).arg(MegahertzText(hertz, 6)),
                    (text + QStringLiteral("%1;").arg(hertz, 11, 10, QLatin1Char('0'))).toLatin1()};
        }
        if ((text.startsWith("FA") || text.startsWith("FB")) && text.size() == 13 &&
            AllDigits(text.mid(2))) {
            std::int64_t& hertz = Vfo(text.left(2));
            hertz = StoredFrequency(text.mid(2).toLongLong(), roundToHz_);
            return {QStringLiteral("set VFO-%1 %2").arg(text.at(1)).arg(MegahertzText(hertz, 6)),
                    {}};
        }
        if (text.startsWith("MD") && text.size() == 3) {
            return {QStringLiteral("mode %1").arg(ModeName(text.at(2))), {}};
        }
        if (text == "FW0000" || text == "FW0001") {
            return {QStringLiteral("filter %1").arg(text.endsWith('0') ? "narrow" : "wide"), {}};
        }
        if (text == "AI0" || text == "AI2") {
            return {QStringLiteral("auto information %1").arg(text.at(2)), {}};
        }
        if (text == "DC0" || text == "DC1") {
            controlBand_ = text == "DC1" ? 1 : 0;
            return {QStringLiteral("control %1 band").arg(text == "DC1" ? "main" : "sub"), {}};
        }
        if (text == "FN0") {
            return {QStringLiteral("select VFO"), {}};
        }
        if (text.startsWith("SA") && text.size() == 9 && AllDigits(text.mid(2))) {
            return {text == "SA0010000" ? QStringLiteral("satellite mode off")
                                        : QStringLiteral("satellite control %1").arg(text.mid(2)),
                    {}};
        }
        if (text == "TS1") {
            return {QStringLiteral("band fix"), {}};
        }
        if (text == "TX") {
            // What goes on the air: the tone with it when it is on.
            return {toneOn_ ? QStringLiteral("transmit with tone number %1").arg(toneNumber_)
                            : QStringLiteral("transmit"),
                    {}};
        }
        if (text == "RX") {
            return {QStringLiteral("receive"), {}};
        }
        if (text == "TO0" || text == "TO1") {
            toneOn_ = text == "TO1";
            return {QStringLiteral("tone %1").arg(toneOn_ ? "on" : "off"), {}};
        }
        if (text.startsWith("TN") && text.size() == 4 && AllDigits(text.mid(2))) {
            toneNumber_ = text.mid(2);
            return {QStringLiteral("tone number %1").arg(toneNumber_), {}};
        }
        return {QStringLiteral("unknown command \"%1;\"").arg(text), unknown};
    }

    // "FA" or "FB": VFO A or B; on a band-control model "FA" is the band in control.
    std::int64_t& Vfo(const QString& name) {
        if (bandControl_ && name == "FA") {
            return bands_[controlBand_];
        }
        return vfos_[name == "FA" ? 0 : 1];
    }

    bool bandControl_ = false;
    int roundToHz_ = 0;
    std::array<std::int64_t, 2> vfos_{435000000, 145900000};
    std::array<std::int64_t, 2> bands_{145900000, 435000000};  // sub, main
    int controlBand_ = 1;
    bool toneOn_ = false;
    QString toneNumber_ = QStringLiteral("01");
    QByteArray pending_;
};

}  // namespace

std::unique_ptr<EmulatorFamily> MakeKenwoodEmulator(const FamilyOptions& options, QString& error) {
    if (!KnownRadioModel(KenwoodFamily(), "kenwood", options.model, error)) {
        return nullptr;
    }
    const KenwoodModel* model = FindKenwoodModel(options.model);
    return std::make_unique<KenwoodEmulator>(model != nullptr && model->bandControl,
                                             options.roundToHz);
}

}  // namespace orbivox

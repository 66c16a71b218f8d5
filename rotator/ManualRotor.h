#pragma once
// What the manual Rotor dialog decides, without its widgets: the typed elevation and
// azimuth with their ranges, Execute, the standard directions, the correction spinners and
// their texts, parking and the park settings with their stores.
#include <QString>
#include <optional>

#include "rotator/AntennaPositioning.h"
#include "rotator/StandardDirections.h"
#include "settings/Folders.h"
#include "settings/Notifier.h"

namespace orbivox {

class ManualRotor {
public:
    ManualRotor(AntennaPositioning& positioning, const Folders& folders, Notifier& notifier);

    // txtEl, txtAz: a number in range is taken (an azimuth above 359.9 becomes 359.9);
    // anything else beeps and is not taken. An empty field is simply empty.
    void ElevationEdited(const QString& text);
    void AzimuthEdited(const QString& text);
    bool ExecuteEnabled() const { return !elevationText_.isEmpty() || !azimuthText_.isEmpty(); }
    // "Execute": false (a beep, nothing else) with both fields empty; true when the
    // position went out and the dialog is to hide.
    bool Execute();
    // A click on a standard direction: elevation 0 and its azimuth, the rotor off.
    void ChooseDirection(const StandardDirection& direction);

    // txtKorrV, txtKorrH: a blank and the correction by the pattern of the decimals.
    QString VerticalCorrectionText() const;
    QString HorizontalCorrectionText() const;
    // The 1, 0.1 and 0.01 spinners (places 0, 1, 2) are enabled up to the decimals.
    bool SpinnerEnabled(int place) const;
    // A spinner click: step = +1/-1 at its place; the current set point goes out again.
    void SpinElevation(int place, int direction);
    void SpinAzimuth(int place, int direction);
    // "Save Corr.": AntKorr.SQF and SatIni.SQF's rounded copies.
    void SaveCorrections();

    // edParkAz, edParkEl: an integer; out of range beeps but is kept all the same.
    void ParkAzimuthEdited(const QString& text);
    void ParkElevationEdited(const QString& text);
    // "Park": false (a beep) with both park fields empty; the rotor switch is left alone.
    bool Park();
    void SetAutoPark(bool on);
    // "Save": ParkPos.SQF and Park.SQF.
    void SaveParkPosition();

private:
    std::optional<double> TakeNumber(const QString& text, double low, double high);

    AntennaPositioning& positioning_;
    const Folders& folders_;
    Notifier& notifier_;
    QString elevationText_;
    QString azimuthText_;
    double manualElevation_ = 0;
    double manualAzimuth_ = 0;
    QString parkAzimuthText_;
    QString parkElevationText_;
};

}  // namespace orbivox

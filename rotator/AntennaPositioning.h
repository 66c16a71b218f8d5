#pragma once
// Where the antenna is to point and when a new position goes out: the two update policies
// (time intervals, position change), minimum elevation and the AOS lead, parking, the
// antenna corrections, the 180-degree flip and the 450-degree overlap of a pass, and the
// formatted pair handed to the rotor interface.
//
// Responsibilities: the rotor state of a run (set point, counters, parked, flip and overlap
// per selected satellite), the look of the rotor switch. Collaborations: the tracking layer
// feeds it the working satellite's look angles and pass data (it knows no orbit code), the
// rotor interface takes the formatted pair through the sender.
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "links/DataItems.h"
#include "rotator/PositioningFiles.h"

namespace orbivox {

inline constexpr int kRotorSatellites = 24;

// The positioning settings as loaded (and as the dialogs change them in memory).
struct RotorSettings {
    FlipSettings flip;
    RotorUpdateOptions update;
    QChar turningPoint = 'N';  // SatIni.SQF line 9
    double minElevation = -3;  // SatIni.SQF line 10
    AntennaCorrections corrections;
    int decimals = 1;
    bool autoPark = false;
    ParkPosition park;
};

// Flip.SQF's rules: a flip rotor or end stops in the south leave no room for the 450-degree
// overlap. True when the " Azimut rotor " choice may be offered.
bool Azimuth450Allowed(const RotorSettings& settings);
// Applies those rules to azimuth450 (load and every change).
void ApplyFlipRules(RotorSettings& settings);

struct LookAngles {
    double azimuth = 0;
    double elevation = 0;
};

// What one tick gives the scheduler about the working satellite.
struct RotorTickInput {
    double now = 0;        // day number of the tick
    int speedFactor = 1;   // 1, 5 or 10 ticks a second
    double aosPlus30 = 0;  // the working pass's AOS + 30 s (day number)
    bool losStandby = false;
    // The working satellite's look angles at a day number (nothing when it cannot be
    // propagated); the caller puts its own instant back afterwards.
    std::function<std::optional<LookAngles>(double dayNumber)> lookAt;
};

// What DecidePassGeometry needs of a just-searched pass.
struct PassGeometryInput {
    double meanMotion = 0;  // revolutions per day
    double aosTime = 0;     // day number
    double aosAzimuth = 0;
    double losAzimuth = 0;
    double observerLongitude = 0;  // degrees east
    double observerLatitude = 0;   // degrees north
    // Sub-satellite latitude and longitude (degrees, east 0..360 or -180..180) at a day
    // number; nothing when the set cannot be propagated there.
    std::function<std::optional<std::pair<double, double>>(double dayNumber)> subPointAt;
};

class AntennaPositioning {
public:
    // The formatted azimuth and elevation, for the rotor interface.
    using Sender = std::function<void(const QString& azimuth, const QString& elevation)>;

    RotorSettings& Settings() { return settings_; }
    const RotorSettings& Settings() const { return settings_; }
    void SetSender(Sender sender) { sender_ = std::move(sender); }
    // A second running copy sends nothing at all.
    void SetSecondInstance(bool second) { secondInstance_ = second; }
    void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // The rotor switch "R+"/"R-". Kept by the caller (the tracking switches) when bound.
    void BindRotorSwitch(bool* rotorOn) { rotorOn_ = rotorOn ? rotorOn : &ownSwitch_; }
    bool RotorOn() const { return *rotorOn_; }
    // Switching on makes the next tick send at once; switching off sends nothing.
    void SetRotorOn(bool on);
    // A click on lblRotor.
    void ToggleRotor() { SetRotorOn(!RotorOn()); }
    QString RotorSwitchText() const {
        return RotorOn() ? QStringLiteral("R+") : QStringLiteral("R-");
    }
    // lblRotor's background: yellow while flipped positions are sent.
    bool FlippedSend() const { return flippedSend_; }

    // A new working satellite (by its position among the selected): next tick sends at once.
    void SetWorkingSatellite(int position);
    int WorkingSatellite() const { return working_; }
    void ResetRotorCounter() { rotorCounter_ = 0; }

    // The end-of-tick step of the update policy (run only with the rotor on).
    void Tick(const RotorTickInput& input);
    void UpdateRotorInterval(const LookAngles& angles, double now, double aosPlus30);
    void UpdateRotorOnChange(const LookAngles& angles, bool losStandby);
    void ParkRotor();
    // Sends (setAzimuth, setElevation); suppressFlip: the working satellite's flip is left
    // out for this one send (manual positions, parking).
    void SendRotorPosition(bool suppressFlip = false);
    // The rotor dialog's Execute and standard directions: the rotor off, the position sent
    // without the flip.
    void SendManualPosition(double azimuth, double elevation);
    // The correction spinners: the current set point again with the new correction.
    void AddCorrection(double vertical, double horizontal);

    void DecidePassGeometry(int position, const PassGeometryInput& pass);
    bool FlipPass(int position) const { return flipPass_.at(static_cast<size_t>(position)); }
    bool OverlapPass(int position) const { return overlapPass_.at(static_cast<size_t>(position)); }
    // The working pass's flip and overlap, as the data item publishes them.
    FlipState WorkingFlipState() const;

    double SetPointAzimuth() const { return setAzimuth_; }
    double SetPointElevation() const { return setElevation_; }
    bool Parked() const { return parked_; }
    int RotorCounter() const { return rotorCounter_; }

private:
    RotorSettings settings_;
    Sender sender_;
    bool secondInstance_ = false;
    char decimalSeparator_ = '.';
    bool ownSwitch_ = false;
    bool* rotorOn_ = &ownSwitch_;
    bool flippedSend_ = false;
    int working_ = 0;

    double setAzimuth_ = 0;
    double setElevation_ = 0;
    double lastAzimuth_ = 0;
    double lastElevation_ = 0;
    int rotorCounter_ = 0;
    double nextRotorUpdate_ = 0;  // day number
    bool parked_ = true;
    std::array<bool, kRotorSatellites> flipPass_{};
    std::array<bool, kRotorSatellites> overlapPass_{};
};

// The sent pair before formatting: corrections, the horizon, the flip and the overlap
// applied, clamped to the rotor's travel.
struct RotorOutput {
    double azimuth = 0;
    double elevation = 0;
    bool flipped = false;
};
RotorOutput RotorPositionToSend(double setAzimuth, double setElevation,
                                const RotorSettings& settings, bool flipPass, bool overlapPass);
// "000", "000.0" or "000.00" for 0, 1 or 2 decimals.
QString FormatRotorValue(double value, int decimals, char decimalSeparator);

}  // namespace orbivox

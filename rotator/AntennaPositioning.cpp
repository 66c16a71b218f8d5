// The rotor update policies, parking, what is sent (corrections, flip, overlap, the
// rotor's travel) and the flip/overlap decision for a pass.
#include "rotator/AntennaPositioning.h"

#include <algorithm>
#include <cmath>

#include "orbit/DisplayFormat.h"

namespace orbivox {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMinute = 60.0 / kSecondsPerDay;
constexpr double kPi = 3.1415928;  // the display computations' value
// Mean motion below which a pass is never flown flipped or on the overlap (high orbits
// move too slowly for the end stops to matter).
constexpr double kMinimumFlipMeanMotion = 6.4;
// Each stepping phase of the nearest-longitude search is bounded: a day of minutes,
// then a handful of finer steps.
constexpr int kMaxMinuteSteps = 24 * 60;
constexpr int kMaxFineSteps = 40;

double Sign(double d) {
    return d >= 0 ? 1.0 : -1.0;
}

// |observer longitude - sub-satellite longitude| folded to 0..180, with the sub-satellite
// longitude taken in -180..180.
double LongitudeDistance(double observerLongitude, double subLongitude) {
    if (subLongitude > 180) {
        subLongitude -= 360;
    }
    double d = std::fabs(observerLongitude - subLongitude);
    if (d > 180) {
        d = 360 - d;
    }
    return d;
}

// An azimuth in 0..360. A park azimuth typed out of range is stored all the same; it still
// goes out in range.
double InRange(double azimuth) {
    if (azimuth > 360) {
        azimuth -= 360;
    }
    if (azimuth < 0) {
        azimuth += 360;
    }
    if (azimuth < 0 || azimuth > 360) {
        azimuth = std::fmod(std::fmod(azimuth, 360.0) + 360.0, 360.0);
    }
    return azimuth;
}

}  // namespace

bool Azimuth450Allowed(const RotorSettings& settings) {
    return !settings.flip.flipMode && settings.turningPoint.toUpper() != QChar('S');
}

void ApplyFlipRules(RotorSettings& settings) {
    if (!Azimuth450Allowed(settings)) {
        settings.flip.azimuth450 = false;
    }
}

RotorOutput RotorPositionToSend(double setAzimuth, double setElevation,
                                const RotorSettings& settings, bool flipPass, bool overlapPass) {
    RotorOutput out;
    // Never below the horizon; never past the zenith before a flip mirrors it.
    out.elevation = std::clamp(setElevation + settings.corrections.vertical, 0.0, 90.0);
    const double az = InRange(setAzimuth + settings.corrections.horizontal);
    out.azimuth = az;
    if (flipPass && settings.flip.flipMode) {
        out.azimuth = az + 180 > 360 ? az + 180 - 360 : az + 180;
        out.elevation = 180 - out.elevation;
        out.flipped = true;
    }
    if (!settings.flip.flipMode && overlapPass && settings.flip.azimuth450) {
        // The satellite's own azimuth decides the side of the overlap, before the correction:
        // a correction that carries it across 90 or north must not swing the rotor round.
        const double satellite = InRange(setAzimuth);
        const double overlapSide = satellite < 90 ? satellite + 360 : satellite;
        out.azimuth = std::clamp(overlapSide + settings.corrections.horizontal, 0.0, 450.0);
    }
    return out;
}

QString FormatRotorValue(double value, int decimals, char decimalSeparator) {
    static constexpr const char* kPatterns[] = {"000", "000.0", "000.00"};
    return QString::fromStdString(
        orbit::FormatNumber(value, kPatterns[std::clamp(decimals, 0, 2)], decimalSeparator));
}

void AntennaPositioning::SetRotorOn(bool on) {
    *rotorOn_ = on;
    if (on) {
        rotorCounter_ = 0;
    }
}

void AntennaPositioning::SetWorkingSatellite(int position) {
    working_ = std::clamp(position, 0, kRotorSatellites - 1);
    rotorCounter_ = 0;
    parked_ = true;
}

void AntennaPositioning::Tick(const RotorTickInput& input) {
    const RotorUpdateOptions& update = settings_.update;
    if (update.atPositionChange()) {
        if (!RotorOn() || !input.lookAt) {
            return;
        }
        if (const auto angles = input.lookAt(input.now)) {
            UpdateRotorOnChange(*angles, input.losStandby);
        }
        return;
    }
    // The interval is kept in seconds in the settings and in days here. It ends on the tick
    // nearest its end: a tick that comes a little early (the timer's and the clock's jitter)
    // must not stretch a 10-second interval by a whole tick.
    const double interval = update.updateInterval / kSecondsPerDay;
    const double halfTick = 0.5 / std::max(input.speedFactor, 1) / kSecondsPerDay;
    if (input.now > nextRotorUpdate_ - halfTick) {
        rotorCounter_ = 0;
        nextRotorUpdate_ = input.now + interval;
    }
    ++rotorCounter_;
    if (rotorCounter_ == 1 && RotorOn() && input.lookAt) {
        // The middle of the coming interval.
        if (const auto angles = input.lookAt(input.now + interval / 2)) {
            UpdateRotorInterval(*angles, input.now, input.aosPlus30);
        }
    }
    if (rotorCounter_ > update.updateInterval * input.speedFactor) {
        rotorCounter_ = 0;
    }
}

void AntennaPositioning::UpdateRotorInterval(const LookAngles& angles, double now,
                                             double aosPlus30) {
    const double el = angles.elevation;
    if (settings_.autoPark && !parked_ && el < settings_.minElevation) {
        ParkRotor();
        parked_ = true;
        return;
    }
    if (el < settings_.minElevation) {
        return;
    }
    parked_ = false;
    // Below the horizon only a satellite about to rise is followed, not one that has set.
    if (el < 0 && aosPlus30 - now > 15 * kMinute) {
        return;
    }
    setElevation_ = el;
    setAzimuth_ = angles.azimuth;
    SendRotorPosition();
}

void AntennaPositioning::UpdateRotorOnChange(const LookAngles& angles, bool losStandby) {
    const double el = angles.elevation;
    const double az = angles.azimuth;
    if (settings_.autoPark && !parked_ && el < settings_.minElevation) {
        ParkRotor();
        parked_ = true;
        return;
    }
    if (losStandby || el < settings_.minElevation) {
        return;
    }
    parked_ = false;
    if (rotorCounter_ <= 0) {
        setElevation_ = lastElevation_ = el;
        setAzimuth_ = lastAzimuth_ = az;
        SendRotorPosition();
        rotorCounter_ = 1;
        return;
    }
    const double p = settings_.update.positionStep;
    bool changed = false;
    const double dEl = el - lastElevation_;
    if (std::fabs(dEl) > p) {
        // The set point leads the satellite by half a step.
        setElevation_ = el + Sign(dEl) * p / 2;
        lastElevation_ = el;
        changed = true;
    }
    double threshold = p;
    if (settings_.update.azimuthRule == QChar('g')) {
        threshold = p / std::cos(std::min(el, 89.0) * kPi / 180);
    }
    const double dAz = az - lastAzimuth_;
    if (std::fabs(dAz) > threshold) {
        double s = Sign(dAz);
        if (dAz > 180 || dAz < -180) {
            s = -s;  // the satellite crossed north (0/360)
        }
        setAzimuth_ = az + s * threshold / 2;
        lastAzimuth_ = az;
        changed = true;
    }
    if (changed) {
        SendRotorPosition();
    }
}

void AntennaPositioning::ParkRotor() {
    setElevation_ = settings_.park.elevation;
    setAzimuth_ = settings_.park.azimuth;
    SendRotorPosition(true);
    setElevation_ = 0;
    flippedSend_ = false;
}

void AntennaPositioning::SendRotorPosition(bool suppressFlip) {
    if (secondInstance_) {
        return;
    }
    const RotorOutput out =
        RotorPositionToSend(setAzimuth_, setElevation_, settings_,
                            !suppressFlip && FlipPass(working_), OverlapPass(working_));
    flippedSend_ = out.flipped;
    if (sender_) {
        sender_(FormatRotorValue(out.azimuth, settings_.decimals, decimalSeparator_),
                FormatRotorValue(out.elevation, settings_.decimals, decimalSeparator_));
    }
}

void AntennaPositioning::SendManualPosition(double azimuth, double elevation) {
    SetRotorOn(false);
    setElevation_ = elevation;
    setAzimuth_ = azimuth;
    SendRotorPosition(true);
    flippedSend_ = false;
}

void AntennaPositioning::AddCorrection(double vertical, double horizontal) {
    settings_.corrections.vertical =
        std::clamp(settings_.corrections.vertical + vertical, -90.0, 90.0);
    settings_.corrections.horizontal =
        std::clamp(settings_.corrections.horizontal + horizontal, -180.0, 180.0);
    SendRotorPosition();
}

FlipState AntennaPositioning::WorkingFlipState() const {
    return {FlipPass(working_), settings_.flip.flipMode, OverlapPass(working_),
            settings_.flip.azimuth450};
}

void AntennaPositioning::DecidePassGeometry(int position, const PassGeometryInput& pass) {
    if (position < 0 || position >= kRotorSatellites) {
        return;
    }
    if (!settings_.flip.flipMode && !settings_.flip.azimuth450) {
        return;
    }
    if (!(pass.meanMotion >= kMinimumFlipMeanMotion)) {
        return;
    }
    bool& flip = flipPass_[static_cast<size_t>(position)];
    bool& overlap = overlapPass_[static_cast<size_t>(position)];
    flip = false;
    overlap = false;
    if ((pass.aosAzimuth < 180) == (pass.losAzimuth < 180) || !pass.subPointAt) {
        return;  // both ends on one side of the north-south line
    }

    // The instant the sub-satellite point is nearest the observer in longitude. A failed
    // propagation (or a value that is no number) ends the stepping where it is.
    double t = pass.aosTime;
    auto distanceAt = [&](double day) -> std::optional<double> {
        const auto point = pass.subPointAt(day);
        if (!point) {
            return std::nullopt;
        }
        const double d = LongitudeDistance(pass.observerLongitude, point->second);
        return std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
    };
    std::optional<double> previous = distanceAt(t);
    auto stepWhileNotLarger = [&](double step, int maxSteps) {
        for (int k = 0; k < maxSteps && previous; ++k) {
            t += step;
            const std::optional<double> d = distanceAt(t);
            if (!d) {
                return;
            }
            const bool larger = *d > *previous;
            previous = d;
            if (larger) {
                return;
            }
        }
    };
    stepWhileNotLarger(kMinute, kMaxMinuteSteps);
    stepWhileNotLarger(-15.0 / kSecondsPerDay, kMaxFineSteps);
    stepWhileNotLarger(5.0 / kSecondsPerDay, kMaxFineSteps);
    t -= 5.0 / kSecondsPerDay;
    const auto nearest = pass.subPointAt(t);
    if (!nearest || !std::isfinite(nearest->first)) {
        return;
    }
    const double subLatitude = nearest->first;
    if (settings_.turningPoint.toUpper() == QChar('S')) {
        flip = subLatitude < pass.observerLatitude;
    } else {
        flip = subLatitude > pass.observerLatitude;
        overlap = flip && (pass.aosAzimuth < 90 || pass.losAzimuth < 90);
    }
}

}  // namespace orbivox

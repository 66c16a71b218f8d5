#pragma once
// Where the Sun stands for an instant (low-precision solar coordinates), the sub-solar point,
// and whether the working satellite is in sunlight or in the Earth's shadow.

#include "orbit/TimeScales.h"

namespace orbit {

struct SunState {
    // UTC date and time of the instant.
    int day = 1;
    int month = 1;
    int year = 2000;
    int hour = 0;
    int minute = 0;
    int second = 0;
    double julianDate0h = 0.0;
    double dayFraction = 0.0;
    double longitude = 0.0;       // λ, apparent ecliptic longitude, degrees
    double distance = 0.0;        // R, km
    double eccentricity = 0.0;    // of the Earth's orbit
    double nutation = 0.0;        // Δψ, degrees
    double obliquity = 0.0;       // ε, degrees
    double rightAscension = 0.0;  // α, degrees
    double declination = 0.0;     // δ, degrees
    double siderealTime = 0.0;    // θ, degrees
    double subLatitude = 0.0;     // φs, degrees, geodetic
    double subLongitude = 0.0;    // λs, degrees east, -180..180
};

// The clock's local time minus the site's UTC offset, as UTC.
void SetSunTimeNow(SunState& sun, const Clock& clock, double utcOffsetHours);
// An instant of the display scale (preview, MA): its day number less the computation shift
// A is UTC in either zone mode.
void SetSunTime(SunState& sun, double dayNumber, double computationShift);
// The same from a UTC Julian date.
void SetSunTimeUtc(SunState& sun, double julianDate);

void ComputeSun(SunState& sun);

// Degree helpers of the sun computation, with the program's π.
double ReduceDegrees(double x);
double ArcTan2Degrees(double y, double x);

enum class Illumination { InSun, Eclipsed };

// Cylindrical shadow: eclipsed when the sub-satellite point lies within the shadow's half
// angle of the anti-solar point.
Illumination CheckEclipse(const SunState& sun, double subLatitude, double subLongitude,
                          double height);

}  // namespace orbit

// The Sun's position in degrees with the program's π, the sub-solar point on a geodetic
// latitude, and whether a satellite is lit or in the Earth's shadow.
#include "orbit/Sun.h"

#include <cmath>

#include "orbit/ProgramAngles.h"

namespace orbit {
namespace {

constexpr double kDegreesPerRadian = 57.295776842880464966;  // 180 / the program's π
constexpr double kAstronomicalUnit = 149599650.0;            // km
constexpr double kEarthRadius = 6378.135;                    // km

double SinD(double x) {
    return std::sin(x / kDegreesPerRadian);
}
double CosD(double x) {
    return std::cos(x / kDegreesPerRadian);
}
double TanD(double x) {
    if (x == 90.0 || x == 270.0)
        return 5729578.0;
    return std::tan(x / kDegreesPerRadian);
}
double ArcSinD(double x) {
    if (x >= 1.0)
        return 90.0;
    if (x <= -1.0)
        return -90.0;
    return std::asin(x) * kDegreesPerRadian;
}
double ArcCosD(double x) {
    if (x >= 1.0)
        return 0.0;
    if (x <= -1.0)
        return 180.0;
    return std::acos(x) * kDegreesPerRadian;
}
double ArcTanD(double x) {
    return std::atan(x) * kDegreesPerRadian;
}

void StoreComponents(SunState& sun, double julianDate) {
    const CivilTime civil = CivilFromJulianDate(julianDate);
    sun.day = civil.day;
    sun.month = civil.month;
    sun.year = civil.year;
    sun.hour = civil.hour;
    sun.minute = civil.minute;
    sun.second = civil.second;
}

}  // namespace

// A negative argument always gets its 360 added, so -360 becomes 360 and not 0.
double ReduceDegrees(double x) {
    double r = x - std::trunc(x / 360.0) * 360.0;
    if (x < 0.0)
        r += 360.0;
    return r;
}

double ArcTan2Degrees(double y, double x) {
    double angle = 0.0;
    if (x == 0.0) {
        angle = y > 0.0 ? 90.0 : (y < 0.0 ? -90.0 : 0.0);
    } else {
        angle = ArcTanD(y / x);
        if (x < 0.0)
            angle += 180.0;
    }
    return ReduceDegrees(angle);
}

void SetSunTimeNow(SunState& sun, const Clock& clock, double utcOffsetHours) {
    const double utc = clock.Now().local - utcOffsetHours / 24.0;
    StoreComponents(sun, utc + kDisplayTimeToJulianDate);
}

void SetSunTime(SunState& sun, double dayNumber, double computationShift) {
    StoreComponents(sun, dayNumber + kDayNumberToJulianDate - computationShift);
}

void SetSunTimeUtc(SunState& sun, double julianDate) {
    StoreComponents(sun, julianDate);
}

void ComputeSun(SunState& sun) {
    double y = sun.year;
    double m = sun.month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const double a = std::trunc(y / 100.0);
    const double b = 2.0 - a + std::trunc(a / 4.0);
    sun.julianDate0h =
        std::trunc(365.25 * (y + 4716.0)) + std::trunc(30.6001 * (m + 1.0)) + sun.day + b - 1524.5;
    sun.dayFraction = ((sun.minute + sun.second / 60.0) / 60.0 + sun.hour) / 24.0;
    const double jd = sun.julianDate0h + sun.dayFraction;
    const double t = (jd - 2451545.0) / 36525.0;
    const double t2 = t * t;
    const double t3 = t2 * t;

    const double meanAnomaly = 357.52901 + 35999.0503 * t - 0.0001559 * t2 - 0.00000048 * t3;
    sun.eccentricity = 0.016708617 - 0.000042037 * t - 0.0000001236 * t2;
    const double centre = (1.9146 - 0.004817 * t - 0.000014 * t2) * SinD(meanAnomaly) +
                          (0.019993 - 0.000101 * t) * SinD(2.0 * meanAnomaly) +
                          0.00029 * SinD(3.0 * meanAnomaly);
    const double trueAnomaly = ReduceDegrees(meanAnomaly + centre);
    const double e = sun.eccentricity;
    sun.distance = 1.000001018 * (1.0 - e * e) / (1.0 + e * CosD(trueAnomaly)) * kAstronomicalUnit;

    const double moonLongitude =
        ReduceDegrees(218.3164591 + 481267.88134236 * t - 0.00136268 * t2 + t3 / 538841.0);
    const double moonNode =
        ReduceDegrees(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0);
    const double sunMeanLongitude = 280.46645 + 36000.76983 * t + 0.0003032 * t2;

    sun.nutation = (-17.2 * SinD(moonNode) - 1.32 * SinD(2.0 * sunMeanLongitude) -
                    0.23 * SinD(2.0 * moonLongitude) + 0.21 * SinD(2.0 * moonNode)) /
                   3600.0;
    sun.obliquity = 23.43929111 - 0.013004166666666667 * t - 1.6388888888888888e-7 * t2 +
                    5.036111111111111e-8 * t3 +
                    (9.2 * CosD(moonNode) + 0.57 * CosD(2.0 * sunMeanLongitude) +
                     0.1 * CosD(2.0 * moonLongitude) - 0.09 * CosD(2.0 * moonNode)) /
                        3600.0;

    sun.longitude = ReduceDegrees(sunMeanLongitude + centre) + sun.nutation -
                    (20.4898 / 3600.0) / (sun.distance / kAstronomicalUnit);
    sun.declination = ArcSinD(SinD(sun.longitude) * SinD(sun.obliquity));
    const double cosDecl = CosD(sun.declination);
    sun.rightAscension = ArcTan2Degrees(SinD(sun.longitude) * CosD(sun.obliquity) / cosDecl,
                                        CosD(sun.longitude) / cosDecl);

    const double t0 = (sun.julianDate0h - 2451545.0) / 36525.0;
    sun.siderealTime =
        ReduceDegrees(100.460618375 + 36000.77005360833 * t0 + 0.0003879333 * t0 * t0 -
                      t0 * t0 * t0 / 38710000.0 + 360.98564736629 * sun.dayFraction);

    // The declination is a geocentric latitude; the map wants a geodetic one.
    sun.subLatitude = ArcTanD(TanD(sun.declination) / 0.993305525);
    const double hourAngle = ReduceDegrees(sun.siderealTime - sun.rightAscension);
    sun.subLongitude = hourAngle >= 180.0 ? 360.0 - hourAngle : -hourAngle;
}

Illumination CheckEclipse(const SunState& sun, double subLatitude, double subLongitude,
                          double height) {
    const double r = kEarthRadius + height;
    const double ratio = kEarthRadius / r;
    const double shadowHalfAngle = std::asin(ratio - std::trunc(ratio));
    const double antiLatitude = -sun.subLatitude;
    const double antiLongitude = sun.subLongitude + 180.0;
    const double satLongitude = subLongitude > 180.0 ? subLongitude - 360.0 : subLongitude;
    const double angle = ReduceDegrees(ArcCosD(CosD(antiLatitude) * CosD(subLatitude) *
                                                   CosD(satLongitude - antiLongitude) +
                                               SinD(antiLatitude) * SinD(subLatitude))) *
                         kProgramPi / 180.0;
    return angle > shadowHalfAngle ? Illumination::InSun : Illumination::Eclipsed;
}

}  // namespace orbit

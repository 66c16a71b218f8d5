// Sidereal time, the station's inertial position on the reference ellipsoid, refraction near
// the horizon, azimuth and elevation with range rate, the geodetic sub-point, the orbit phase.
#include "orbit/LookAngles.h"

#include <cmath>

#include "orbit/OrbitConstants.h"
#include "orbit/ProgramAngles.h"

namespace orbit {
namespace {

constexpr double kEccentricitySquared = 0.006694317778266722;
constexpr double kOneMinusFlattening = 0.9966472205458325;
constexpr double kEarthRotation = 7.292115855228083e-5;  // rad/s
constexpr int kLatitudeRounds = 20;

}  // namespace

double GreenwichSiderealTime(double julianDate) {
    const double shifted = julianDate + 0.5;
    const double ut = shifted - std::floor(shifted);
    const double jd0 = julianDate - ut;
    const double t = (jd0 - 2451545.0) / 36525.0;
    const double seconds =
        24110.54841 + t * (8640184.812866 + t * (0.093104 - t * 6.2e-6)) + 86636.555366976 * ut;
    return Remainder(seconds, 86400.0) * kTwoPi / 86400.0;
}

ObserverState ObserverPosition(const GeodeticSite& site, double julianDate) {
    ObserverState obs;
    const double theta = ReduceAngle(GreenwichSiderealTime(julianDate) + site.longitude);
    const double sinLat = std::sin(site.latitude);
    const double c = 1.0 / std::sqrt(1.0 - kEccentricitySquared * sinLat * sinLat);
    const double s = kOneMinusFlattening * kOneMinusFlattening * c;
    const double rxy = (kXkmper * c + site.altitudeKm) * std::cos(site.latitude);
    obs.position = {rxy * std::cos(theta), rxy * std::sin(theta),
                    (kXkmper * s + site.altitudeKm) * sinLat};
    obs.velocity = {-kEarthRotation * obs.position[1], kEarthRotation * obs.position[0], 0.0};
    obs.localSiderealTime = theta;
    return obs;
}

double ApplyRefraction(double elevation) {
    if (!(elevation > -1.0))
        return elevation;
    const double argument = ToProgramRadians(elevation + 10.3 / (elevation + 5.11));
    const double minutes = 1.02 / std::tan(argument);
    const double corrected = elevation + minutes / 60.0;
    return corrected >= 0.0 ? corrected : elevation;
}

LookAngles ComputeLookAngles(const PropagationResult& state, const GeodeticSite& site,
                             double julianDate) {
    const ObserverState obs = ObserverPosition(site, julianDate);
    const Vector3 rho = {state.position.x - obs.position[0], state.position.y - obs.position[1],
                         state.position.z - obs.position[2]};
    const Vector3 rhoDot = {state.velocity.x - obs.velocity[0], state.velocity.y - obs.velocity[1],
                            state.velocity.z - obs.velocity[2]};
    const double theta = obs.localSiderealTime;
    const double sinLat = std::sin(site.latitude);
    const double cosLat = std::cos(site.latitude);
    const double sinTheta = std::sin(theta);
    const double cosTheta = std::cos(theta);
    const double south = sinLat * cosTheta * rho[0] + sinLat * sinTheta * rho[1] - cosLat * rho[2];
    const double east = -sinTheta * rho[0] + cosTheta * rho[1];
    const double zenith = cosLat * cosTheta * rho[0] + cosLat * sinTheta * rho[1] + sinLat * rho[2];
    const double range = VectorMagnitude(rho);

    LookAngles look;
    // By quadrant, north = -south: due east is 90 degrees and the zenith gives a number.
    double azimuth = QuadrantArcTan(east, -south);
    if (azimuth < 0.0)
        azimuth += kTwoPi;
    look.azimuth = ToProgramDegrees(azimuth);
    look.elevation = ApplyRefraction(ToProgramDegrees(BoundedArcSin(zenith / range)));
    look.range = range;
    look.rangeRate = DotProduct(rho, rhoDot) / range;
    return look;
}

SubPoint ComputeSubPoint(const PropagationResult& state, double julianDate) {
    const double x = state.position.x;
    const double y = state.position.y;
    const double z = state.position.z;
    SubPoint point;
    const double rightAscension = QuadrantArcTan(y, x);
    const double longitude = ReduceAngle(rightAscension - GreenwichSiderealTime(julianDate));
    const double r = std::sqrt(x * x + y * y);
    double latitude = QuadrantArcTan(z, r);
    double c = kXkmper;
    for (int round = 0; round < kLatitudeRounds; ++round) {
        const double previous = latitude;
        const double sinPrevious = std::sin(previous);
        c = kXkmper / std::sqrt(1.0 - kEccentricitySquared * sinPrevious * sinPrevious);
        latitude = QuadrantArcTan(z + c * kEccentricitySquared * sinPrevious, r);
        if (std::fabs(latitude - previous) < 1e-10)
            break;
    }
    point.height = r / std::cos(latitude) - c;
    point.centreDistance = point.height + kXkmper;
    point.latitude = ToProgramDegrees(latitude);
    point.longitude = ToProgramDegrees(longitude);
    return point;
}

OrbitPhase ComputeOrbitPhase(const ElementSet& set, double dayNumber, double computationShift) {
    const double sincePerigee = dayNumber - computationShift - set.perigeeDayNumber;
    const double revolutions = sincePerigee * set.meanMotionRevPerDay;
    OrbitPhase phase;
    double fraction = (revolutions - std::trunc(revolutions)) * 256.0;
    if (fraction < 0.0)
        fraction += 256.0;
    // A hair before perigee rounds up to a whole revolution; that is perigee again.
    if (fraction >= 256.0)
        fraction -= 256.0;
    phase.meanAnomaly = fraction;
    phase.orbitNumber = revolutions + set.epochRevolution;
    return phase;
}

}  // namespace orbit

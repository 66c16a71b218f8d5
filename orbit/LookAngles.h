#pragma once
// From a propagated state to what the station sees: azimuth, elevation, range, range
// rate; the sub-satellite point; mean anomaly and orbit number.

#include "orbit/ElementSet.h"
#include "orbit/NumericHelpers.h"
#include "orbit/ObserverSite.h"
#include "orbit/PropagationResult.h"

namespace orbit {

// Greenwich mean sidereal time (radians, 0..2π) of a UTC Julian date.
double GreenwichSiderealTime(double julianDate);

// The station in the inertial frame of the models (km, km/s) and its local sidereal time.
struct ObserverState {
    Vector3 position{};
    Vector3 velocity{};
    double localSiderealTime = 0.0;  // radians
};

ObserverState ObserverPosition(const GeodeticSite& site, double julianDate);

struct LookAngles {
    double azimuth = 0.0;    // degrees
    double elevation = 0.0;  // degrees, refraction applied
    double range = 0.0;      // km
    double rangeRate = 0.0;  // km/s
};

// The elevation the operator, rotor and rise/set decisions see (degrees in, degrees out).
// Near the horizon the atmosphere lifts the satellite by about half a degree; the correction
// is used only when it brings the satellite to the horizon or above, and only for elevations
// above -1 degree, where the formula holds (it divides by zero at -5.11 degrees).
double ApplyRefraction(double elevation);

LookAngles ComputeLookAngles(const PropagationResult& state, const GeodeticSite& site,
                             double julianDate);

struct SubPoint {
    double latitude = 0.0;   // degrees, geodetic
    double longitude = 0.0;  // degrees east, 0..360
    double height = 0.0;     // km
    double centreDistance = 0.0;
};

// From the propagated position (km). The latitude iteration stops after 20 rounds even when
// a broken state keeps it from settling.
SubPoint ComputeSubPoint(const PropagationResult& state, double julianDate);

struct OrbitPhase {
    double meanAnomaly = 0.0;  // 0..256
    double orbitNumber = 0.0;
};

// dayNumber on the display scale and the computation shift A (days): the time since the
// set's perigee is taken in UTC.
OrbitPhase ComputeOrbitPhase(const ElementSet& set, double dayNumber, double computationShift);

}  // namespace orbit

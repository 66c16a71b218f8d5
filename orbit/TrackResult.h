#pragma once

// What the last evaluation of a satellite produced. One instance, overwritten by every
// evaluation; the fields are in the order in which they are formed.
namespace orbit {

struct TrackResult {
    double azimuth = 0.0;         // degrees, 0..360 from north through east
    double elevation = 0.0;       // degrees, refraction-corrected when that is >= 0
    double range = 0.0;           // km
    double rangeRate = 0.0;       // km/s, positive when receding
    double meanAnomaly = 0.0;     // 0..256 per revolution since perigee
    double orbitNumber = 0.0;     // revolutions
    double subLatitude = 0.0;     // degrees, geodetic
    double subLongitude = 0.0;    // degrees east, 0..360 as computed
    double height = 0.0;          // km above the ellipsoid
    double centreDistance = 0.0;  // km, height + 6378.135
    double squint = 0.0;          // degrees, only with squint data
    bool ok = false;              // false when the set could not be propagated
};

// Sub-satellite longitude as shown: -180..180.
inline double ShownLongitude(double longitude) {
    return longitude > 180.0 ? longitude - 360.0 : longitude;
}

}  // namespace orbit

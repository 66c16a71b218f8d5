// Turning the station's settings into a geodetic site: radians, longitudes east of 180 taken
// as west, and the altitude text read as metres (0 when it does not read).
#include "orbit/ObserverSite.h"

#include <charconv>
#include <cmath>

#include "orbit/NumericHelpers.h"

namespace orbit {
namespace {

double MetresFromText(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && (*begin == ' ' || *begin == '+'))
        ++begin;
    double metres = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, metres);
    (void)stop;
    if (error != std::errc() || !std::isfinite(metres))
        return 0.0;
    return metres;
}

}  // namespace

GeodeticSite ObserverToSite(const ObserverSite& site) {
    GeodeticSite geodetic;
    geodetic.latitude = ToRadians(site.latitude);
    double longitude = site.longitude;
    if (longitude > 180.0)
        longitude -= 360.0;
    geodetic.longitude = ReduceAngle(ToRadians(longitude));
    geodetic.altitudeKm = MetresFromText(site.altitude) * 0.001;
    return geodetic;
}

}  // namespace orbit

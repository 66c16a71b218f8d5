// Computing the footprint's rows from the body's distance and sub-point: the circle's half
// angle, the rows it covers, and what spills over either pole; NaN input gives no rows.
#include "map/Footprint.h"

#include <cmath>
#include <numbers>

#include "orbit/DisplayFormat.h"

namespace orbivox {

FootprintRows ComputeFootprint(const MapGeometry& g, MapPoint position, double subPointLatitude,
                               double r) {
    using std::numbers::pi;
    FootprintRows f;
    // A decayed or broken element set must not reach the loop below with a NaN.
    if (!std::isfinite(r) || !std::isfinite(subPointLatitude) || !std::isfinite(position.x) ||
        r <= kEarthRadiusKm) {
        return f;
    }
    const double c = std::sqrt(r * r - kEarthRadiusKm * kEarthRadiusKm) / r;
    const double d = std::max(1 - c * c, 0.001);
    const double psi = std::atan(c / std::sqrt(d));
    const double thetaS = pi / 2 - subPointLatitude * pi / 180;

    double t = thetaS - psi;
    if (psi > thetaS) {
        f.northOverflow = psi - thetaS;
        t = 1.0 / 1440;
    }
    const double tmax = thetaS + psi;
    f.southOverflow = tmax - pi;
    const double tstop = pi - f.southOverflow;

    int previousEast = 0;
    int previousWest = g.width;
    auto storeRow = [&](double t) {
        double u =
            (std::cos(psi) - std::cos(thetaS) * std::cos(t)) / (std::sin(thetaS) * std::sin(t));
        if (std::isnan(u)) {
            u = 1;  // a sub-point right on a pole: 0 / 0
        }
        // |u| > 1 next to the top and bottom rows: the guard keeps the root real.
        double b = 1 - u * u;
        if (!(b >= 0.001)) {
            b = 0.001;
        }
        const double delta = pi / 2 - std::atan(u / std::sqrt(b));
        const double halfWidth = delta * g.radScale;
        const int y = orbit::RealToPixel(t * g.radScale);

        int east = orbit::RealToPixel(position.x + halfWidth);
        if (east > g.width - 1) {
            east -= g.width;
            if (previousEast < east) {
                ++f.eastWraps;
            }
            previousEast = east;
            if (f.firstWrapPending && east > 0) {
                f.firstWrapPending = false;
                f.seed = {0, y + 1};
            }
        }
        int west = orbit::RealToPixel(position.x - halfWidth);
        if (west < 0) {
            west += g.width;
            if (previousWest > west) {
                ++f.westWraps;
            }
            previousWest = west;
            if (f.firstWrapPending && west < g.width - 1) {
                f.firstWrapPending = false;
                f.seed = {g.width - 2, y + 1};
            }
        }
        f.rows.push_back({east, west, y});
    };

    const double tStart = t;
    constexpr double kStep = pi / 300;
    for (; static_cast<int>(f.rows.size()) < kMaxFootprintRows; t += kStep) {
        if (f.northOverflow > t) {
            // Inside the polar cap every longitude is covered: no row.
            f.noPolarRowSkipped = false;
            continue;
        }
        if (t > tstop || t >= tmax) {
            break;
        }
        storeRow(t);
    }
    // A sub-point within a step of the pole can leave the thin band between the polar cap
    // and the circle's far edge without a row; without one there is nothing to fill.
    if (f.rows.empty()) {
        storeRow((std::max(f.northOverflow, tStart) + std::min(tmax, tstop)) / 2);
    }
    return f;
}

}  // namespace orbivox

// The globe modes' constants, the sector tables and the orthographic projection.
#include "map/GlobeProjection.h"

#include <algorithm>
#include <cmath>

#include "orbit/DisplayFormat.h"

namespace orbivox {

namespace {

// π as the display computations take it.
constexpr double kRad = 3.1415928 / 180;

constexpr GlobeLayout kGlobe1{GlobeMode::Globe1,
                              "3D1",
                              "Maps3D",
                              375,
                              QSize(750, 375),
                              188,
                              QSize(462, 374),
                              187,
                              187,
                              QRect(QPoint(186, -1), QPoint(561, 374)),
                              QPoint(375, 187),
                              184,
                              185,
                              187,
                              QPoint(375, 187),
                              QPoint(375, 188),
                              375,
                              QSize(750, 375)};

constexpr GlobeLayout kGlobe2{GlobeMode::Globe2,
                              "3D2",
                              "Maps3D_2",
                              480,
                              QSize(960, 480),
                              240,
                              QSize(720, 479),
                              240,
                              239,
                              QRect(QPoint(239, -1), QPoint(718, 478)),
                              QPoint(480, 240),
                              235,
                              236,
                              239,
                              QPoint(480, 239),
                              QPoint(480, 240),
                              479,
                              QSize(750, 480)};

}  // namespace

int GlobeLayout::RimSeedCentreY(double dy) const {
    if (mode == GlobeMode::Globe1) {
        return dy > 0 ? 187 : 186;
    }
    return rimSeedCentre.y();
}

const GlobeLayout& LayoutOf(GlobeMode mode) {
    return mode == GlobeMode::Globe2 ? kGlobe2 : kGlobe1;
}

GlobeSector LatitudeSector(double latitude) {
    const double rounded = std::nearbyint(latitude);
    if (rounded <= -68) {
        return {"_90", -90};
    }
    if (rounded <= -23) {
        return {"_45", -45};
    }
    if (rounded <= 22) {
        return {"000", 0};
    }
    if (rounded <= 68) {
        return {"045", 45};
    }
    return {"090", 90};
}

GlobeSector LongitudeSector(double eastLongitude) {
    static constexpr GlobeSector kSectors[] = {{"000", 0},   {"045", 45},  {"090", 90},
                                               {"135", 135}, {"180", 180}, {"225", 225},
                                               {"270", 270}, {"315", 315}};
    double lambda = std::fmod(eastLongitude, 360.0);
    if (lambda < 0) {
        lambda += 360;
    }
    const int rounded = static_cast<int>(std::nearbyint(lambda));
    return kSectors[((rounded + 22) / 45) % 8];
}

GlobePictureChoice ChooseGlobePicture(GlobeMode mode, const char* setPrefix, double latitude,
                                      double eastLongitude) {
    const GlobeSector lat = LatitudeSector(latitude);
    const GlobeSector lon = LongitudeSector(eastLongitude);
    GlobePictureChoice choice;
    choice.centre = {double(lat.centre), double(lon.centre)};
    choice.name = QString::fromLatin1(setPrefix) + QString::fromLatin1(LayoutOf(mode).folder) +
                  QLatin1Char('/') + QString::fromLatin1(lon.code) + QString::fromLatin1(lat.code);
    return choice;
}

GlobePoint ProjectToGlobe(const GlobeLayout& layout, GlobeCentre centre, double latitude,
                          double eastLongitude) {
    const double phi = latitude * kRad;
    const double phi0 = centre.latitude * kRad;
    const double dLambda = (eastLongitude - centre.longitude) * kRad;
    const double r = layout.radius;
    GlobePoint p;
    p.nx = std::cos(phi) * std::sin(dLambda);
    p.ny = std::cos(phi0) * std::sin(phi) - std::sin(phi0) * std::cos(phi) * std::cos(dLambda);
    p.v = std::sin(phi) * std::sin(phi0) + std::cos(phi) * std::cos(phi0) * std::cos(dLambda);
    p.x = orbit::RealToPixel(r * p.nx) + layout.offset + layout.radius;
    p.y = layout.radius - orbit::RealToPixel(r * p.ny);
    return p;
}

std::optional<GeoDegrees> GlobeToGeography(const GlobeLayout& layout, GlobeCentre centre, double x,
                                           double y) {
    const double r = layout.radius;
    const double nx = (x - layout.offset - layout.radius) / r;
    const double ny = (layout.radius - y) / r;
    const double rr = nx * nx + ny * ny;
    if (rr > 1) {
        return std::nullopt;
    }
    const double nz = std::sqrt(1 - rr);
    const double phi0 = centre.latitude * kRad;
    const double sinPhi = std::clamp(nz * std::sin(phi0) + ny * std::cos(phi0), -1.0, 1.0);
    const double dLambda = std::atan2(nx, nz * std::cos(phi0) - ny * std::sin(phi0));
    double longitude = centre.longitude + dLambda / kRad;
    longitude = std::remainder(longitude, 360.0);
    return GeoDegrees{std::asin(sinPhi) / kRad, longitude};
}

}  // namespace orbivox

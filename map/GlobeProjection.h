#pragma once
// The globe view's geometry: the two globe modes with their pixel constants, the picture
// sectors a centre falls in, and the orthographic projection between the Earth and the
// globe frame (both ways, so the pictures we draw agree with what is drawn on them).
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace orbivox {

enum class GlobeMode { Flat = 0, Globe1 = 1, Globe2 = 2 };  // "2D", "3D1", "3D2"

struct GlobeLayout {
    GlobeMode mode;
    const char* caption;  // lbl3D
    const char* folder;   // under the program folder, after the map set's prefix
    int pictureSize;      // square picture, the globe at its centre
    QSize frame;          // the light and dark frames that replace the map images
    int copyX;            // where the picture goes into the frame
    QSize copyRegion;
    int offset;  // o
    int radius;  // R
    QRect rimBox;
    QPoint rimCentre;  // distances to the rim are measured from here
    int rimThreshold;
    int rimRadiusX;
    int rimRadiusY;
    QPoint rimSeedCentre;  // y for a nearest point above the centre; see RimSeedCentreY
    QPoint nudgeTarget;    // x for a rim seed
    int nudgeSatelliteX;   // x for a satellite seed
    QSize work;

    QPoint globeCentre() const { return {offset + radius, radius}; }
    // 3D1 seeds one row higher when the nearest drawn point is not above the centre.
    int RimSeedCentreY(double dy) const;
};

const GlobeLayout& LayoutOf(GlobeMode mode);  // Globe1 or Globe2

// A picture sector: its code in the file name and the picture's centre (degrees).
struct GlobeSector {
    const char* code;
    int centre;
};
// By the latitude rounded to whole degrees (halves to even).
GlobeSector LatitudeSector(double latitude);
// By the east longitude (a negative one gets 360 added) rounded to whole degrees.
GlobeSector LongitudeSector(double eastLongitude);

// A picture's centre and its name: folder + longitude code + latitude code, e.g.
// "Maps3D_2/000_45" (without "_h.bmp" / "_d.bmp").
struct GlobeCentre {
    double latitude = 0;
    double longitude = 0;
};
struct GlobePictureChoice {
    GlobeCentre centre;
    QString name;
};
GlobePictureChoice ChooseGlobePicture(GlobeMode mode, const char* setPrefix, double latitude,
                                      double eastLongitude);

// A point on the globe: pixel position in the frame, and the unrounded values before the
// multiplication by R (nx, ny) with the visibility value v (> 0 on the near side).
struct GlobePoint {
    int x = 0;
    int y = 0;
    double nx = 0;
    double ny = 0;
    double v = 0;
    bool visible() const { return v > 0; }
};

GlobePoint ProjectToGlobe(const GlobeLayout& layout, GlobeCentre centre, double latitude,
                          double eastLongitude);

// The point of the Earth at a frame position (x, y may lie between pixels): latitude and
// east longitude -180..180, none off the disk.
struct GeoDegrees {
    double latitude = 0;
    double longitude = 0;
};
std::optional<GeoDegrees> GlobeToGeography(const GlobeLayout& layout, GlobeCentre centre, double x,
                                           double y);

}  // namespace orbivox

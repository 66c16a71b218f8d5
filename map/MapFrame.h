#pragma once
// The drawing surfaces of the world map and what the drawing operations share: the
// loaded light and dark map images, the work bitmap a frame is composed on, the mask,
// the view bitmap that is shown, and the observer marks.
#include <QImage>
#include <QString>
#include <optional>

#include "map/MapGeometry.h"
#include "map/MapViewSwitches.h"

namespace orbivox {

struct MapFrame {
    WindowSize size = WindowSize::W1;
    Zoom zoom = Zoom::Z1;
    MapSet set = MapSet::Political;
    MapGeometry geometry;
    QImage light;  // picHell
    QImage dark;   // picDunkel
    QImage work;
    QImage mask;
    QImage view;  // what picKarte shows, s * 600 by s * 300

    // Drawing sharp on a screen with more device pixels than logical ones. At a pixel ratio
    // above 1 the light and dark pictures are also held at the map's size times the ratio;
    // a frame is still drawn on the work bitmap as always, then widened onto the sharp work
    // bitmap (the map from the sharp pictures, what was drawn on it pixel for pixel) and
    // presented into the sharp view as the view is. Empty at ratio 1.
    double pixelRatio = 1;
    QImage sharpLight;
    QImage sharpDark;
    QImage composed;  // the work bitmap after the light and dark maps were composed
    QImage sharpWork;
    QImage sharpView;  // carries the pixel ratio, so it is drawn at the view's logical size

    // What the map picture shows: the sharp view where there is one, else the view.
    const QImage& Shown() const { return sharpView.isNull() ? view : sharpView; }

    // Observer positions (east longitude 0..360 or -180..180, latitude) and their marks.
    double observerLongitude = 0;
    double observerLatitude = 0;
    PixelPoint observerMark;
    QString observerLabel;                          // the station's locator, beside its mark
    std::optional<double> secondObserverLongitude;  // set while the second mark is shown
    double secondObserverLatitude = 45;
    PixelPoint secondObserverMark;
    bool secondObserverCentre = false;  // "Greenw./Obs.2" turns the map to it while set

    bool secondObserverShown() const { return secondObserverLongitude.has_value(); }
    // Places the marks for the loaded geometry.
    void UpdateObserverMarks();
};

// Sets the geometry for a size and zoom, loads the light and dark images of the set from
// the program folder (names found without regard to case), sizes the work, mask and view
// bitmaps and places the observer marks. Returns an error text naming the file that
// could not be loaded, empty on success; on failure the frame keeps what it had.
QString LoadMapImages(MapFrame& frame, const QString& programFolder, const MapViewSwitches& view);

// The same with images already at hand (tests, the benchmark, generated pictures). At a
// pixel ratio above 1 `sharpLight` and `sharpDark`, when given, are the sharp pictures
// (scaled to the map's size times the ratio); without them the frame is not drawn sharp.
void UseMapImages(MapFrame& frame, const MapViewSwitches& view, const QImage& light,
                  const QImage& dark, const QImage& sharpLight = QImage(),
                  const QImage& sharpDark = QImage());

// A length or position on the map times the frame's pixel ratio, rounded: the device pixel
// a logical one begins at. Sizes and the corners of presented pieces all round this way, so
// pieces that meet on the view meet on the sharp view.
int SharpPixels(const MapFrame& frame, int logical);
QSize SharpSize(const MapFrame& frame, QSize logical);

}  // namespace orbivox

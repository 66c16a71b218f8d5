#pragma once
// Drawing a footprint: its outline, and for the working satellite the lightened inside
// (light map inside, dark map outside) with the observer marks and the satellite cross.
#include <QImage>

#include "map/Footprint.h"
#include "map/MapFrame.h"

namespace orbivox {

// The outline of the rows on `work` in `colour`; pieces that wrap around the map edge are
// joined through the border.
void DrawFootprintOutline(QImage& work, const MapGeometry& geometry, const FootprintRows& f,
                          QRgb colour);

// The working satellite's frame: clears the work bitmap, draws the outline, fills the
// footprint, composes light and dark maps and draws the marks and the cross at
// `satellite`. `aboveHorizon` (elevation > 0) turns the observer mark white.
void DrawFootprint(MapFrame& frame, const FootprintRows& f, MapPoint satellite, bool aboveHorizon);

// Pieces of the frame, usable on their own.
void FillFootprint(QImage& work, const MapGeometry& geometry, const FootprintRows& f,
                   MapPoint satellite);
void ComposeLightAndDark(MapFrame& frame);
void DrawObserverMarks(MapFrame& frame, bool aboveHorizon);
void DrawSatelliteCross(QImage& work, MapPoint satellite);

// An axis-parallel line of the given width, stopping short of `to` like a one-pixel line.
void DrawWideLine(QImage& image, QPoint from, QPoint to, QRgb colour, int width);

}  // namespace orbivox

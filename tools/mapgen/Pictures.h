#pragma once
// The pictures of the two map sets: the political map drawn from country polygons, the
// physical map from the Blue Marble photograph, each in a light and a dark variant.
#include <QImage>
#include <QSize>

#include "tools/mapgen/Projection.h"
#include "tools/mapgen/TopoJson.h"

namespace orbivox::mapgen {

// Political map drawn straight onto an equirectangular picture of the given size.
QImage DrawPolitical(const Topology& countries, QSize size);

// Faint country borders over a picture (the physical map keeps its own coastlines).
void DrawFaintBorders(QImage& picture, const Topology& countries);

// Any projection from an equirectangular master: each pixel is the bilinear sample of the
// master at the point it shows (off the Earth stays black). The master is first reduced
// to about the target's detail so small pictures do not shimmer.
QImage Resample(const QImage& master, const Projection& projection);

// Lifts the dark tones (gamma below 1): the photograph's oceans are nearly black.
void Brighten(QImage& picture, double gamma);

// The dark variant: the same picture plainly darker, for the part of the world outside
// the footprint.
QImage Darkened(const QImage& light, double factor);

}  // namespace orbivox::mapgen

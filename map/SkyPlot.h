#pragma once
// The sky plot: a polar view of the sky over the station (north up, east right, the horizon
// on the rim, the zenith in the middle) with one pass drawn from its rise to its set, its
// rise, set and culmination marked with their times, where the satellite is now and where
// the rotor was sent. Drawn on an image, without widgets.
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "orbit/PassList.h"

namespace orbivox {

struct SkyPlotMark {
    double azimuth = 0.0;    // degrees
    double elevation = 0.0;  // degrees
    QString text;            // beside the mark; may be empty
};

struct SkyPlotContent {
    QString title;                       // top left: the satellite and what is shown
    std::vector<orbit::SkyPoint> track;  // the pass, rise to set
    std::vector<SkyPlotMark> events;     // rise, culmination, set with their times
    std::optional<SkyPlotMark> now;      // the satellite now, when it is up
    std::optional<SkyPlotMark> rotor;    // the rotor's set point, with rotor control on
};

enum class SkyPlotStyle { Dark, Light };

// Where azimuth/elevation lands on a plot of `size` x `size` pixels: the rim at 0 degrees
// elevation, the centre at 90; elevations below the horizon stay on the rim.
QPointF SkyPlotPosition(double azimuth, double elevation, int size);

// Where the title, the four directions and the marks' texts stand on a plot of `size`
// pixels (at least 120): one box per mark with a text, in the order events, rotor,
// satellite. Every text lies whole inside the image (its one-pixel halo too) and clear of
// the title.
struct SkyPlotLabels {
    QRect title;
    std::array<QRect, 4> directions;  // N, E, S, W, inside the rim
    std::vector<QRect> marks;
};
SkyPlotLabels PlaceSkyPlotLabels(const SkyPlotContent& content, int size);

// The plot, `size` pixels square (at least 120).
QImage DrawSkyPlot(const SkyPlotContent& content, int size, SkyPlotStyle style);

}  // namespace orbivox

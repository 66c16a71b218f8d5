// Drawing the footprint's east and west edges across the map border, filling the inside,
// composing the light and dark maps through it, and the observer marks and satellite cross.
#include "map/FootprintDrawing.h"

#include <algorithm>

#include "map/MapOverlays.h"
#include "map/Raster.h"
#include "orbit/DisplayFormat.h"

namespace orbivox {

namespace {

// Pen position and line drawing in the manner of a canvas: move, then lines onward.
class Pen {
public:
    Pen(QImage& image, QRgb colour) : image_(image), colour_(colour) {}
    void MoveTo(int x, int y) { at_ = {x, y}; }
    void LineTo(int x, int y) {
        DrawLine(image_, at_, {x, y}, colour_);
        at_ = {x, y};
    }
    void Line(int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        LineTo(x1, y1);
    }

private:
    QImage& image_;
    QRgb colour_;
    QPoint at_;
};

// One edge of the footprint from the first row to the last; a jump by more than half
// the map width is the edge leaving through one border and coming back at the other.
template <typename EdgeOf>
void DrawEdge(Pen& pen, const std::vector<FootprintRow>& rows, int width, EdgeOf edge) {
    const int half = width / 2;
    pen.MoveTo(edge(rows[0]), rows[0].y);
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const int a = edge(rows[i]);
        const int b = edge(rows[i + 1]);
        const int mid = orbit::RealToPixel(rows[i].y + (rows[i + 1].y - rows[i].y) / 2.0);
        if (a - b > half) {
            pen.LineTo(width, mid);
            pen.MoveTo(0, mid);
        } else if (b - a > half) {
            pen.LineTo(-1, mid);
            pen.MoveTo(width - 1, mid);
        }
        pen.LineTo(b, rows[i + 1].y);
    }
}

}  // namespace

void DrawFootprintOutline(QImage& work, const MapGeometry& g, const FootprintRows& f, QRgb colour) {
    if (f.rows.empty()) {
        return;
    }
    Pen pen(work, colour);
    const int w = g.width;
    const FootprintRow& first = f.rows.front();
    if (f.northOverflow > 0) {
        if (first.east > first.west) {
            pen.Line(first.east, first.y, w, first.y);
            pen.Line(first.west, first.y, -1, first.y);
        } else {
            pen.Line(first.east, first.y, first.west, first.y);
        }
    } else if (first.east > first.west) {
        pen.Line(first.east, first.y, first.west, first.y);
    } else {
        pen.Line(first.east, first.y, -1, first.y);
        pen.Line(first.west, first.y, w, first.y);
    }

    DrawEdge(pen, f.rows, w, [](const FootprintRow& r) { return r.east; });
    DrawEdge(pen, f.rows, w, [](const FootprintRow& r) { return r.west; });

    const FootprintRow& last = f.rows.back();
    if (f.southOverflow >= 0) {
        if (last.east >= last.west) {
            pen.Line(last.east, last.y, w, last.y);
            pen.Line(last.west, last.y, -1, last.y);
        } else {
            pen.Line(last.west, last.y, last.east - 1, last.y);
        }
    } else if (last.east >= last.west) {
        pen.Line(last.east, last.y, last.west - 1, last.y);
    } else {
        pen.Line(last.west, last.y, w, last.y);
        pen.Line(last.east, last.y, -1, last.y);
    }
}

void FillFootprint(QImage& work, const MapGeometry& g, const FootprintRows& f, MapPoint satellite) {
    // The seed stays off the last column and the last row, where the outline runs: a
    // sub-point on the right edge or next to the south pole would otherwise fill nothing.
    const int sx = std::min(orbit::RealToPixel(satellite.x), g.width - 2);
    const int sy = std::min(orbit::RealToPixel(satellite.y), g.height - 2);
    FloodFill(work, {sx, sy}, kWhite);

    // The part of a footprint that wrapped around the map edge is a separate area.
    const bool noPolarRowSkipped = f.noPolarRowSkipped || f.seed.y == 1;
    if (f.firstWrapPending || !noPolarRowSkipped) {
        return;
    }
    if (f.seed.y > 1) {
        FloodFill(work, {f.seed.x, f.seed.y + f.eastWraps + f.westWraps - 1}, kWhite);
    } else if (f.seed.y == 1) {
        FloodFill(work, {g.width - 2, 0}, kWhite);
        FloodFill(work, {0, 0}, kWhite);
    }
}

void ComposeLightAndDark(MapFrame& frame) {
    // inside (white on the work bitmap) shows the light map, outside the dark one
    const int w = frame.work.width();
    const int h = std::min({frame.work.height(), frame.light.height(), frame.dark.height()});
    const int cw = std::min({w, frame.light.width(), frame.dark.width()});
    for (int y = 0; y < h; ++y) {
        QRgb* work = reinterpret_cast<QRgb*>(frame.work.scanLine(y));
        QRgb* mask = reinterpret_cast<QRgb*>(frame.mask.scanLine(y));
        const QRgb* light = reinterpret_cast<const QRgb*>(frame.light.constScanLine(y));
        const QRgb* dark = reinterpret_cast<const QRgb*>(frame.dark.constScanLine(y));
        for (int x = 0; x < cw; ++x) {
            mask[x] = (~work[x] & dark[x]) | 0xFF000000;
            work[x] = (work[x] & light[x]) | mask[x];
        }
    }
    if (!frame.sharpWork.isNull()) {
        frame.composed = frame.work;  // what is drawn from here on is told apart from the map
    }
}

void DrawWideLine(QImage& image, QPoint from, QPoint to, QRgb colour, int width) {
    const int before = (width - 1) / 2;
    const int after = width / 2;
    if (from.y() == to.y()) {
        const int step = from.x() < to.x() ? 1 : -1;
        for (int x = from.x(); x != to.x(); x += step) {
            DrawLine(image, {x, from.y() - before}, {x, from.y() + after + 1}, colour);
        }
    } else {
        const int step = from.y() < to.y() ? 1 : -1;
        for (int y = from.y(); y != to.y(); y += step) {
            DrawLine(image, {from.x() - before, y}, {from.x() + after + 1, y}, colour);
        }
    }
}

void DrawObserverMarks(MapFrame& frame, bool aboveHorizon) {
    const QRgb colour = aboveHorizon ? kWhite : kSilver;
    const auto [a, b] = frame.geometry.zoomFactor > 2 ? std::pair{5, 6} : std::pair{4, 5};
    const int ox = frame.observerMark.x;
    const int oy = frame.observerMark.y;
    DrawWideLine(frame.work, {ox + a, oy}, {ox - b, oy}, colour, 3);
    DrawWideLine(frame.work, {ox, oy + a}, {ox, oy - b}, colour, 3);
    if (!frame.observerLabel.isEmpty()) {
        DrawLabelText(frame.work, LabelFont(), ox + a + 4, oy + 2, colour, frame.observerLabel);
    }

    if (frame.secondObserverShown()) {
        const int x = frame.secondObserverMark.x;
        const int y = frame.secondObserverMark.y;
        DrawWideLine(frame.work, {x + 6, y}, {x - 6, y}, kWhite, 3);
        DrawWideLine(frame.work, {x, y + 6}, {x, y - 6}, kWhite, 3);
        DrawLine(frame.work, {x + 6, y}, {x - 7, y}, kBlue);
        DrawLine(frame.work, {x, y + 6}, {x, y - 7}, kBlue);
    }
}

void DrawSatelliteCross(QImage& work, MapPoint satellite) {
    const int sx = orbit::RealToPixel(satellite.x);
    const int sy = orbit::RealToPixel(satellite.y);
    const QRgb colour = ContrastColour(work, {sx, sy}, kWhite);
    DrawWideLine(work, {sx + 6, sy}, {sx - 7, sy}, colour, 3);
    DrawWideLine(work, {sx, sy + 6}, {sx, sy - 7}, colour, 3);
}

void DrawFootprint(MapFrame& frame, const FootprintRows& f, MapPoint satellite, bool aboveHorizon) {
    frame.work.fill(kBlack);
    DrawFootprintOutline(frame.work, frame.geometry, f, kWhite);
    if (!f.rows.empty()) {
        FillFootprint(frame.work, frame.geometry, f, satellite);
    }
    ComposeLightAndDark(frame);
    DrawObserverMarks(frame, aboveHorizon);
    DrawSatelliteCross(frame.work, satellite);
}

}  // namespace orbivox

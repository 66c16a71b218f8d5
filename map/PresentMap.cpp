// Copying the work bitmap into the view: turned around the chosen centre column at Z1, and
// scrolled to keep the working satellite in sight at Z2.
#include "map/PresentMap.h"

#include <QPainter>
#include <algorithm>

#include "map/SharpMap.h"
#include "orbit/DisplayFormat.h"

namespace orbivox {

namespace {

void CopyPart(QImage& to, QPoint at, const QImage& from, QRect source) {
    QPainter painter(&to);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, from, source.intersected(from.rect()));
}

// One piece of the work bitmap into the view, and the same piece of the sharp work bitmap
// into the sharp view, its corners at the ratio.
void Copy(MapFrame& frame, QPoint at, QRect source) {
    CopyPart(frame.view, at, frame.work, source);
    if (frame.sharpWork.isNull()) {
        return;
    }
    const auto sharp = [&frame](int v) { return SharpPixels(frame, v); };
    const QRect sharpSource(QPoint(sharp(source.left()), sharp(source.top())),
                            QPoint(sharp(source.right() + 1) - 1, sharp(source.bottom() + 1) - 1));
    // Painting on an image that carries a pixel ratio works in its logical pixels.
    QImage& to = frame.sharpView;
    const double ratio = to.devicePixelRatio();
    to.setDevicePixelRatio(1);
    CopyPart(to, QPoint(sharp(at.x()), sharp(at.y())), frame.sharpWork, sharpSource);
    to.setDevicePixelRatio(ratio);
}

void PresentWholeMap(MapFrame& frame, MapPoint satellite, CentringMode mode) {
    MapGeometry& g = frame.geometry;
    g.offsetY = 0;
    std::optional<int> centre;
    switch (mode) {
        case CentringMode::Satellite:
            centre = orbit::RealToPixel(satellite.x);
            break;
        case CentringMode::Observer:
            centre = frame.observerMark.x;
            break;
        case CentringMode::GreenwichOrSecondObserver:
            if (frame.secondObserverShown() && frame.secondObserverCentre) {
                centre = frame.secondObserverMark.x;
            }
            break;
    }
    if (!centre) {
        g.offsetX = 0;
        Copy(frame, {0, 0}, frame.work.rect());
        return;
    }
    const int d = std::clamp(*centre, 0, g.width - 1);
    const int h = g.width / 2;
    int wrapColumn = 0;
    if (d >= h) {
        g.offsetX = d - (h - 1);
        wrapColumn = g.width + h - 2 - d;
    } else {
        g.offsetX = d + (h - 1);
        wrapColumn = h - d;
    }
    // The map repeats every W - 1 columns: its last column is not shown.
    Copy(frame, {0, 0}, QRect(g.offsetX, 0, g.width - 1, g.height));
    Copy(frame, {wrapColumn, 0}, QRect(0, 0, g.width - 1, g.height));
}

void PresentZoomed(MapFrame& frame, MapPoint satellite) {
    MapGeometry& g = frame.geometry;
    const int vw = frame.view.width();
    const int vh = frame.view.height();
    const int xs = orbit::RealToPixel(satellite.x);
    const int ys = orbit::RealToPixel(satellite.y);
    const int k = frame.size == WindowSize::W1 ? 150 : frame.size == WindowSize::W2 ? 187 : 239;
    // The limit counts the size's full view height (299, 374, 479 at W1, W2, W3), also where
    // the view itself is a row short.
    g.offsetY = std::clamp(ys - k, 0, g.height - LayoutOf(frame.size).viewHeight - 1);
    const int half = vw / 2;
    if (xs >= half && xs < g.width - half) {
        g.offsetX = xs - half;
        Copy(frame, {0, 0}, QRect(g.offsetX, g.offsetY, vw, vh));
        return;
    }
    int wrapColumn = 0;
    if (xs >= g.width - half) {
        g.offsetX = xs - half;
        wrapColumn = g.width + half - 1 - xs;
    } else {
        g.offsetX = g.width - 1 - (half - xs);
        wrapColumn = half - xs;
    }
    Copy(frame, {0, 0}, QRect(g.offsetX, g.offsetY, vw - 1, vh - 1));
    Copy(frame, {wrapColumn, 0}, QRect(0, g.offsetY, vw, vh));
}

}  // namespace

void PresentMap(MapFrame& frame, MapPoint satellite, CentringMode mode) {
    SharpenWork(frame);
    if (frame.geometry.zoomFactor > 1) {
        PresentZoomed(frame, satellite);
    } else {
        PresentWholeMap(frame, satellite, mode);
    }
}

}  // namespace orbivox

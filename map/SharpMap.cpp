// Widening the work bitmap onto the sharp one: a drawn pixel is repeated, a map pixel is taken
// from the sharp light or dark picture, whichever the composition chose for it.
#include "map/SharpMap.h"

#include <algorithm>
#include <vector>

namespace orbivox {

void SharpenWork(MapFrame& frame) {
    if (frame.sharpWork.isNull()) {
        return;
    }
    const QImage& work = frame.work;
    // Without a composition (no frame drawn yet) everything counts as drawn.
    const QImage& composed = frame.composed.size() == work.size() ? frame.composed : work;
    const bool everythingDrawn = &composed == &work;
    const int width = frame.sharpWork.width();
    const int height = frame.sharpWork.height();
    const double ratio = frame.pixelRatio;
    std::vector<int> column(width);
    for (int x = 0; x < width; ++x) {
        column[x] = std::min(static_cast<int>(x / ratio), work.width() - 1);
    }
    for (int y = 0; y < height; ++y) {
        const int row = std::min(static_cast<int>(y / ratio), work.height() - 1);
        const QRgb* drawn = reinterpret_cast<const QRgb*>(work.constScanLine(row));
        const QRgb* map = reinterpret_cast<const QRgb*>(composed.constScanLine(row));
        const QRgb* light = reinterpret_cast<const QRgb*>(frame.light.constScanLine(row));
        const QRgb* sharpLight = reinterpret_cast<const QRgb*>(frame.sharpLight.constScanLine(y));
        const QRgb* sharpDark = reinterpret_cast<const QRgb*>(frame.sharpDark.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(frame.sharpWork.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int c = column[x];
            if (everythingDrawn || drawn[c] != map[c]) {
                out[x] = drawn[c];
            } else {
                out[x] = map[c] == light[c] ? sharpLight[x] : sharpDark[x];
            }
        }
    }
}

}  // namespace orbivox

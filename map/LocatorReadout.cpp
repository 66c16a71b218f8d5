// Turning a mouse position on the shown map into longitude, latitude and a four-character
// locator, and placing the label so that it stays inside the view.
#include "map/LocatorReadout.h"

#include "map/Locator.h"

namespace orbivox {

LocatorReadout UpdateLocatorReadout(const MapGeometry& g, QPoint mouse, QSize view) {
    // The shown map repeats every W - 1 columns (see PresentMap).
    int a = g.offsetX + mouse.x();
    if (a >= g.width - 1) {
        a -= g.width - 1;
    }
    LocatorReadout r;
    r.longitude = a * 360.0 / (g.width - 1) + 180;
    if (r.longitude > 360) {
        r.longitude -= 360;
    }
    r.latitude = 90 - (mouse.y() + g.offsetY) * 180.0 / (g.height - 1);
    r.text = QStringLiteral(" %1 ").arg(
        QString::fromStdString(DegreesToLocator4(r.longitude, r.latitude)));
    r.labelAt = QPoint(mouse.x() > view.width() - 32 ? mouse.x() - 32 : mouse.x(),
                       mouse.y() < 20 ? mouse.y() + 20 : mouse.y() - 20);
    return r;
}

}  // namespace orbivox

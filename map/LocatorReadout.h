#pragma once
// The locator under the mouse pointer, shown beside it while the readout is on.
#include <QPoint>
#include <QSize>
#include <QString>

#include "map/MapGeometry.h"

namespace orbivox {

struct LocatorReadout {
    QString text;      // " JO62 "
    QPoint labelAt;    // lblLoc's top-left, relative to picKarte's top-left
    double longitude;  // east, 0..360
    double latitude;
};

// For a mouse position (x, y) in the view of size `view`.
LocatorReadout UpdateLocatorReadout(const MapGeometry& geometry, QPoint mouse, QSize view);

}  // namespace orbivox

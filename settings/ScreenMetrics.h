#pragma once
// What the program asks of the screen: its logical resolution, which tells the large-font
// (120 dpi) screen apart, and the room it offers windows. The desktop program reads the
// screen its main window is on; tests give fixed values.
#include <QPoint>
#include <QSize>

namespace orbivox {

class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual int LogicalDpi() const = 0;
    // The screen less task bars and docks.
    virtual QSize WorkArea() const = 0;
    // Where the work area begins on the desktop (a panel may sit at the top or left).
    virtual QPoint WorkAreaOrigin() const { return QPoint(0, 0); }
    virtual int ScreenWidth() const = 0;

    // Layouts, offsets and window-size codes differ on exactly this resolution.
    bool Dpi120() const { return LogicalDpi() == 120; }
};

}  // namespace orbivox

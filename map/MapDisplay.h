#pragma once
// What the world map in the main window decides, apart from its widgets: the window size
// and its switch, the zoom with its fallback, the map set, the locator readout and its
// refusal while the map is stretched, free resizing at the 2:1 aspect, and the second
// observer's mark. The panel shows what this holds and forwards the operator's clicks.
#include <QSize>
#include <optional>

#include "map/LocatorReadout.h"
#include "map/MapFrame.h"
#include "map/MapViewSwitches.h"
#include "settings/Notifier.h"
#include "settings/ScreenMetrics.h"

namespace orbivox {

inline const QString kReadoutRefused = QStringLiteral(
    "Locator function disabled while map stretched,\r      click W1 - W5 to enable the function!");

class MapDisplay {
public:
    // `view` is the one place the size, zoom and map set are kept; this changes it.
    MapDisplay(QString programFolder, MapViewSwitches& view, const ScreenMetrics& screen,
               Notifier& notifier);

    // The start: the saved size limited by what the screen offers, zoom and map set.
    void Start(WindowSize saved, Zoom zoom, MapSet set);
    // A click on the size switch: the next size the screen offers, after the largest the
    // smallest.
    void NextSize();
    // A size chosen: its images at its own size, no longer stretched.
    void SetWindowSize(WindowSize size);
    // Z1 and Z2 where the size has a zoom; false when nothing changed. Either switch stays
    // as it was when the other images cannot be loaded.
    bool ToggleZoom();
    void ToggleMapSet();
    // The zoom set without the switch's rule (the globe shows Z1 and puts the zoom back
    // after) and the flat images loaded; false, after saying why, when they cannot be.
    bool ShowZoom(Zoom zoom);

    // The device pixels per logical pixel of the screen the map is shown on: above 1 the
    // map is drawn sharp (MapFrame). The images are loaded again when it changes; false
    // when it did not.
    bool SetPixelRatio(double ratio);

    // A click on the map turns the readout on or off; while stretched it is refused with a
    // message, as the locator under the pointer would be wrong.
    void ClickMap();
    // The readout for the pointer at `at` in the picture, while it is on.
    std::optional<LocatorReadout> ReadoutAt(QPoint at) const;

    // Free resizing. The panel reports the window size its own layout gave (FittedTo) and
    // every resize; a resize to another size once tracking runs may be the operator
    // dragging the border (true: wait for the drag to end). When it has ended away from
    // the fitted size, the picture takes the dragged size corrected to 2:1 and the map is
    // stretched; true when the window is to fit itself around the picture again.
    void FittedTo(QSize window) { fittedWindow_ = window; }
    bool WindowResized(QSize window, bool trackingStarted);
    bool DragEnded(QSize window);

    // The second observer: confirmed (east longitude, latitude), removed, or no longer
    // the centre after any edit of its locator.
    void SetSecondObserver(double eastLongitude, double latitude);
    void RemoveSecondObserver();
    void StopCentringOnSecondObserver() { frame_.secondObserverCentre = false; }

    WindowSize size() const { return view_.size; }
    Zoom zoom() const { return view_.zoom; }
    MapSet set() const { return view_.set; }
    bool stretched() const { return stretched_; }
    bool readoutOn() const { return readoutOn_; }
    bool zoomAvailable() const { return ZoomAvailable(view_.size); }
    // The picture's size: the size's view, or the dragged one while stretched.
    QSize pictureSize() const { return pictureSize_; }
    // The size code the list and pass columns are laid out for.
    int sizeCode() const { return view_.SizeCode(); }
    QString sizeCaption() const;
    QString zoomCaption() const;
    QString setCaption() const;
    const MapFrame& frame() const { return frame_; }
    MapFrame& frame() { return frame_; }

private:
    // False, after saying why, when the images could not be loaded: the frame keeps the
    // ones it had.
    bool LoadImages();

    QString programFolder_;
    MapViewSwitches& view_;
    const ScreenMetrics& screen_;
    Notifier& notifier_;
    MapFrame frame_;
    QSize pictureSize_;
    QSize fittedWindow_;
    bool stretched_ = false;
    bool readoutOn_ = false;
    bool dragging_ = false;
};

}  // namespace orbivox

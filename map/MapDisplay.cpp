// The map display's rules; see MapDisplay.h.
#include "map/MapDisplay.h"

namespace orbivox {
namespace {

// A stretched map never gets smaller than this.
constexpr QSize kSmallestStretchedMap(300, 150);

}  // namespace

MapDisplay::MapDisplay(QString programFolder, MapViewSwitches& view, const ScreenMetrics& screen,
                       Notifier& notifier)
    : programFolder_(std::move(programFolder)), view_(view), screen_(screen), notifier_(notifier) {}

void MapDisplay::Start(WindowSize saved, Zoom zoom, MapSet set) {
    view_.zoom = zoom;
    view_.set = set;
    SetWindowSize(
        LimitWindowSize(saved, screen_.WorkArea(), screen_.ScreenWidth(), screen_.Dpi120()));
}

void MapDisplay::NextSize() {
    SetWindowSize(NextWindowSize(view_.size, screen_.WorkArea(), screen_.Dpi120()));
}

void MapDisplay::SetWindowSize(WindowSize size) {
    view_.size = size;
    view_.dpi120Screen = screen_.Dpi120();
    stretched_ = false;
    dragging_ = false;
    pictureSize_ = ViewSize(size, view_.dpi120Screen);
    LoadImages();
}

bool MapDisplay::ToggleZoom() {
    if (!ZoomAvailable(view_.size)) {
        return false;
    }
    const Zoom before = view_.zoom;
    view_.zoom = before == Zoom::Z1 ? Zoom::Z2 : Zoom::Z1;
    if (!LoadImages()) {
        view_.zoom = before;  // the map still shows the old zoom; so does its switch
        return false;
    }
    return true;
}

void MapDisplay::ToggleMapSet() {
    const MapSet before = view_.set;
    view_.set = before == MapSet::Political ? MapSet::Physical : MapSet::Political;
    if (!LoadImages()) {
        view_.set = before;  // the map still shows the old set; so does its switch
    }
}

bool MapDisplay::ShowZoom(Zoom zoom) {
    view_.zoom = zoom;
    return LoadImages();
}

bool MapDisplay::SetPixelRatio(double ratio) {
    if (ratio == frame_.pixelRatio) {
        return false;
    }
    frame_.pixelRatio = ratio;
    if (!frame_.light.isNull()) {
        LoadImages();
    }
    return true;
}

bool MapDisplay::LoadImages() {
    // A size without zoom shows Z1, and the switch says so.
    if (!ZoomAvailable(view_.size)) {
        view_.zoom = Zoom::Z1;
    }
    const QString error = LoadMapImages(frame_, programFolder_, view_);
    if (!error.isEmpty()) {
        notifier_.Error(error);
        return false;
    }
    return true;
}

void MapDisplay::ClickMap() {
    if (stretched_) {
        notifier_.Message(kReadoutRefused);
        return;
    }
    readoutOn_ = !readoutOn_;
}

std::optional<LocatorReadout> MapDisplay::ReadoutAt(QPoint at) const {
    if (!readoutOn_ || stretched_ || frame_.view.isNull()) {
        return std::nullopt;
    }
    return UpdateLocatorReadout(frame_.geometry, at, frame_.view.size());
}

bool MapDisplay::WindowResized(QSize window, bool trackingStarted) {
    if (!trackingStarted || !fittedWindow_.isValid() || window == fittedWindow_) {
        return false;
    }
    readoutOn_ = false;
    dragging_ = true;
    return true;
}

bool MapDisplay::DragEnded(QSize window) {
    if (!dragging_) {
        return false;
    }
    dragging_ = false;
    const QSize grown = window - fittedWindow_;
    // Back where our own layout put it (a size change settling, a drag undone): the map
    // keeps its size and stays unstretched if it was.
    if (grown.isNull()) {
        return false;
    }
    const QSize after =
        AspectCorrectedSize(pictureSize_, pictureSize_ + grown).expandedTo(kSmallestStretchedMap);
    if (after == pictureSize_) {
        return true;  // the window goes back around the map as it is
    }
    pictureSize_ = after;
    stretched_ = true;
    return true;
}

void MapDisplay::SetSecondObserver(double eastLongitude, double latitude) {
    frame_.secondObserverLongitude = eastLongitude;
    frame_.secondObserverLatitude = latitude;
    frame_.secondObserverCentre = true;
    frame_.UpdateObserverMarks();
}

void MapDisplay::RemoveSecondObserver() {
    frame_.secondObserverLongitude.reset();
    frame_.secondObserverLatitude = 45;
    frame_.secondObserverCentre = false;
}

QString MapDisplay::sizeCaption() const {
    return QString::fromLatin1(LayoutOf(view_.size).caption);
}

QString MapDisplay::zoomCaption() const {
    return view_.zoom == Zoom::Z2 ? QStringLiteral("Z2") : QStringLiteral("Z1");
}

QString MapDisplay::setCaption() const {
    return QString::fromLatin1(NamesOf(view_.set).caption);
}

}  // namespace orbivox

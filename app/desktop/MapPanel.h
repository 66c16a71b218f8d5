#pragma once
// The world map of the main window: the picture (picKarte) redrawn on refresh ticks, the
// window size, zoom and map set changes that the switch panel asks for, the locator readout
// under the mouse and the two observer dialogs. What they decide lives in map/MapDisplay.h;
// positions come from the tracking engine (tracking/MapRefresh.h).
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "map/GlobeSwitch.h"
#include "map/MapDisplay.h"
#include "tracking/MapRefresh.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

class TLocEingabe;

// picKarte: shows the view bitmap, at its own size or stretched to the widget. It asks
// for the size the map display gives it and may be squeezed down to the smallest
// stretched map, so the operator can drag the window smaller as well as larger.
class MapPicture : public QWidget {
public:
    explicit MapPicture(QWidget* parent);
    void Show(const QImage& view);
    const QImage& Shown() const { return image_; }
    void SetWanted(QSize size, bool stretched);
    QSize sizeHint() const override { return wanted_; }
    QSize minimumSizeHint() const override { return QSize(300, 150); }
    std::function<void()> onClick;
    std::function<void(QPoint)> onMove;
    // The picture is painted at another device pixel ratio than the shown image was drawn
    // for (the window moved to another screen, or the first paint).
    std::function<void(double)> onPixelRatio;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QSize wanted_;
    bool stretched_ = false;
};

class MapPanel : public QObject {
public:
    MapPanel(QMainWindow& window, TrackingSession& session, Notifier& notifier,
             const ScreenMetrics& screen);

    MapPicture* picture() const { return picKarte_; }
    // The switches only the map reads (centring, arrows, other satellites, ground track).
    MapSwitches& switchState() { return state_; }

    // lblWinSize, lblZoom and lblBlueM, and the Options dialog's window group.
    void NextWindowSize();
    void ChooseWindowSize(WindowSize size);
    void ToggleZoom();
    void ToggleMapSet();

    // The start: window size from the start value, limited by the screen, and the images.
    void Start();
    // The window at least this wide (its status texts need it), fitted again; a size the
    // window is fitted to is not a drag of its border.
    void KeepWindowWidth(int width);
    // After every tracking tick: the map is redrawn on refresh ticks.
    void AfterTick();
    // Draws the current frame at once.
    void Redraw();

    void ShowObserverSetup();
    void ShowSecondObserver();
    // Once a tick: the working satellite seen from the second observer, while its dialog
    // is open on a confirmed locator.
    void ShowSecondObserverReadout();
    TLocEingabe* secondObserverDialog() const { return locEingabe_; }

    const MapDisplay& display() const { return display_; }

    // lbl3D's click: 2D, 3D1, 3D2 (where offered) and back; the switch shows caption3D().
    void Toggle3D();
    QString caption3D() const { return globe_.caption(); }
    const GlobeSwitch& globe() const { return globe_; }
    // After the globe switch changed, for the panel that shows lbl3D.
    std::function<void()> globeChanged;

    // The window's list header follows the window size.
    std::function<void()> windowSizeChanged;
    // Closing the Observer Setup stores the main window's position.
    std::function<void()> storeWindowPosition;
    // The size, zoom or map set changed: captions follow.
    std::function<void()> viewChanged;
    // Before a refresh frame is drawn.
    std::function<void()> beforeRefresh;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AfterSizeChange();
    void AfterImagesChanged();
    void FitWindow();
    int windowMinimumWidth_ = 0;  // what the window's status texts need
    void OnResizeTick();
    void ShowReadout(QPoint at);

    QMainWindow& window_;
    TrackingSession& session_;
    Notifier& notifier_;
    const ScreenMetrics& screen_;
    MapDisplay display_;
    GlobeSwitch globe_;
    MapSwitches state_;
    MapPicture* picKarte_;
    QLabel* lblLoc_;
    TLocEingabe* locEingabe_ = nullptr;
    QTimer timerResize_;
    int lastStatusWidth_ = -1;
};

}  // namespace orbivox

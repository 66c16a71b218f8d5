#pragma once
// The world map of the main window: the picture (picKarte) redrawn on refresh ticks, the
// map switches for window size, zoom and map set, the locator readout under the mouse,
// free resizing at the map's 2:1 aspect, and the two observer dialogs. Positions come
// from the tracking engine (tracking/MapRefresh.h), drawing from the map (map/).
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "map/MapFrame.h"
#include "tracking/MapRefresh.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

class TLocEingabe;

// picKarte: shows the view bitmap, at its own size or stretched to the widget.
class MapPicture : public QWidget {
public:
    explicit MapPicture(QWidget* parent);
    void Show(const QImage& view);
    void SetStretched(bool stretched) { stretched_ = stretched; }
    std::function<void()> onClick;
    std::function<void(QPoint)> onMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool stretched_ = false;
};

class MapPanel : public QObject {
public:
    MapPanel(QMainWindow& window, TrackingSession& session);

    MapPicture* picture() const { return picKarte_; }
    QWidget* switches() const { return switches_; }

    // The start: window size from the start value, limited by the screen, and the images.
    void Start();
    // After every tracking tick: the map is redrawn on refresh ticks.
    void AfterTick();
    // Draws the current frame at once.
    void Redraw();

    void SetWindowSize(WindowSize size);
    void ToggleZoom();
    void ToggleMapSet();
    void ShowObserverSetup();
    void ShowSecondObserver();

    const MapSwitches& mapSwitches() const { return state_; }
    const MapFrame& frame() const { return frame_; }
    bool stretched() const { return stretched_; }

    // The window's list header follows the window size.
    std::function<void()> windowSizeChanged;
    // Closing the Observer Setup stores the main window's position.
    std::function<void()> storeWindowPosition;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadImages();
    void FitWindow();
    void OnResizeTick();
    void ToggleReadout();
    void ShowReadout(QPoint at);
    void ShowCaptions();
    bool Dpi120() const;
    void Error(const QString& text);

    QMainWindow& window_;
    TrackingSession& session_;
    MapSwitches state_;
    MapFrame frame_;
    MapPicture* picKarte_;
    QLabel* lblLoc_;
    QWidget* switches_;
    QLabel* lblWinSize_;
    QLabel* lblZoom_;
    QLabel* lblBlueM_;
    TLocEingabe* locEingabe_ = nullptr;
    QTimer timerResize_;
    QSize expectedWindowSize_;
    int lastStatusWidth_ = -1;
    bool stretched_ = false;
    bool readoutOn_ = false;
};

}  // namespace orbivox

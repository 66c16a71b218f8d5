// The map picture and its locator readout, window sizes, zoom and map set, and the free resize that
// waits for the drag to end before redrawing at 2:1.
#include "app/desktop/MapPanel.h"

#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>

#include "map/WindowSizes.h"
#include "map/ui/ObserverSetupDialog.h"
#include "map/ui/SecondObserverDialog.h"
#include "settings/FixedColours.h"
#include "settings/Notifier.h"
#include "settings/SqfFile.h"

namespace orbivox {
MapPicture::MapPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picKarte"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void MapPicture::SetWanted(QSize size, bool stretched) {
    wanted_ = size;
    stretched_ = stretched;
    // Shrinkable, never larger than wanted: a drag changes the window, the map follows
    // once the drag has ended.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    setMaximumSize(size);
    updateGeometry();
    update();
}

void MapPicture::Show(const QImage& view) {
    image_ = view;
    update();
}

void MapPicture::paintEvent(QPaintEvent*) {
    if (onPixelRatio && devicePixelRatioF() != image_.devicePixelRatio()) {
        onPixelRatio(devicePixelRatioF());  // shows the map drawn for it, painted below
    }
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(rect(), Qt::black);
    } else if (stretched_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), image_);
    } else {
        painter.drawImage(0, 0, image_);
    }
}

void MapPicture::mousePressEvent(QMouseEvent* event) {
    // Taken here, so a click on the map is not a click on the window's background.
    event->accept();
    if (event->button() == Qt::LeftButton && onClick) {
        onClick();
    }
}

void MapPicture::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) {
        onMove(event->position().toPoint());
    }
}

MapPanel::MapPanel(QMainWindow& window, TrackingSession& session, Notifier& notifier,
                   const ScreenMetrics& screen)
    : QObject(&window),
      window_(window),
      session_(session),
      notifier_(notifier),
      screen_(screen),
      display_(session.folders().programFolder, session.engine().Switches().map, screen, notifier),
      globe_(session.folders().programFolder, display_, notifier) {
    state_ = MapSwitchesFromStart(session_.startValues());
    const StationSettings& station = session_.settings().station;
    display_.frame().observerLongitude = station.longitude;
    display_.frame().observerLatitude = station.latitude;
    display_.frame().observerLabel = station.locator.trimmed();

    picKarte_ = new MapPicture(nullptr);
    picKarte_->onClick = [this] {
        if (globe_.shown()) {
            return;  // no locator on the globe
        }
        display_.ClickMap();
        lblLoc_->setVisible(display_.readoutOn());
    };
    picKarte_->onMove = [this](QPoint at) { ShowReadout(at); };
    picKarte_->onPixelRatio = [this](double ratio) {
        if (display_.SetPixelRatio(ratio)) {
            Redraw();
        }
    };
    lblLoc_ = new QLabel(QStringLiteral("AA00"), picKarte_);
    lblLoc_->setObjectName(QStringLiteral("lblLoc"));
    lblLoc_->setAutoFillBackground(true);
    lblLoc_->setStyleSheet(FixedBackgroundStyle(kWhiteBackground));
    lblLoc_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblLoc_->hide();

    session_.engine().Hooks().secondObserverReadout = [this] { ShowSecondObserverReadout(); };

    timerResize_.setObjectName(QStringLiteral("TimerResize"));
    timerResize_.setInterval(150);
    connect(&timerResize_, &QTimer::timeout, this, &MapPanel::OnResizeTick);
    window_.installEventFilter(this);
}

void MapPanel::Start() {
    // The engine's switches already hold the start values; the screen may limit the size.
    const MapViewSwitches start = session_.engine().Switches().map;
    display_.SetPixelRatio(window_.devicePixelRatioF());
    display_.Start(start.size, start.zoom, start.set);
    globe_.Start();
    AfterSizeChange();
}

void MapPanel::KeepWindowWidth(int width) {
    windowMinimumWidth_ = width;
    FitWindow();
}

void MapPanel::Toggle3D() {
    globe_.Cycle();
    lblLoc_->hide();
    if (globeChanged) {
        globeChanged();
    }
    AfterImagesChanged();
}

void MapPanel::NextWindowSize() {
    display_.NextSize();
    AfterSizeChange();
}

void MapPanel::ChooseWindowSize(WindowSize size) {
    // What the screen cannot show is replaced by the size it can.
    display_.SetWindowSize(
        LimitWindowSize(size, screen_.WorkArea(), screen_.ScreenWidth(), screen_.Dpi120()));
    AfterSizeChange();
}

void MapPanel::ToggleZoom() {
    if (display_.ToggleZoom()) {
        AfterImagesChanged();
    }
}

void MapPanel::ToggleMapSet() {
    display_.ToggleMapSet();
    globe_.MapSetChanged();
    AfterImagesChanged();
}

void MapPanel::AfterImagesChanged() {
    if (viewChanged) {
        viewChanged();
    }
    session_.engine().RequestMapRefresh();
    Redraw();
}

void MapPanel::AfterSizeChange() {
    // A size change shows the flat map again.
    const bool wasGlobe = globe_.shown();
    globe_.SizeChanged();
    if (wasGlobe && globeChanged) {
        globeChanged();
    }
    lblLoc_->hide();
    picKarte_->SetWanted(display_.pictureSize(), display_.stretched());
    if (windowSizeChanged) {
        windowSizeChanged();
    }
    FitWindow();
    AfterImagesChanged();
}

void MapPanel::FitWindow() {
    if (QLayout* layout = window_.centralWidget() ? window_.centralWidget()->layout() : nullptr) {
        layout->activate();
    }
    window_.layout()->activate();
    const QSize fitted = window_.sizeHint()
                             .expandedTo(window_.minimumSizeHint())
                             .expandedTo(QSize(windowMinimumWidth_, 0));
    display_.FittedTo(fitted);
    window_.resize(fitted);
    if (windowMinimumWidth_ > 0) {
        window_.setMinimumWidth(windowMinimumWidth_);
    }
    // A larger size grows to the right and down; the whole window stays on the screen.
    const QSize decoration = window_.frameGeometry().size() - window_.geometry().size();
    const QRect frame(window_.frameGeometry().topLeft(), fitted + decoration);
    const QPoint inside =
        KeepInsideWorkArea(frame, QRect(screen_.WorkAreaOrigin(), screen_.WorkArea()));
    if (inside != frame.topLeft()) {
        window_.move(inside);
    }
}

void MapPanel::AfterTick() {
    if (session_.engine().IsRefreshTick()) {
        if (beforeRefresh) {
            beforeRefresh();
        }
        Redraw();
    }
}

void MapPanel::Redraw() {
    const MapFrame& frame = display_.frame();
    if (frame.work.isNull() || frame.light.isNull()) {
        return;
    }
    TrackingEngine& engine = session_.engine();
    std::vector<std::string> names;
    for (const QString& name : session_.SelectedNames()) {
        names.push_back(name.toStdString());
    }
    const MapScene scene = ComposeMapScene(engine, state_, OnMapBySlot(session_.members(), names));
    if (globe_.shown()) {
        globe_.Render(scene, state_.centring, false);
    } else {
        RenderMapFrame(display_.frame(), scene, state_.centring);
    }
    // The globe is drawn on the view alone.
    picKarte_->Show(globe_.shown() ? frame.view : frame.Shown());
}

void MapPanel::ShowReadout(QPoint at) {
    const auto readout = display_.ReadoutAt(at);
    if (!readout) {
        return;
    }
    lblLoc_->setText(readout->text);
    lblLoc_->adjustSize();
    lblLoc_->move(readout->labelAt);
    lblLoc_->show();
}

bool MapPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize) {
        lblLoc_->hide();  // a size change hides the readout
        const QSize now = static_cast<QResizeEvent*>(event)->size();
        if (display_.WindowResized(now, session_.engine().StartupComplete())) {
            lastStatusWidth_ = -1;
            timerResize_.start();
        }
    }
    return QObject::eventFilter(watched, event);
}

void MapPanel::OnResizeTick() {
    // Wait until the drag has ended: the status bar keeps its width.
    const int statusWidth = window_.statusBar()->width();
    if (statusWidth != lastStatusWidth_) {
        lastStatusWidth_ = statusWidth;
        return;
    }
    timerResize_.stop();
    if (display_.DragEnded(window_.size())) {
        picKarte_->SetWanted(display_.pictureSize(), display_.stretched());
        FitWindow();
        Redraw();
    }
}

void MapPanel::ShowObserverSetup() {
    const QString path = session_.folders().ConfigFile(QStringLiteral("SatIni.SQF"));
    try {
        TSatSetupObsF dialog(path, notifier_, screen_, &window_);
        dialog.storeWindowPosition = storeWindowPosition;
        dialog.exec();
    } catch (const SqfError& error) {
        notifier_.Error(QString::fromUtf8(error.what()));
    }
}

void MapPanel::ShowSecondObserverReadout() {
    TrackingEngine& engine = session_.engine();
    if (locEingabe_ == nullptr || !locEingabe_->WantsReadout() || engine.WorkingSlot() < 0) {
        return;
    }
    const SecondObserver& second = locEingabe_->observer();
    orbit::ObserverSite site;
    site.longitude = orbit::ShownLongitude(second.longitude);
    site.latitude = second.latitude;
    const orbit::SiteReadout readout = engine.View().SecondSiteReadout(
        site, engine.WorkingSlot(), engine.Switches().decimalSeparator);
    if (!readout.text.empty()) {
        locEingabe_->ShowReadout(QString::fromStdString(readout.text), readout.aboveHorizon);
    }
}

void MapPanel::ShowSecondObserver() {
    if (!locEingabe_) {
        locEingabe_ =
            new TLocEingabe(session_.folders().ConfigFile(QStringLiteral("LocPos.SQF")), &window_);
        locEingabe_->onConfirmed = [this](const SecondObserver& o) {
            display_.SetSecondObserver(o.longitude, o.latitude);
            session_.engine().RequestMapRefresh();
        };
        locEingabe_->onRemoved = [this] {
            display_.RemoveSecondObserver();
            session_.engine().RequestMapRefresh();
        };
        locEingabe_->onCentreOff = [this] { display_.StopCentringOnSecondObserver(); };
    }
    locEingabe_->show();
    locEingabe_->raise();
    locEingabe_->activateWindow();
}

}  // namespace orbivox

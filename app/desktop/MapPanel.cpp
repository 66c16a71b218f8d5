#include "app/desktop/MapPanel.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>

#include "map/LocatorReadout.h"
#include "settings/Notifier.h"
#include "map/ui/ObserverSetupDialog.h"
#include "map/ui/SecondObserverDialog.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

constexpr QSize kSmallestStretchedMap(300, 150);

// A switch of the panel: a framed caption that reports clicks.
class SwitchLabel : public QLabel {
public:
    SwitchLabel(const QString& name, std::function<void()> onClick, QWidget* parent)
        : QLabel(parent), onClick_(std::move(onClick)) {
        setObjectName(name);
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        setMinimumWidth(26);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (isEnabled() && event->button() == Qt::LeftButton) {
            onClick_();
        }
        event->accept();
    }

private:
    std::function<void()> onClick_;
};

}  // namespace

MapPicture::MapPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picKarte"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void MapPicture::Show(const QImage& view) {
    image_ = view;
    update();
}

void MapPicture::paintEvent(QPaintEvent*) {
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

MapPanel::MapPanel(QMainWindow& window, TrackingSession& session)
    : QObject(&window), window_(window), session_(session) {
    state_ = MapSwitchesFromStart(session_.startValues());
    const StationSettings& station = session_.settings().station;
    frame_.observerLongitude = station.longitude;
    frame_.observerLatitude = station.latitude;

    picKarte_ = new MapPicture(nullptr);
    picKarte_->onClick = [this] { ToggleReadout(); };
    picKarte_->onMove = [this](QPoint at) { ShowReadout(at); };
    lblLoc_ = new QLabel(QStringLiteral("AA00"), picKarte_);
    lblLoc_->setObjectName(QStringLiteral("lblLoc"));
    lblLoc_->setAutoFillBackground(true);
    lblLoc_->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    lblLoc_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblLoc_->hide();

    switches_ = new QWidget(nullptr);
    switches_->setObjectName(QStringLiteral("PanKarte"));
    auto* row = new QHBoxLayout(switches_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    lblWinSize_ = new SwitchLabel(
        QStringLiteral("lblWinSize"),
        [this] {
            const QScreen* screen = window_.screen();
            SetWindowSize(NextWindowSize(session_.engine().Switches().windowSize,
                                         screen ? screen->availableGeometry().size() : QSize(),
                                         Dpi120()));
        },
        switches_);
    lblZoom_ = new SwitchLabel(
        QStringLiteral("lblZoom"), [this] { ToggleZoom(); }, switches_);
    lblBlueM_ = new SwitchLabel(
        QStringLiteral("lblBlueM"), [this] { ToggleMapSet(); }, switches_);
    for (QLabel* label : {lblWinSize_, lblZoom_, lblBlueM_}) {
        row->addWidget(label);
    }
    row->addStretch(1);

    timerResize_.setObjectName(QStringLiteral("TimerResize"));
    timerResize_.setInterval(150);
    connect(&timerResize_, &QTimer::timeout, this, &MapPanel::OnResizeTick);
    window_.installEventFilter(this);
}

bool MapPanel::Dpi120() const {
    const QScreen* screen = window_.screen();
    return screen && qRound(screen->logicalDotsPerInchX()) == 120;
}

void MapPanel::Error(const QString& text) {
    QMessageBox::critical(&window_, QStringLiteral("Orbivox32"), DisplayLines(text));
}

void MapPanel::Start() {
    const QScreen* screen = window_.screen();
    WindowSize size = session_.engine().Switches().windowSize;
    if (screen) {
        size = LimitWindowSize(size, screen->availableGeometry().size(), screen->geometry().width(),
                               Dpi120());
    }
    SetWindowSize(size);
}

void MapPanel::LoadImages() {
    if (!ZoomAvailable(session_.engine().Switches().windowSize)) {
        state_.zoom = Zoom::Z1;
    }
    const QString error =
        LoadMapImages(frame_, session_.folders().programFolder,
                      session_.engine().Switches().windowSize, state_.zoom, state_.set);
    if (!error.isEmpty()) {
        Error(error);
    }
    ShowCaptions();
    session_.engine().RequestMapRefresh();
}

void MapPanel::ShowCaptions() {
    lblWinSize_->setText(
        QString::fromLatin1(LayoutOf(session_.engine().Switches().windowSize).caption));
    lblZoom_->setText(state_.zoom == Zoom::Z2 ? QStringLiteral("Z2") : QStringLiteral("Z1"));
    lblZoom_->setEnabled(ZoomAvailable(session_.engine().Switches().windowSize));
    lblBlueM_->setText(QString::fromLatin1(NamesOf(state_.set).caption));
}

void MapPanel::SetWindowSize(WindowSize size) {
    session_.engine().Switches().windowSize = size;
    stretched_ = false;
    picKarte_->SetStretched(false);
    lblLoc_->hide();
    LoadImages();
    session_.engine().Switches().dpi120Screen = Dpi120();
    const WindowSizeLayout& layout = LayoutOf(size);
    picKarte_->setFixedSize(layout.viewWidth, layout.viewHeight);
    if (windowSizeChanged) {
        windowSizeChanged();
    }
    FitWindow();
    Redraw();
}

void MapPanel::FitWindow() {
    if (QLayout* layout = window_.centralWidget() ? window_.centralWidget()->layout() : nullptr) {
        layout->activate();
    }
    window_.layout()->activate();
    expectedWindowSize_ = window_.sizeHint().expandedTo(window_.minimumSizeHint());
    window_.resize(expectedWindowSize_);
}

void MapPanel::ToggleZoom() {
    if (!ZoomAvailable(session_.engine().Switches().windowSize)) {
        return;
    }
    state_.zoom = state_.zoom == Zoom::Z1 ? Zoom::Z2 : Zoom::Z1;
    LoadImages();
    Redraw();
}

void MapPanel::ToggleMapSet() {
    state_.set = state_.set == MapSet::Political ? MapSet::Physical : MapSet::Political;
    LoadImages();
    Redraw();
}

void MapPanel::AfterTick() {
    if (session_.engine().IsRefreshTick()) {
        Redraw();
    }
}

void MapPanel::Redraw() {
    if (frame_.work.isNull() || frame_.light.isNull()) {
        return;
    }
    TrackingEngine& engine = session_.engine();
    std::vector<std::string> names;
    for (const QString& name : session_.SelectedNames()) {
        names.push_back(name.toStdString());
    }
    const MapScene scene = ComposeMapScene(engine, state_, OnMapBySlot(session_.members(), names));
    RenderMapFrame(frame_, scene, state_.centring);
    picKarte_->Show(frame_.view);
}

void MapPanel::ToggleReadout() {
    if (stretched_) {
        QMessageBox::information(
            &window_, QStringLiteral("Orbivox32"),
            DisplayLines(QStringLiteral("Locator function disabled while map stretched,\r      click "
                                 "W1 - W5 to enable the function!")));
        return;
    }
    readoutOn_ = !readoutOn_;
    lblLoc_->setVisible(readoutOn_);
}

void MapPanel::ShowReadout(QPoint at) {
    if (!readoutOn_ || stretched_ || frame_.view.isNull()) {
        return;
    }
    const LocatorReadout r = UpdateLocatorReadout(frame_.geometry, at, frame_.view.size());
    lblLoc_->setText(r.text);
    lblLoc_->adjustSize();
    lblLoc_->move(r.labelAt);
    lblLoc_->show();
}

bool MapPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize) {
        lblLoc_->hide();  // a size change hides the readout
        const QSize now = static_cast<QResizeEvent*>(event)->size();
        // The operator dragged the border: not our own layout, and not in the first ticks.
        if (now != expectedWindowSize_ && expectedWindowSize_.isValid() &&
            session_.engine().StartupComplete()) {
            readoutOn_ = false;
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
    const QSize grown = window_.size() - expectedWindowSize_;
    const QSize before = picKarte_->size();
    const QSize after =
        AspectCorrectedSize(before, before + grown).expandedTo(kSmallestStretchedMap);
    stretched_ = true;
    picKarte_->SetStretched(true);
    picKarte_->setFixedSize(after);
    FitWindow();
    Redraw();
}

void MapPanel::ShowObserverSetup() {
    const QString path = session_.folders().ConfigFile(QStringLiteral("SatIni.SQF"));
    try {
        TSatSetupObsF dialog(path, &window_);
        dialog.storeWindowPosition = storeWindowPosition;
        dialog.exec();
    } catch (const SqfError& error) {
        Error(QString::fromUtf8(error.what()));
    }
}

void MapPanel::ShowSecondObserver() {
    if (!locEingabe_) {
        locEingabe_ =
            new TLocEingabe(session_.folders().ConfigFile(QStringLiteral("LocPos.SQF")), &window_);
        locEingabe_->onConfirmed = [this](const SecondObserver& o) {
            frame_.secondObserverLongitude = o.longitude;
            frame_.secondObserverLatitude = o.latitude;
            frame_.secondObserverCentre = true;
            frame_.UpdateObserverMarks();
            session_.engine().RequestMapRefresh();
        };
        locEingabe_->onRemoved = [this] {
            frame_.secondObserverLongitude.reset();
            frame_.secondObserverLatitude = 45;
            frame_.secondObserverCentre = false;
            session_.engine().RequestMapRefresh();
        };
        locEingabe_->onCentreOff = [this] { frame_.secondObserverCentre = false; };
    }
    locEingabe_->show();
    locEingabe_->raise();
    locEingabe_->activateWindow();
}

}  // namespace orbivox

// The switch panel's buttons, its keys and Timer2.
#include "app/desktop/SwitchPanel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStatusBar>

#include "app/desktop/MapPanel.h"
#include "settings/FixedColours.h"

namespace orbivox {
namespace {

// A switch: a framed caption that reports single and double clicks while enabled.
class SwitchButton : public QLabel {
public:
    SwitchButton(const SwitchInfo& info, std::function<void(bool)> onClick, QWidget* parent)
        : QLabel(parent), onClick_(std::move(onClick)) {
        setObjectName(QString::fromLatin1(info.name));
        setToolTip(QString::fromLatin1(info.hint));
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        setMinimumWidth(26);
        setAutoFillBackground(true);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (isEnabled() && event->button() == Qt::LeftButton) {
            onClick_(false);
        }
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (isEnabled() && event->button() == Qt::LeftButton) {
            onClick_(true);
        }
        event->accept();
    }

private:
    std::function<void(bool)> onClick_;
};

constexpr int kTimer2Ms = 300;

}  // namespace

SwitchPanel::SwitchPanel(QMainWindow& window, TrackingSession& session, Notifier& notifier,
                         MapPanel& map, RadioControl* radios, AntennaPositioning* rotor)
    : QWidget(&window),
      window_(window),
      session_(session),
      notifier_(notifier),
      map_(map),
      radios_(radios),
      state_(session, map.switchState()) {
    setObjectName(QStringLiteral("PanSchalter"));
    state_.SetRadios(radios);
    state_.SetRotor(rotor);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (const SwitchInfo& info : kSwitchTable) {
        const SwitchId id = info.id;
        auto* button = new SwitchButton(
            info, [this, id](bool twice) { Clicked(id, twice); }, this);
        switches_[id] = button;
        row->addWidget(button);
    }
    switches_.at(SwitchId::VorZur)->setText(state_.Caption(SwitchId::VorZur));
    switches_.at(SwitchId::VorZur)->hide();

    state_.holdTracking = [this] { HoldTracking(); };
    state_.openSecondObserver = [this] { map_.ShowSecondObserver(); };
    state_.zoneChanged = [this] {
        if (zoneChanged) {
            zoneChanged();
        }
    };
    map_.viewChanged = [this] { Refresh(); };
    map_.globeChanged = [this] { Refresh(); };
    map_.beforeRefresh = [this] {
        state_.BeforeRefresh();
        Refresh();
    };

    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setSingleShot(true);
    timer2_.setInterval(kTimer2Ms);
    connect(&timer2_, &QTimer::timeout, this, [this] {
        // Only a tracking that was running is restarted: preview and MA stay still.
        if (trackingHeld_ && radios_ && radios_->startTracking) {
            radios_->startTracking();
        }
        trackingHeld_ = false;
        if (radios_) {
            radios_->Tracker().VfoStepSettled();
        }
    });

    statusBar_ = window_.statusBar();  // made here, before its events reach the filter
    statusBar_->setToolTip(kStatusBarHint);
    statusBar_->installEventFilter(this);
    window_.installEventFilter(this);
    Refresh();
}

void SwitchPanel::Refresh() {
    for (const auto& [id, label] : switches_) {
        if (id != SwitchId::VorZur) {  // the preview sets its step factor's caption
            label->setText(state_.Caption(id));
        }
    }
    QLabel* rotor = switches_.at(SwitchId::Rotor);
    rotor->setStyleSheet(state_.RotorFlipped() ? FixedBackgroundStyle("yellow") : QString());
    switches_.at(SwitchId::Cw)->setEnabled(state_.CwEnabled());
    // The globe has no zoom, and no globe is offered at the smallest window size.
    switches_.at(SwitchId::Zoom)
        ->setEnabled(ZoomAvailable(session_.engine().Switches().map.size) && !map_.globe().shown());
    QLabel* globe = switches_.at(SwitchId::View3D);
    globe->setText(map_.caption3D());
    globe->setEnabled(map_.globe().available());
}

void SwitchPanel::SetPreviewMode(bool preview) {
    for (SwitchId id : {SwitchId::Rotor, SwitchId::Cat, SwitchId::Wechsel, SwitchId::Vfo}) {
        switches_.at(id)->setVisible(!preview);
    }
    switches_.at(SwitchId::VorZur)->setVisible(preview);
}

void SwitchPanel::Clicked(SwitchId id, bool doubleClick) {
    switch (id) {
        case SwitchId::WinSize:
            if (!doubleClick) {
                map_.NextWindowSize();
                state_.MapViewChanged();
            }
            return;  // the map panel's viewChanged refreshes
        case SwitchId::Zoom:
            if (!doubleClick) {
                map_.ToggleZoom();
            }
            return;
        case SwitchId::View3D:
            if (!doubleClick) {
                map_.Toggle3D();
            }
            return;  // the map panel's globeChanged refreshes
        case SwitchId::VorZur:
            if (!doubleClick && toggleStepFactor) {
                switches_.at(SwitchId::VorZur)->setText(toggleStepFactor());
            }
            return;
        case SwitchId::BlueM:
            if (!doubleClick) {
                map_.ToggleMapSet();
                state_.MapViewChanged();
            }
            return;
        default:
            break;
    }
    // A double click arrives after its first click: only the ground track takes it apart.
    if (doubleClick && id != SwitchId::Spur) {
        return;
    }
    const QString message = doubleClick ? state_.DoubleClick(id) : state_.Click(id);
    if (!message.isEmpty()) {
        notifier_.Message(message);
    }
    if (id == SwitchId::Spur && !doubleClick &&
        map_.switchState().groundTrack == GroundTrackMode::Temporary) {
        map_.Redraw();  // the temporary track is drawn at once
    }
    Refresh();
}

void SwitchPanel::HoldTracking() {
    if (!timer2_.isActive() && radios_ && radios_->stopTracking) {
        trackingHeld_ = radios_->stopTracking();
    }
    timer2_.start();
}

bool SwitchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::KeyPress && window_.isEnabled()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (state_.Key(key->key(), key->modifiers().testFlag(Qt::KeypadModifier))) {
            Refresh();
            return true;
        }
    } else if (watched == statusBar_ && event->type() == QEvent::MouseButtonDblClick) {
        for (QWidget* button : txRx_) {
            button->setVisible(!button->isVisible());
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orbivox

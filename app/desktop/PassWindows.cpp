// Entering and leaving the stopped clock, the countdown window's triggers and the speech.
#include "app/desktop/PassWindows.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

#include "links/QtSpeechEngine.h"
#include "settings/FixedColours.h"
#include "tracking/Announcements.h"
#include "tracking/AutoChange.h"

namespace orbivox {
namespace {

// The switches a preview takes the place of.
const char* const kPreviewHides[] = {"lblRotor", "lblCat", "lblWechsel", "lblVFO"};

QAction* FindAction(QMenuBar* bar, const QString& menu, const QString& item) {
    for (QAction* top : bar->actions()) {
        if (top->menu() && top->text() == menu) {
            for (QAction* action : top->menu()->actions()) {
                if (action->text() == item) {
                    return action;
                }
            }
        }
    }
    return nullptr;
}

}  // namespace

PassWindows::PassWindows(TrackingSession& session, Notifier& notifier, Places places)
    : session_(session),
      notifier_(notifier),
      places_(std::move(places)),
      preview_(session.engine()),
      countdown_(session.engine(), session.settings().countdown,
                 session.folders().ConfigFile(QStringLiteral("CountDownPos.SQF"))),
      announcer_(places_.speech ? places_.speech
                                : SpeechEngineFactory([] { return MakeQtSpeechEngine(); }),
                 [this](const QString& line) { places_.main->statusBar()->showMessage(line); }) {
    QMainWindow* main = places_.main;
    TrackingEngine& engine = session_.engine();
    countdownWindow_ = new TCountDown(countdown_, notifier_, *places_.screen, main);
    countdown_.ConnectHooks([this] { countdownWindow_->Draw(); },
                            [this] { countdownWindow_->Open(); });
    ConnectAutomaticChange(engine, session_.settings().priorities, [this] {
        notifier_.Beep();
        Call(places_.workingChanged);
    });
    const QString talkFile = session_.folders().ConfigFile(QStringLiteral("Talk.SQF"));
    ConnectAnnouncements(engine, announcer_, talkFile);
    talk_ = new TTalk(
        announcer_, notifier_, engine.Switches().announcements,
        [&engine] { return QString::fromStdString(engine.WorkingName()); }, talkFile, main);

    vorschau_ = new TVorschau(main);
    vorschau_->presentTimeRequested = [this, &engine] {
        engine.View().UpdateClock();
        const int i = engine.WorkingSetIndex();
        vorschau_->SetPresent(engine.Time().displayJulianDate,
                              i > 0 ? engine.Orbit().Sets()[i].meanMotionRevPerDay : 15);
    };
    maInp_ = new TMAInp(main);
    maInp_->jump = [this](double target) {
        SetRedStatus(true);
        preview_.JumpToMa(target);
        Call(places_.showDisplay);
    };
    QObject::connect(maInp_, &QDialog::finished, main, [this] { ReturnToRealTime(); });

    controls_ = new PreviewControls(main);
    controls_->hide();
    controls_->step = [this](bool forward) {
        preview_.StepPreview(forward);
        Call(places_.showDisplay);
    };
}

void PassWindows::ConnectMenus(QMenuBar* bar) {
    QMainWindow* main = places_.main;
    const auto connectItem = [bar, main](const char* menu, const char* item, auto slot) {
        if (QAction* action =
                FindAction(bar, QString::fromLatin1(menu), QString::fromLatin1(item))) {
            action->setEnabled(true);
            QObject::connect(action, &QAction::triggered, main, slot);
        }
    };
    connectItem("&Tracking", "&Real Time", [this] { ReturnToRealTime(); });
    connectItem("&Tracking", "&Preview", [this] { StartPreview(); });
    connectItem("&Tracking", "&MA", [this] { JumpToMA(); });
    connectItem("Acc&y", "Count Down", [this] { countdownWindow_->OpenFromMenu(); });
    connectItem("S&etup", "Speech Setup", [this] {
        talk_->Prepare();
        talk_->exec();
    });
}

void PassWindows::AfterTick() {
    countdownWindow_->FollowMainWindow();
}

void PassWindows::CountdownChanged() {
    if (countdown_.Opened()) {
        countdown_.Compute();
        countdownWindow_->Draw();
    }
}

QString PassWindows::ToggleStepFactor() {
    return preview_.ToggleStepFactor();
}

void PassWindows::LeaveRealTime() {
    if (preview_.RealTime()) {
        // Only a clock that ran is started again on the way back.
        timerWasRunning_ = places_.timer1->isActive();
        if (QWidget* rotor = places_.main->findChild<QWidget*>(QStringLiteral("lblRotor"))) {
            rotorStyle_ = rotor->styleSheet();
        }
    }
    places_.timer1->stop();
    EnableZoneSwitch(false);
    ClearFrequencies();
}

void PassWindows::StartPreview() {
    LeaveRealTime();
    preview_.EnterPreview();
    vorschau_->SetZone(session_.startValues().localZone);
    if (!vorschau_->Filled()) {
        vorschau_->presentTimeRequested();
    }
    vorschau_->adjustSize();
    vorschau_->move(places_.main->frameGeometry().center() - vorschau_->rect().center());
    if (vorschau_->exec() != QDialog::Accepted) {
        ReturnToRealTime();
        return;
    }
    ShowSwitches(false);
    SetRedStatus(true);
    preview_.StartPreview(vorschau_->Instant(), vorschau_->Step());
    if (auto* factor = places_.main->findChild<QLabel*>(QStringLiteral("lblVorZur"))) {
        factor->setText(preview_.StepFactorText());
    }
    Call(places_.showDisplay);
}

void PassWindows::JumpToMA() {
    LeaveRealTime();
    ShowSwitches(true);
    SetRedStatus(false);  // red again once a jump has been made
    preview_.EnterMa();
    // The next preview starts from the present again.
    vorschau_->presentTimeRequested();
    maInp_->Clear();
    maInp_->adjustSize();
    maInp_->move(places_.main->frameGeometry().center() - maInp_->rect().center());
    maInp_->exec();
}

void PassWindows::ReturnToRealTime() {
    const bool wasRealTime = preview_.RealTime();
    preview_.ReturnToRealTime();
    ShowSwitches(true);
    SetRedStatus(false);
    EnableZoneSwitch(true);
    if (wasRealTime) {
        return;
    }
    if (QWidget* rotor = places_.main->findChild<QWidget*>(QStringLiteral("lblRotor"))) {
        rotor->setStyleSheet(rotorStyle_);
    }
    if (timerWasRunning_) {
        places_.timer1->start(session_.engine().TickIntervalMs());
    }
    Call(places_.showDisplay);
}

void PassWindows::ShowSwitches(bool shown) {
    for (const char* name : kPreviewHides) {
        if (QWidget* w = places_.main->findChild<QWidget*>(QString::fromLatin1(name))) {
            w->setVisible(shown);
        }
    }
    controls_->setVisible(!shown);
    if (QWidget* factor = places_.main->findChild<QWidget*>(QStringLiteral("lblVorZur"))) {
        factor->setVisible(!shown);  // the switch panel's step factor stands in during a preview
    }
}

void PassWindows::SetRedStatus(bool red) {
    const bool wanted = red && session_.divOptions().redStatusInPreview;
    places_.main->statusBar()->setStyleSheet(wanted ? FixedBackgroundStyle("red") : QString());
}

void PassWindows::ClearFrequencies() {
    for (const char* name : {"ptbRxTx", "ptbRxTx2"}) {
        if (auto* label = places_.main->findChild<QLabel*>(QString::fromLatin1(name))) {
            label->clear();
        }
    }
}

void PassWindows::EnableZoneSwitch(bool enabled) {
    // The switch and the Options dialog's "Local time": a zone change would move the preview
    // instant by the zone's offset.
    for (const char* name : {"lblUTC", "chkLoc"}) {
        if (QWidget* zone = places_.main->findChild<QWidget*>(QString::fromLatin1(name))) {
            zone->setEnabled(enabled);
        }
    }
}

}  // namespace orbivox

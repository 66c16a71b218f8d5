#pragma once
// The main window's pass windows and speech: the countdown window, preview and MA mode with
// their dialogs and step buttons, the Speech dialog and the announcer, and the menu entries
// that open them. It owns their logic objects and tells the main window when the display
// must be shown for a computed instant.
//
// Responsibilities: entering and leaving preview and MA (timer, switches, status bar, name
// item), the countdown's triggers, the speech hooks.
// Collaborations: PreviewMode, CountdownControl, SpeechAnnouncer (logic); TCountDown,
// TVorschau, TMAInp, PreviewControls, TTalk (widgets); the main window's Timer1 and its
// switches, found by their names.
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/desktop/CountdownWindow.h"
#include "app/desktop/PreviewDialogs.h"
#include "app/desktop/TalkDialog.h"
#include "links/SpeechAnnouncer.h"
#include "settings/Notifier.h"
#include "settings/ScreenMetrics.h"
#include "tracking/CountdownControl.h"
#include "tracking/PreviewMode.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

class PassWindows {
public:
    struct Places {
        QMainWindow* main = nullptr;
        QTimer* timer1 = nullptr;
        std::function<void()> showDisplay;     // the display for the engine's instant
        SpeechEngineFactory speech;            // the real engine unless a test gives its own
        std::function<void()> workingChanged;  // the automatic change chose another satellite
        const ScreenMetrics* screen = nullptr;  // the room the countdown window stays in
    };
    PassWindows(TrackingSession& session, Notifier& notifier, Places places);

    // The entries of &Tracking, Acc&y and S&etup that belong here.
    void ConnectMenus(QMenuBar* bar);
    // The step buttons for the switch panel; hidden outside preview.
    PreviewControls* Controls() { return controls_; }

    // After every tick.
    void AfterTick();
    // A new selection or time zone: an opened countdown is computed and drawn again.
    void CountdownChanged();

    // lblVorZur's click (the switch panel's): the preview's step factor, its new caption.
    QString ToggleStepFactor();

    void StartPreview();
    void JumpToMA();
    void ReturnToRealTime();

    PreviewMode& Preview() { return preview_; }
    CountdownControl& Countdown() { return countdown_; }
    TCountDown& CountdownWindow() { return *countdownWindow_; }
    TVorschau& PreviewDialog() { return *vorschau_; }
    TMAInp& MaDialog() { return *maInp_; }
    TTalk& TalkDialog() { return *talk_; }
    SpeechAnnouncer& Announcer() { return announcer_; }

private:
    void LeaveRealTime();
    void ShowSwitches(bool shown);
    void SetRedStatus(bool red);
    void ClearFrequencies();
    void EnableZoneSwitch(bool enabled);

    TrackingSession& session_;
    Notifier& notifier_;
    Places places_;
    PreviewMode preview_;
    CountdownControl countdown_;
    SpeechAnnouncer announcer_;
    TCountDown* countdownWindow_;
    TVorschau* vorschau_;
    TMAInp* maInp_;
    TTalk* talk_;
    PreviewControls* controls_;
    bool timerWasRunning_ = false;
    QString rotorStyle_;
};

}  // namespace orbivox

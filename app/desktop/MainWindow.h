#pragma once
// TAusgabe, the main window: date and time, the working satellite's name, the list header
// and one-line data display, the 24 satellite letters, the status bar and the menus. It
// shows what the tracking engine computes and forwards the operator's clicks; it computes
// nothing itself.
#include <QBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "app/desktop/SkyViewWindow.h"
#include "catalogue/FileChooser.h"
#include "links/SpeechEngine.h"
#include "orbit/Sun.h"
#include "settings/Notifier.h"
#include "settings/ScreenMetrics.h"
#include "tracking/DataPublishing.h"
#include "tracking/RotorControl.h"
#include "tracking/StationSettings.h"
#include "tracking/SwitchOptions.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

class DateTimeBox;
class KepsRefresh;
class MapPanel;
class LauncherMenus;
class PassWindows;
class RadioPanel;
class SelectionActions;
class SwitchPanel;
class RadioDialogs;
class TSatSetup;

class TAusgabe : public QMainWindow {
public:
    // `speech` makes the speech engine (the real one when empty).
    TAusgabe(TrackingSession& session, Notifier& notifier, FileChooser& files,
             const ScreenMetrics& screen, QWidget* parent = nullptr,
             SpeechEngineFactory speech = {});
    ~TAusgabe() override;

    // At start, before it is shown: the window keeps the size its map gave it (the largest
    // the work area holds) and stands where it stood at the last "&Quit", else in the middle
    // of the work area.
    void PlaceAtStart(const WindowPosition& stored);
    // Starts the tracking timer (real-time mode) after the first tick.
    void StartTracking();
    // Makes the satellite in a letter slot the working one.
    void SelectWorkingSatellite(int slot);
    // "&Quit": the quit sequence, then the program ends.
    void QuitFromMenu();
    // After a new selection: title, letters, working name and status panels 1 and 2.
    void ShowSelection();
    // At the start, after the first tick: old elements of the working satellite offer
    // "Update Keps" (once per element file), which opens the satellites dialog; with the
    // element refresh on they are fetched by themselves instead.
    void OfferFreshElements();
    KepsRefresh& kepsRefresh() { return *kepsRefresh_; }
    QTimer& Timer1() { return timer1_; }
    SelectionActions& selectionActions() { return *selection_; }
    const DateTimeBox& dateTimeBox() const { return *ptbDatZeit_; }
    const QLabel& illumination() const { return *lblIll_; }
    MapPanel& mapPanel() { return *map_; }
    RadioPanel& radioPanel() { return *radio_; }
    SwitchPanel& switchPanel() { return *switches_; }
    TSatSetup& optionsDialog() { return *options_; }
    PassWindows& passWindows() { return *passWindows_; }
    SkyViewWindow& skyView() { return *skyView_; }
    // Called when the operator chose another configuration slot: the caller restarts.
    std::function<void(int slot)> onConfigurationChosen;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildStatusBar();
    void SetLetterButtons();
    void ShowWorkingName();
    // The working satellite's element age on the status bar, in a warning colour when old.
    void ShowElementAge();
    // The window at least as wide as the status bar's texts.
    void KeepStatusTextsWhole();
    void OnTick();
    // The display for the engine's instant, after a tick or a preview step.
    void ShowComputed();
    void ShowTick();
    void ShowDateTime();
    // The tracking cycle's sun and eclipse places, shown on lblIll.
    void FillSunHooks();
    void RunQuitSequence(bool quitCommand);
    // SatPos.SQF: where the window stands, for the next start.
    void WriteWindowPosition();
    void ShowConfigurations();
    // The rotor joins the tick and its server is started (the start's last step).
    void StartRotor();
    // "&Rotor", "&Rotor Setup" and "Hints [Rotor]".
    void AddRotorMenus(FileChooser& files);
    // PanSchalter and the Options dialog (S&etup -> O&ptions).
    void AddSwitches(QBoxLayout& layout);

    TrackingSession& session_;
    Notifier& notifier_;
    const ScreenMetrics& screen_;
    std::unique_ptr<DataPublishing> publishing_;  // the name and data items for other programs
    std::unique_ptr<ServerStarter> serverStarter_;
    std::unique_ptr<RotorControl> rotor_;  // null when its files could not be read
    SkyViewWindow* skyView_ = nullptr;
    bool skyViewRestored_ = false;
    QTimer timer1_;
    DateTimeBox* ptbDatZeit_;
    QLabel* lblSatName_;
    QLabel* lblIll_;
    QLabel* lblKopfZeile_;
    QLabel* lstAusgabe_;
    std::array<QLabel*, kMaxSelected> letters_{};
    QLabel* statusObserver_;
    QLabel* statusConfig_;
    QLabel* statusKeps_;
    QLabel* statusAge_;
    KepsRefresh* kepsRefresh_ = nullptr;  // owned by the status bar
    SelectionActions* selection_ = nullptr;
    MapPanel* map_ = nullptr;
    LauncherMenus* launcherMenus_ = nullptr;
    RadioPanel* radio_ = nullptr;
    SwitchPanel* switches_ = nullptr;
    std::unique_ptr<SwitchOptions> optionValues_;
    RadioDialogs* radioDialogs_ = nullptr;
    TSatSetup* options_ = nullptr;
    std::unique_ptr<PassWindows> passWindows_;  // countdown, preview, MA, speech
    bool quitDone_ = false;
    bool switchingSlot_ = false;
};

}  // namespace orbivox

#pragma once
// The main window's ways into the satellite catalogue: the menu "&Satellites", File | Open,
// a click on the window's background (the group choice) and the satellites dialog at start
// when nothing is selected. The tracking timer rests while a dialog is open and runs on
// afterwards if it ran before.
#include <QObject>

#include "catalogue/SatelliteChoice.h"
#include "catalogue/SourceFilePick.h"
#include "settings/ScreenMetrics.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

class TAusgabe;

class SelectionActions : public QObject {
public:
    SelectionActions(TAusgabe& window, TrackingSession& session, Notifier& notifier,
                     FileChooser& files, const ScreenMetrics& screen);

    // The satellites dialog; openedFile replaces the source file (File | Open).
    void ShowSatellites(bool fromMenu, const QString& openedFile = {});
    // File | Open (menOpen).
    void OpenFile();
    // At start without the group's source file (the start-up has said so): the operator
    // picks one and the satellites dialog opens on it; OK stores it for later starts.
    void ChooseMissingSource();
    // TSatFilesII, the small group choice.
    void ChooseGroup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Take(const SelectionState& state);
    void ResumeTracking(bool wasRunning);

    TAusgabe& window_;
    TrackingSession& session_;
    SatelliteChoice choice_;
    Notifier& notifier_;
    FileChooser& files_;
    const ScreenMetrics& screen_;
    SourceFilePick pick_;
};

}  // namespace orbivox

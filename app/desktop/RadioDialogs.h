#pragma once
// The radio dialogs of the main window: the Radio Setup ("S&etup" / "R&adio Setup") and the
// Mode dialog ("&Mode"), with the logic each one drives, and their ties to the Options
// dialog and the start values in memory.
#include <QObject>
#include <memory>

#include "radio/ModeSettings.h"
#include "radio/RadioSetup.h"
#include "settings/Notifier.h"
#include "tracking/RadioControl.h"
#include "tracking/TrackingSession.h"

class QMainWindow;

namespace orbivox {

class TMode;
class TSatSetup;
class TSatSetupRad;

class RadioDialogs : public QObject {
public:
    // Builds the dialogs and enables their menu entries in window's menu bar.
    RadioDialogs(QMainWindow& window, TrackingSession& session, Notifier& notifier,
                 RadioControl& radios, TSatSetup& options);
    ~RadioDialogs() override;

    TSatSetupRad& RadioSetupDialog() { return *setupDialog_; }
    TMode& ModeDialog() { return *modeDialog_; }
    RadioSetup& Setup() { return setup_; }

private:
    // The files read again; a broken one is named and the dialog stays closed.
    bool LoadSetup();

    TrackingSession& session_;
    Notifier& notifier_;
    RadioSetup setup_;
    std::unique_ptr<ModeSettings> mode_;
    TSatSetupRad* setupDialog_;
    TMode* modeDialog_;
};

}  // namespace orbivox

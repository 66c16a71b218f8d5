#pragma once
// The radio dialogs of the main window: the Radio Setup ("S&etup" / "R&adio Setup"), the CAT
// Tuning dialog ("&CAT") and the Mode dialog ("&Mode"), with the logic each one drives, and
// their ties to the Options dialog, the start values in memory and the satellite changes.
#include <QObject>
#include <functional>
#include <memory>

#include "radio/CatTuning.h"
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
class TSeiten;

class RadioDialogs : public QObject {
public:
    // Builds the dialogs and enables their menu entries in window's menu bar. After the radios
    // are installed in the tracking hooks: the CAT Tuning dialog follows each satellite change.
    RadioDialogs(QMainWindow& window, TrackingSession& session, Notifier& notifier,
                 RadioControl& radios, TSatSetup& options);
    ~RadioDialogs() override;

    TSatSetupRad& RadioSetupDialog() { return *setupDialog_; }
    TMode& ModeDialog() { return *modeDialog_; }
    TSeiten& CatDialog() { return *catDialog_; }

    // The speed group of the CAT Tuning dialog: the factor 1, 5 or 10 for the tracking timer.
    std::function<void(int factor)> setSpeed;
    RadioSetup& Setup() { return setup_; }

private:
    // The files read again; a broken one is named and the dialog stays closed.
    bool LoadSetup();

    TrackingSession& session_;
    Notifier& notifier_;
    RadioSetup setup_;
    std::unique_ptr<ModeSettings> mode_;
    std::unique_ptr<CatTuning> cat_;
    TSeiten* catDialog_;
    TSatSetupRad* setupDialog_;
    TMode* modeDialog_;
};

}  // namespace orbivox

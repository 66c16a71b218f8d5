// Building the radio dialogs and hooking them into the main window's menus.
#include "app/desktop/RadioDialogs.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "radio/ui/CatTuningDialog.h"
#include "radio/ui/ModeDialog.h"
#include "radio/ui/RadioSetupDialog.h"
#include "settings/SqfFile.h"
#include "tracking/ui/OptionsDialog.h"

namespace orbivox {

RadioDialogs::RadioDialogs(QMainWindow& window, TrackingSession& session, Notifier& notifier,
                           RadioControl& radios, TSatSetup& options)
    : QObject(&window),
      session_(session),
      notifier_(notifier),
      setup_(session.folders(), notifier) {
    const LoadedSettings& s = session.settings();
    mode_ = std::make_unique<ModeSettings>(
        radios.Tracker(), session.folders().ConfigFile(QStringLiteral("KorrMod.SQF")),
        ModeDialogPairs(s.radio1Files), notifier);
    mode_->onStatus = [&window](const QString& text) { window.statusBar()->showMessage(text); };
    CatTuningHooks hooks;
    hooks.satelliteName = [&session] {
        return QString::fromStdString(session.engine().WorkingName());
    };
    hooks.selectEntry = [&radios](int listOffset) { radios.SelectEntry(listOffset); };
    hooks.radio1Port = [&radios] { return radios.Radio1PortNumber(); };
    hooks.setSpeed = [this](int factor) {
        if (setSpeed) {
            setSpeed(factor);
        }
    };
    hooks.stopTracking = [&radios] { radios.PauseTracking(); };
    hooks.startTracking = [&radios] { radios.ResumeTracking(); };
    cat_ = std::make_unique<CatTuning>(
        radios.Tracker(), s.transponders,
        session.folders().ConfigFile(QStringLiteral("IntVCat.SQF")),
        session.folders().ConfigFile(QStringLiteral("IntVCatSSB.SQF")), notifier, hooks);
    catDialog_ = new TSeiten(
        *cat_, radios, notifier, TransponderFilesIn(session.folders().configDataFolder),
        [&session, &radios]() -> TransponderEntry* {
            const int index = radios.Tracker().Transponder().entryIndex;
            QList<TransponderEntry>& table = session.transponders();
            return index >= 0 && index < table.size() ? &table[index] : nullptr;
        },
        &window);
    std::function<void()> selected = session.engine().Hooks().selectTransponder;
    session.engine().Hooks().selectTransponder = [this, selected] {
        if (selected) {
            selected();
        }
        if (catDialog_->isVisible()) {
            catDialog_->Refresh();
        }
    };
    setupDialog_ = new TSatSetupRad(setup_, &window);
    modeDialog_ = new TMode(*mode_, &window);

    // Store keeps the start values in memory with the file, so the Options dialog's Store
    // does not put the old flags back.
    setup_.onStartFlagsStored = [&session](bool kct, bool satelliteMode) {
        session.storedValues().catServerInUse = kct;
        session.storedValues().radioSatelliteMode = satelliteMode;
    };
    setup_.SetRadio2DtrToggles(session.runValues().radio2DtrToggles);
    options.radioSetupRefresh = [this] {
        if (setupDialog_->isVisible() || LoadSetup()) {
            setupDialog_->Present();
        }
    };
    options.dtrChosen = [this](bool toggles) {
        setup_.SetRadio2DtrToggles(toggles);
        setupDialog_->Present();
    };

    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == QLatin1String("&CAT")) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, [this] {
                catDialog_->show();
                catDialog_->raise();
            });
        } else if (action->text() == QLatin1String("&Mode")) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, [this] { modeDialog_->Open(); });
        } else if (action->menu() && action->text() == QLatin1String("S&etup")) {
            for (QAction* item : action->menu()->actions()) {
                if (item->text() == QLatin1String("R&adio Setup")) {
                    item->setEnabled(true);
                    connect(item, &QAction::triggered, this, [this] {
                        if (LoadSetup()) {
                            setupDialog_->Present();
                            setupDialog_->exec();
                        }
                    });
                }
            }
        }
    }
}

RadioDialogs::~RadioDialogs() = default;

bool RadioDialogs::LoadSetup() {
    try {
        setup_.Load();
    } catch (const SqfError& error) {
        notifier_.Error(QStringLiteral("Error while loading file ") + error.fileName() + "\r" +
                        error.reason());
        return false;
    }
    return true;
}

}  // namespace orbivox

#pragma once
// TSatSetup, "Options": the switches' start values and the settings that act at once. Not
// modal: the main window is disabled while it is open. "Store" writes SatStart.SQF, "OK"
// only closes; what was changed stays in memory either way. The values and their effects
// are SwitchOptions'; the window size goes to the caller, which owns the map.
#include <QDialog>
#include <functional>
#include <map>

#include "map/WindowSizes.h"
#include "settings/Notifier.h"
#include "tracking/SwitchOptions.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace orbivox {

class TSatSetup : public QDialog {
public:
    TSatSetup(SwitchOptions& options, TrackingSession& session, Notifier& notifier,
              QWidget* mainWindow);

    // Options1Click: the controls from the values, the main window disabled, shown.
    void Options1Click();
    // cmdOKClick ("Store") and AbbrechenClick ("OK").
    void cmdOKClick();
    void AbbrechenClick();

    // The window size in use, and a choice of one (the caller limits it to the screen).
    std::function<WindowSize()> windowSize;
    std::function<void(WindowSize)> chooseWindowSize;
    // The Radio Setup follows: opening brings its radio groups up to date, and the DTR choice
    // enables or disables radio 2's "DTR +12V" box there (true: the pin toggles antennas).
    std::function<void()> radioSetupRefresh;
    std::function<void(bool)> dtrChosen;
    // The element refresh was switched or its days changed.
    std::function<void()> elementRefreshChanged;

    QCheckBox* Box(StartOption option) const { return boxes_.at(option); }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void ShowNumbers();
    void ShowWindowSize();

    SwitchOptions& options_;
    TrackingSession& session_;
    Notifier& notifier_;
    QWidget* mainWindow_;
    std::map<StartOption, QCheckBox*> boxes_;
    QCheckBox* chkLoc_;
    QButtonGroup* rdgOptScreen_;
    QButtonGroup* rgrMapFix_;
    QButtonGroup* rgrSgp8_;
    QButtonGroup* rgrMaps_;
    QButtonGroup* rdgDtr_;
    QGroupBox* dtrBox_;
    QLabel* txtIntVGr_;
    QLabel* txtRxTime_;
    QLabel* lblRxAfter_;
    QCheckBox* chkKepsRefresh_;
    QSpinBox* spnKepsDays_;
};

}  // namespace orbivox

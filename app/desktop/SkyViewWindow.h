#pragma once
// The sky view window (Acc&y -> "Sky View"): the polar plot of the working satellite's pass
// and the next passes of the selected satellites in the coming 24 hours; a click on a pass
// makes its satellite the working one. Remembered open or closed, and where it stood, in
// SkyView.SQF.
#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "settings/Notifier.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

class SkyViewWindow : public QWidget {
public:
    struct Hooks {
        // The rotor's set point while rotor control is on.
        std::function<std::optional<std::pair<double, double>>()> rotorSetPoint;
        // Makes the satellite in this slot the working one.
        std::function<void(int slot)> selectWorking;
    };
    SkyViewWindow(TrackingSession& session, Notifier& notifier, Hooks hooks, QWidget* mainWindow);

    // The menu entry: shown, drawn, raised.
    void OpenFromMenu();
    // At start: opened where it stood when it was open at the end of the last run.
    void RestoreAtStart();
    // After every tick: the plot drawn again while shown; the table every minute and when the
    // selection or the working satellite changed.
    void AfterTick();
    // The main window closes: whether the window is open, and where, for the next start.
    void StoreAtQuit();

    QLabel* Plot() { return plot_; }
    QTableWidget* Table() { return table_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void DrawPlot();
    void FillTable();
    void RowClicked(int row);
    void Store(bool open);

    TrackingSession& session_;
    Notifier& notifier_;
    Hooks hooks_;
    QString placeFile_;
    QLabel* plot_;
    QTableWidget* table_;
    std::vector<int> rowSets_;  // the set index of each table row
    std::vector<int> tableSelection_;
    int tableWorking_ = -1;
    double tableTime_ = 0.0;  // UTC day number the table was computed for
    bool quitting_ = false;   // the program closes: the open state is already stored
};

}  // namespace orbivox

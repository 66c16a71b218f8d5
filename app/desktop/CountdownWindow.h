#pragma once
// TCountDown, the countdown window: the list of every selected satellite's time to its rise
// above (or fall below) the countdown elevation, the start and attach options with their
// offset spinners, the countdown elevation, the sort order and "Store". It shows what
// CountdownControl computes and forwards the operator's changes to it.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>
#include <functional>

#include "settings/Notifier.h"
#include "settings/ScreenMetrics.h"
#include "tracking/CountdownControl.h"

namespace orbivox {

class TCountDown : public QWidget {
public:
    // `mainWindow` is the window it attaches to; `screen` gives the room it stays in.
    TCountDown(CountdownControl& control, Notifier& notifier, const ScreenMetrics& screen,
               QWidget* mainWindow);

    // The menu entry: computed, sized to the list and shown.
    void OpenFromMenu();
    // Shown without resizing (the start option).
    void Open();
    // The rows of the last computation.
    void Draw();
    // Every tick: an attached window follows the main window when it has moved.
    void FollowMainWindow();
    // Where the attached window belongs now.
    void Attach();

private:
    void Store();
    void ShowAt();
    void OffsetsChanged();
    // Its frame's top left to `at`, moved into the work area where it would leave it.
    void PlaceFrame(QPoint at);
    // What knows the window manager's frame: this window once framed, else the main window
    // (the same window manager draws both); and this window's size with that frame (before
    // it is first shown, the size it will show with).
    const QWidget& Framed() const;
    QSize FrameSize();

    CountdownControl& control_;
    Notifier& notifier_;
    const ScreenMetrics& screen_;
    QWidget* main_;
    QListWidget* lstCountDown_;
    QCheckBox* ChkCountDown_;
    QCheckBox* chkDock_;
    QSpinBox* UpDCal_;
    QSpinBox* UpDCalTop_;
    QSpinBox* UpdMinEl_;
    QRadioButton* byLetters_;
    QRadioButton* byTimes_;
    QPushButton* cmdOK_;
    QRect lastMainFrame_;
};

}  // namespace orbivox

#pragma once
// The countdown window's logic without its widgets: when to compute and redraw, the rows,
// where the window stands when it is attached to the main window, and CountDownPos.SQF.
//
// Responsibilities: the entries of the last computation, the window's settings as stored,
// the triggers of the tracking cycle (a crossing of the countdown elevation, a map refresh).
// Collaborations: orbit/PassPrediction (the entries), CountdownRows (the rows),
// CountdownSettings (the file's lines), TrackingEngine (selection, names, time, the countdown
// elevation).
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "orbit/Countdown.h"
#include "tracking/CountdownRows.h"
#include "tracking/CountdownSettings.h"

namespace orbivox {

class TrackingEngine;

// Where the attached window's frame goes: right of the main window's frame, or left of it
// when it would pass the work area's right edge; moved into the work area where it would
// still leave it (a main window near the left edge leaves no room on its left).
QPoint AttachedPosition(const QRect& mainFrame, QSize ownFrame, const QRect& workArea,
                        int horizontalOffset, int verticalOffset);

class CountdownControl {
public:
    CountdownControl(TrackingEngine& engine, CountdownSettings settings, QString file);

    // Fills the cycle's countdown hooks. `redraw` shows the rows of the last computation.
    void ConnectHooks(std::function<void()> redraw, std::function<void()> openAtStart);

    // ComputeCountdown: every selected satellite's entry from the current time.
    void Compute();
    std::vector<CountdownRow> Rows() const;
    // The window has been opened from the menu or at the start; the cycle's triggers
    // recompute and redraw only from then on.
    void SetOpened() { opened_ = true; }
    bool Opened() const { return opened_; }

    const CountdownSettings& Settings() const { return settings_; }
    void SetSortByLetters(bool byLetters);
    void SetOpenAtStart(bool open) { settings_.openAtStart = open; }
    void SetAttached(bool attached) { settings_.attached = attached; }
    void SetOffsets(int horizontal, int vertical);
    // "Store": the countdown elevation from the spinner ("#0"), the window's own position,
    // written to CountDownPos.SQF, then computed afresh. Throws SqfError.
    void Store(int minElevation, QPoint windowPosition);

private:
    TrackingEngine& engine_;
    CountdownSettings settings_;
    QString file_;
    std::vector<orbit::CountdownEntry> entries_;
    bool opened_ = false;
};

}  // namespace orbivox

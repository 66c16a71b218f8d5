#pragma once
// What the CAT Tuning dialog does, without its widgets: the transponder list of the working
// satellite, the correction, calibration and interval steppers, the speed, the manual input
// with its checks, the rules of the calibration buttons and where the frequency-store dialog
// opens.
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

#include "radio/DopplerTracker.h"
#include "radio/TransponderList.h"
#include "radio/TransponderTable.h"
#include "settings/Notifier.h"

namespace orbivox {

inline const QString kCatTuningNeedsPort =
    QStringLiteral("A COM port must be selected and CAT functions must be on!");
inline const QString kCatTuningSsbOnly =
    QStringLiteral("Functions can be used only with SSB transponders!");
inline const QString kManualFrequencyHint =
    QStringLiteral("Valid Frequencies: 144000 - 146000, 430000 - 440000, 1260000 - 1300000");

// What the dialog needs from the running program.
struct CatTuningHooks {
    std::function<QString()> satelliteName;           // the working satellite
    std::function<void(int listOffset)> selectEntry;  // the list click
    std::function<int()> radio1Port;                  // 0 when radio 1 has no port
    std::function<void(int factor)> setSpeed;         // 1, 5 or 10
    std::function<void()> stopTracking;               // around the manual input
    std::function<void()> startTracking;
};

class CatTuning {
public:
    // fmIntervalPath / ssbIntervalPath: IntVCat.SQF and IntVCatSSB.SQF.
    CatTuning(DopplerTracker& tracker, const QList<TransponderEntry>& table, QString fmIntervalPath,
              QString ssbIntervalPath, Notifier& notifier, CatTuningHooks hooks);

    DopplerTracker& Tracker() { return tracker_; }

    // lstFre: the entries of the working satellite, the selected row; the data line.
    TransponderListItems List() const;
    QString DataLine() const;
    void SelectRow(int row);

    // Uplink calibration (VFO mode on, or an uplink mode other than FM, FMN, PKT) or
    // frequency calibration: the captions and whether the two store buttons work.
    bool UplinkCalibration() const;
    QString CancelCaption() const;
    QString CalibrationLabel() const;
    // cmdCancelCalib: the working satellite's calibration back to 0.
    void CancelCalibration();

    // The displays: " ####0" forms of the correction, calibration and intervals.
    QString ReceiveCorrectionText() const;
    QString CalibrationText() const;
    QString IntervalText(bool ssb) const;
    // The interval "Store" buttons. False (and a message) when writing failed.
    bool StoreInterval(bool ssb);

    // rdgSpeed: 0, 1, 2 for "x   1", "x   5", "x 10".
    void ChooseSpeed(int item);

    // A typed manual frequency: the value when it lies in one of the three bands.
    static std::optional<double> ManualFrequency(const QString& text);
    // "Execute": false with the warning when a field is invalid; otherwise sent, CAT off.
    bool ExecuteManual(const QString& receiveText, const QString& transmitText);

    // "Change/Store Dataf File": the refusal, or empty when TCalib may open.
    QString CalibrationRefusal() const;
    // Where TCalib opens: below the dialog, above it when the screen has no room below, left
    // of it when the dialog stands in the screen's right half and there is room there.
    static QPoint CalibrationPosition(const QRect& dialog, const QSize& calib, const QRect& screen);
    // "Correct Actual Deviation": its refusal, or empty.
    QString CorrectActualDeviation();

private:
    DopplerTracker& tracker_;
    const QList<TransponderEntry>& table_;
    QString fmIntervalPath_;
    QString ssbIntervalPath_;
    Notifier& notifier_;
    CatTuningHooks hooks_;
};

}  // namespace orbivox

// The CAT Tuning dialog's rules on the running tuning.
#include "radio/CatTuning.h"

#include "radio/TuningFiles.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

bool IsFmLike(const QString& mode) {
    return mode == QLatin1String("FM") || mode == QLatin1String("FMN") ||
           mode == QLatin1String("PKT");
}

// "####0" with leading blanks.
QString Whole(double value, int blanks) {
    return QString(blanks, ' ') + QString::number(static_cast<long long>(std::llround(value)));
}

}  // namespace

CatTuning::CatTuning(DopplerTracker& tracker, const QList<TransponderEntry>& table,
                     QString fmIntervalPath, QString ssbIntervalPath, Notifier& notifier,
                     CatTuningHooks hooks)
    : tracker_(tracker),
      table_(table),
      fmIntervalPath_(std::move(fmIntervalPath)),
      ssbIntervalPath_(std::move(ssbIntervalPath)),
      notifier_(notifier),
      hooks_(std::move(hooks)) {}

TransponderListItems CatTuning::List() const {
    const SelectedTransponder& t = tracker_.Transponder();
    return FillTransponderList(table_, hooks_.satelliteName ? hooks_.satelliteName() : QString(),
                               t.found, t.listOffset);
}

QString CatTuning::DataLine() const {
    return tracker_.Transponder().dataLine;
}

void CatTuning::SelectRow(int row) {
    if (row >= 0 && hooks_.selectEntry) {
        hooks_.selectEntry(row);
    }
}

bool CatTuning::UplinkCalibration() const {
    return tracker_.Tuning().vfoMode || !IsFmLike(tracker_.Transponder().uplinkMode);
}

QString CatTuning::CancelCaption() const {
    return UplinkCalibration() ? QStringLiteral("Cancel Uplink Calibration")
                               : QStringLiteral("Cancel Freq. Calibration");
}

QString CatTuning::CalibrationLabel() const {
    return UplinkCalibration() ? QStringLiteral("Upl. Calibr. (Hz)")
                               : QStringLiteral("Freq. Calibr. (Hz)");
}

void CatTuning::CancelCalibration() {
    TuningState& t = tracker_.Tuning();
    t.uplinkCalibration.remove(t.workingSetIndex);
    t.lastSentTarget = 0;
}

QString CatTuning::ReceiveCorrectionText() const {
    return Whole(tracker_.Tuning().receiveCorrectionHz, 3);
}

QString CatTuning::CalibrationText() const {
    return Whole(tracker_.Tuning().CalibrationHz(), 3);
}

QString CatTuning::IntervalText(bool ssb) const {
    const TuningState& t = tracker_.Tuning();
    return Whole(ssb ? t.ssbIntervalHz : t.fmIntervalHz, ssb ? 4 : 3);
}

bool CatTuning::StoreInterval(bool ssb) {
    const QString& path = ssb ? ssbIntervalPath_ : fmIntervalPath_;
    try {
        const TuningState& t = tracker_.Tuning();
        WriteSendInterval(path, ssb ? t.ssbIntervalHz : t.fmIntervalHz);
    } catch (const SqfError& e) {
        notifier_.Error(WriteFailureText(path, e));
        return false;
    }
    return true;
}

void CatTuning::ChooseSpeed(int item) {
    static constexpr int kFactors[] = {1, 5, 10};
    if (item >= 0 && item < 3 && hooks_.setSpeed) {
        hooks_.setSpeed(kFactors[item]);
    }
}

std::optional<double> CatTuning::ManualFrequency(const QString& text) {
    bool ok = false;
    const double f = text.trimmed().toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    const bool inBand = (f > 143999.999 && f < 146000) || (f > 429999.999 && f < 440000) ||
                        (f > 1259999.999 && f < 1300000);
    return inBand ? std::optional<double>(f) : std::nullopt;
}

bool CatTuning::ExecuteManual(const QString& receiveText, const QString& transmitText) {
    const std::optional<double> receive = ManualFrequency(receiveText);
    if (!receive) {
        notifier_.Warning(QStringLiteral("Please, enter a valid Rx-Frequency!"));
        return false;
    }
    std::optional<double> transmit = 0.0;
    if (!transmitText.trimmed().isEmpty()) {
        transmit = ManualFrequency(transmitText);
    }
    if (!transmit) {
        notifier_.Warning(QStringLiteral("Please, enter a valid Tx-Frequency!"));
        return false;
    }
    if (hooks_.stopTracking) {
        hooks_.stopTracking();
    }
    tracker_.ManualInput(*receive, *transmit);
    if (hooks_.startTracking) {
        hooks_.startTracking();
    }
    return true;
}

QString CatTuning::CalibrationRefusal() const {
    const int port = hooks_.radio1Port ? hooks_.radio1Port() : 0;
    if (port <= 0 || !tracker_.Tuning().catOn) {
        return kCatTuningNeedsPort;
    }
    const QString& uplink = tracker_.Transponder().uplinkMode;
    if (uplink == QLatin1String("FM") || uplink == QLatin1String("FMN")) {
        return kCatTuningSsbOnly;
    }
    return {};
}

QPoint CatTuning::CalibrationPosition(const QRect& dialog, const QSize& calib,
                                      const QRect& screen) {
    // A wide dialog just right of the middle has no room on its left: it gets the window
    // below or above instead of one pushed off the screen.
    if (dialog.center().x() > screen.center().x() &&
        dialog.left() - calib.width() >= screen.left()) {
        return {dialog.left() - calib.width(), dialog.top()};
    }
    if (dialog.bottom() + calib.height() > screen.bottom()) {
        return {dialog.left(), dialog.top() - calib.height()};
    }
    return {dialog.left(), dialog.bottom() + 1};
}

QString CatTuning::CorrectActualDeviation() {
    return tracker_.CorrectActualDeviation();
}

}  // namespace orbivox

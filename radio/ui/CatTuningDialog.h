#pragma once
// TSeiten, "CAT Tuning": the working satellite's transponder list, the corrections and
// calibration, the send intervals, the speed and the manual input, and the way into TCalib.
// Not modal; refreshed on every satellite change while visible. CatTuning does the work.
#include <QDialog>
#include <functional>

#include "radio/CalibrationTarget.h"
#include "radio/CatTuning.h"
#include "radio/TransponderStore.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbivox {

class TCalib;

class TSeiten : public QDialog {
public:
    // selectedEntry: the table entry the tuning follows (null when none), for TCalib.
    TSeiten(CatTuning& tuning, CalibrationTarget& target, Notifier& notifier,
            TransponderFiles files, std::function<TransponderEntry*()> selectedEntry,
            QWidget* parent = nullptr);

    // Everything from the running state (on showing and on every satellite change).
    void Refresh();

    QListWidget* lstFre() const { return lstFre_; }
    QPushButton* cmdCorrStore() const { return cmdCorrStore_; }
    QPushButton* cmdAdjTx() const { return cmdAdjTx_; }
    QPushButton* cmdCancelCalib() const { return cmdCancelCalib_; }
    TCalib* calibDialog() const { return calib_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowValues();
    void OpenCalibration();

    CatTuning& tuning_;
    CalibrationTarget& target_;
    Notifier& notifier_;
    TransponderFiles files_;
    std::function<TransponderEntry*()> selectedEntry_;
    TCalib* calib_ = nullptr;
    QListWidget* lstFre_;
    QLabel* lblDopplerZ_;
    QLabel* txtKorrRx_;
    QLabel* txtKorr_;
    QLabel* lblKorr_;
    QLabel* txtIntvSsb_;
    QLabel* txtIntv_;
    QButtonGroup* rdgSpeed_;
    QLineEdit* txtRx_;
    QLineEdit* txtTx_;
    QPushButton* cmdCorrStore_;
    QPushButton* cmdAdjTx_;
    QPushButton* cmdCancelCalib_;
};

}  // namespace orbivox

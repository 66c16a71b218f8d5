#pragma once
// TCalib, "Change & Store Frequency Data": the three buttons that rewrite the transponder
// table from the live tuning (present RX/TX frequencies, uplink calibration) or put back its
// backup. Opened from the CAT Tuning dialog; the operations themselves live in
// radio/TransponderStore.h, every word to the operator goes through the notifier.
#include <QDialog>
#include <functional>

#include "radio/CalibrationTarget.h"
#include "radio/TransponderStore.h"
#include "radio/TransponderTable.h"
#include "settings/Notifier.h"

class QPushButton;

namespace orbivox {

class TCalib : public QDialog {
public:
    // selected: the table's entry the tuning follows, null when the working satellite has
    // none; the stores update it in place.
    TCalib(CalibrationTarget& target, Notifier& notifier, TransponderFiles files,
           TransponderEntry* selected, QWidget* parent = nullptr);

    // After a store wrote the file: the caller rebuilds the transponder list, keeping its row.
    std::function<void()> onStored;

    QPushButton* rxTxButton() const { return rxTx_; }
    QPushButton* calibrationButton() const { return calibration_; }
    QPushButton* restoreButton() const { return restore_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void Stored(bool written);

    CalibrationTarget& target_;
    Notifier& notifier_;
    TransponderFiles files_;
    TransponderEntry* selected_;
    QPushButton* rxTx_;
    QPushButton* calibration_;
    QPushButton* restore_;
    QPushButton* cancel_;
};

}  // namespace orbivox

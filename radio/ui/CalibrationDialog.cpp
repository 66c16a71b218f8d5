// The frequency-store dialog's layout, hints and keyboard order; each button runs one store
// operation.
#include "radio/ui/CalibrationDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbivox {

TCalib::TCalib(CalibrationTarget& target, Notifier& notifier, TransponderFiles files,
               TransponderEntry* selected, QWidget* parent)
    : QDialog(parent),
      target_(target),
      notifier_(notifier),
      files_(std::move(files)),
      selected_(selected) {
    setObjectName(QStringLiteral("TCalib"));
    setWindowTitle(QStringLiteral("Change & Store Frequency Data"));
    setModal(true);

    auto* warning1 = new QLabel(
        QStringLiteral(" Attention: Clicking on the controls will change and store frequeny data"),
        this);
    auto* warning2 = new QLabel(QStringLiteral(" in the Doppler.SQF file! "), this);
    for (QLabel* label : {warning1, warning2}) {
        label->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
        label->setAlignment(Qt::AlignCenter);
    }

    rxTx_ = new QPushButton(QStringLiteral("RX/TX Freq. Data"), this);
    rxTx_->setToolTip(QStringLiteral("Changes & Stores RX/TX data for present RX/TX frequencies"));
    calibration_ = new QPushButton(QStringLiteral("Uplink Calibration"), this);
    calibration_->setToolTip(
        QStringLiteral("Stores Uplink calibration by changing the TX frequency entry"));
    restore_ = new QPushButton(QStringLiteral("Restore data"), this);
    restore_->setToolTip(QStringLiteral("Restores  previous content of the Doppler.SQF file"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    // Enter closes the dialog; a store takes a deliberate click, Space or Tab and Space.
    for (QPushButton* button : {rxTx_, calibration_, restore_}) {
        button->setAutoDefault(false);
    }
    cancel_->setDefault(true);

    auto* changeStore = new QGroupBox(QStringLiteral("Change/Store:"), this);
    (new QHBoxLayout(changeStore))->addWidget(rxTx_);
    auto* store = new QGroupBox(QStringLiteral("Store:"), this);
    (new QHBoxLayout(store))->addWidget(calibration_);
    auto* groups = new QHBoxLayout;
    groups->addWidget(changeStore);
    groups->addWidget(store);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restore_);
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(warning1);
    layout->addWidget(warning2);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    setTabOrder(rxTx_, calibration_);
    setTabOrder(calibration_, restore_);
    setTabOrder(restore_, cancel_);
    cancel_->setFocus();

    connect(rxTx_, &QPushButton::clicked, this,
            [this] { Stored(StoreRxTxFrequencies(files_, selected_, target_, notifier_)); });
    connect(calibration_, &QPushButton::clicked, this,
            [this] { Stored(StoreUplinkCalibration(files_, selected_, target_, notifier_)); });
    connect(restore_, &QPushButton::clicked, this,
            [this] { RestoreTransponderTable(files_, notifier_); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TCalib::Stored(bool written) {
    if (written && onStored) {
        onStored();
    }
}

}  // namespace orbivox

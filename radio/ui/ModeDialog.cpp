// The Mode dialog's widgets: two radio groups, the address list and the three buttons.
#include "radio/ui/ModeDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "radio/ui/DialogButton.h"

namespace orbivox {
namespace {

QButtonGroup* Choice(QGroupBox* box, const char* name, const QStringList& items) {
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int id = 0; id < items.size(); ++id) {
        auto* button = new QRadioButton(items[id], box);
        layout->addWidget(button);
        group->addButton(button, id);
    }
    return group;
}

}  // namespace

TMode::TMode(ModeSettings& mode, QWidget* parent) : QDialog(parent), mode_(mode) {
    setObjectName(QStringLiteral("TMode"));
    setWindowTitle(QStringLiteral("Mode"));
    auto* grid = new QGridLayout(this);
    modeBox_ = new QGroupBox(QStringLiteral("Doppler correction at:"), this);
    rdgModeKorr_ = Choice(modeBox_, "rdgModeKorr",
                          {QStringLiteral(" Uplink +  Downlink "), QStringLiteral(" Uplink "),
                           QStringLiteral(" Downlink ")});
    auto* displayBox = new QGroupBox(QStringLiteral("Display in Frequency Window "), this);
    radioGroup1_ = Choice(displayBox, "RadioGroup1",
                          {QStringLiteral("Doppler Shift Correction (kHz)"),
                           QStringLiteral("Frequency at Satellite")});
    auto* addressBox = new QGroupBox(QStringLiteral("Rx/Tx-Addresses (Icom)"), this);
    auto* addressLayout = new QVBoxLayout(addressBox);
    lstAdress_ = new QListWidget(addressBox);
    lstAdress_->setObjectName(QStringLiteral("lstAdress"));
    addressLayout->addWidget(lstAdress_);
    grid->addWidget(modeBox_, 0, 0);
    grid->addWidget(displayBox, 1, 0);
    grid->addWidget(addressBox, 0, 1, 2, 1);

    auto* store = DialogButton(this, "cmdStore", QStringLiteral("Store"));
    auto* ok = DialogButton(this, "cmdOK", QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = DialogButton(this, "cmdCancel", QStringLiteral("Cancel"));
    auto* storeColumn = new QVBoxLayout;
    storeColumn->addWidget(store);
    storeColumn->addWidget(new QLabel(QStringLiteral("(Correction Mode)"), this));
    grid->addLayout(storeColumn, 2, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 1);

    connect(rdgModeKorr_, &QButtonGroup::idClicked, this,
            [this](int id) { mode_.ChooseMode(static_cast<CorrectionMode>(id)); });
    connect(radioGroup1_, &QButtonGroup::idClicked, this,
            [this](int id) { mode_.ChooseDisplay(static_cast<FrequencyDisplay>(id)); });
    connect(store, &QPushButton::clicked, this, [this] {
        if (mode_.Store()) {
            accept();
        }
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        mode_.ApplyPair(lstAdress_->currentRow());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TMode::Open() {
    const CorrectionSettings correction = mode_.Correction();
    rdgModeKorr_->button(static_cast<int>(correction.mode))->setChecked(true);
    radioGroup1_->button(static_cast<int>(correction.display))->setChecked(true);
    modeBox_->setEnabled(mode_.ModeEnabled());
    lstAdress_->clear();
    lstAdress_->addItems(mode_.PairTexts());
    lstAdress_->setCurrentRow(0);
    adjustSize();
    if (QWidget* main = parentWidget()) {
        move(main->geometry().center() - rect().center());
    }
    return exec();
}

}  // namespace orbivox

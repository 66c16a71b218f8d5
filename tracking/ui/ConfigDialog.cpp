// The configuration dialog: one radio button per slot, the one in use checked, OK and Cancel.
#include "tracking/ui/ConfigDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/Folders.h"

namespace orbivox {

TConfig::TConfig(int currentSlot, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Configurations"));
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("rdgConfig"));
    auto* boxLayout = new QVBoxLayout(box);
    rdgConfig_ = new QButtonGroup(this);
    for (int slot = 0; slot < static_cast<int>(kConfigurationSlots.size()); ++slot) {
        auto* button = new QRadioButton(
            QString::fromLatin1(kConfigurationSlots[static_cast<size_t>(slot)].caption), box);
        rdgConfig_->addButton(button, slot);
        boxLayout->addWidget(button);
    }
    rdgConfig_->button(currentSlot)->setChecked(true);

    auto* note =
        new QLabel(QStringLiteral("The program restarts with the chosen configuration."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ConfigOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(note);
    layout->addWidget(buttons);
    rdgConfig_->button(currentSlot)->setFocus();
}

int TConfig::ChosenSlot() const {
    return rdgConfig_->checkedId();
}

}  // namespace orbivox

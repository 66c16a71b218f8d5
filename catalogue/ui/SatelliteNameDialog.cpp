// The naming options dialog: three choices for list names and the text it stores; defaults
// stand when no options file exists yet.
#include "catalogue/ui/SatelliteNameDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/SqfFile.h"

namespace orbivox {
namespace {

int ItemFor(const NameOptions& options) {
    if (!options.useListNames) {
        return 0;
    }
    return options.showWithoutListName ? 1 : 2;
}

}  // namespace

TSatelliteName::TSatelliteName(QString optionsPath, Notifier& notifier, QWidget* parent)
    : QDialog(parent), optionsPath_(std::move(optionsPath)), notifier_(notifier) {
    setWindowTitle(QStringLiteral("Sat-Namen"));
    setModal(true);
    try {
        options_ = ReadNameOptions(optionsPath_);
    } catch (const SqfError&) {
        // No options stored yet: the defaults stand until "Store".
    }

    auto* items = new QGroupBox(this);
    auto* itemsLayout = new QVBoxLayout(items);
    RgrpSatNamen = new QButtonGroup(this);
    const char* const texts[] = {"Use Sat Names from Source File", "Use Nelvo Names if Available",
                                 "Display only Sats with Nelvo Names"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(QLatin1String(texts[i]), items);
        RgrpSatNamen->addButton(button, i);
        itemsLayout->addWidget(button);
    }
    edited_ = options_;
    RgrpSatNamen->button(ItemFor(options_))->setChecked(true);

    auto* identify = new QGroupBox(QStringLiteral("Identify Satellite by"), this);
    auto* identifyLayout = new QFormLayout(identify);
    Edit1 = new QLineEdit(options_.identification, identify);
    Edit1->setMaxLength(1);
    identifyLayout->addRow(QStringLiteral("Catalogue Number (I) or Intern. Designator (D): "),
                           Edit1);

    auto* note =
        new QLabel(QStringLiteral(" Changes require a program re-start to take effect!  "), this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* store = buttons->addButton(QStringLiteral("Store"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    store->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(items);
    layout->addWidget(identify);
    layout->addWidget(note);
    layout->addWidget(buttons);

    connect(RgrpSatNamen, &QButtonGroup::idClicked, this, &TSatelliteName::ChooseItem);
    connect(Edit1, &QLineEdit::textEdited, this, &TSatelliteName::Edit1Change);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSatelliteName::StoreClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TSatelliteName::ChooseItem(int item) {
    edited_.useListNames = item != 0;
    edited_.showWithoutListName = item != 2;
}

void TSatelliteName::Edit1Change(const QString& text) {
    edited_.identification = text.left(1);
    if (!text.isEmpty() && text != QLatin1String("I") && text != QLatin1String("D")) {
        Warn(QStringLiteral("Valid only I or D"));
        edited_.identification = QStringLiteral("I");
        Edit1->setText(edited_.identification);
    }
}

void TSatelliteName::Warn(const QString& text) {
    notifier_.Show({text, MessageKind::Warning, windowTitle(), {}, false});
}

void TSatelliteName::StoreClick() {
    try {
        WriteNameOptions(optionsPath_, edited_);
    } catch (const SqfError& error) {
        Warn(QStringLiteral("Cannot store %1: %2").arg(error.fileName(), error.reason()));
        return;  // stay open: nothing was lost
    }
    options_ = edited_;
    accept();
}

}  // namespace orbivox

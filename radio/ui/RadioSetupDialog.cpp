// The Radio Setup dialog's widgets: the two radio groups with their combo boxes, the value
// list with its field, the line boxes and the buttons, each change handed to RadioSetup.
#include "radio/ui/RadioSetupDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>
#include <algorithm>

#include "radio/RadioFamilies.h"
#include "radio/ui/DialogButton.h"

namespace orbivox {
namespace {

// The family buttons of a radio in their rows: the families by their setup rows, radio 2's
// "None" first.
QList<RadioFamily> FamilyButtons(int radio) {
    QList<const RadioFamilyDescriptor*> families = RadioFamilies();
    std::stable_sort(families.begin(), families.end(), [](const auto* a, const auto* b) {
        return a->setupRow < b->setupRow;
    });
    QList<RadioFamily> buttons;
    if (radio == 2) {
        buttons << RadioFamily::None;
    }
    for (const RadioFamilyDescriptor* family : families) {
        // A family reached over the network is radio 1's only.
        if (radio == 1 || !ReachedOverNetwork(family->family)) {
            buttons << family->family;
        }
    }
    return buttons;
}

QString FamilyLabel(RadioFamily family) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    return descriptor != nullptr ? QString::fromLatin1(descriptor->label)
                                 : RadioFamilyText(family);
}

const QString kRtsHint = QStringLiteral(
    "Check only to feed CAT interface without external power supply or if radio requires "
    "hardware handshaking");

QCheckBox* Box(QWidget* parent, const char* name, const QString& text, const QString& hint = {}) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    return box;
}

// The serial devices present (QSerialPortInfo lists no pseudo-terminals) in an editable
// combo box, so a pseudo-terminal's path can be typed.
QComboBox* DeviceBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setToolTip(QStringLiteral("The device this port number opens (ComPorts.SQF)"));
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        box->addItem(info.systemLocation());
    }
    return box;
}

QLabel* RedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(QStringLiteral("color: red"));
    label->setVisible(false);
    return label;
}

}  // namespace

TSatSetupRad::TSatSetupRad(RadioSetup& setup, QWidget* parent) : QDialog(parent), setup_(setup) {
    setObjectName(QStringLiteral("TSatSetupRad"));
    setWindowTitle(QStringLiteral("Radio Setup"));
    auto* grid = new QGridLayout(this);

    for (int r = 0; r < 2; ++r) {
        const int radio = r + 1;
        RadioControls& c = radio_[static_cast<size_t>(r)];
        auto* group = new QGroupBox(
            radio == 1 ? QStringLiteral(" Radio 1 ") : QStringLiteral(" Radio 2 "), this);
        group->setObjectName(radio == 1 ? QStringLiteral("RdGrpOptTrx")
                                        : QStringLiteral("RdGrpOptTrx2"));
        auto* layout = new QGridLayout(group);
        c.family = new QButtonGroup(group);
        const QList<RadioFamily> families = FamilyButtons(radio);
        for (int k = 0; k < families.size(); ++k) {
            auto* button = new QRadioButton(FamilyLabel(families[k]), group);
            c.family->addButton(button, k);
            layout->addWidget(button, k, 0);
        }
        c.left = new QComboBox(group);
        c.right = new QComboBox(group);
        layout->addWidget(c.left, 0, 1);
        layout->addWidget(c.right, 0, 2);
        // Both combos keep half the row whatever the left one chooses, so an address pair
        // on the right is never cut.
        c.right->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c.right->setMinimumContentsLength(10);
        layout->setColumnStretch(1, 1);
        layout->setColumnStretch(2, 1);
        c.address = new QLineEdit(group);
        c.address->setReadOnly(true);
        c.address->setObjectName(radio == 1 ? QStringLiteral("edAdr") : QStringLiteral("edAdr2"));
        layout->addWidget(c.address, 1, 1);
        auto* steps = new QHBoxLayout;
        auto step = [this, steps, group](const char* name, const QString& text, const QString& hint,
                                         auto action) {
            auto* button = DialogButton(group, name, text, hint);
            steps->addWidget(button);
            connect(button, &QPushButton::clicked, this, action);
        };
        if (radio == 1) {
            const QString rxHint = QStringLiteral("Select Icom address of RX radio");
            const QString txHint = QStringLiteral("Select Icom address of TX radio");
            auto shown = [this] { radio_[0].address->setText(setup_.EditedPairText()); };
            step("UpDRxUp", QStringLiteral("Rx +"), rxHint, [this, shown] {
                setup_.StepReceive(+1);
                shown();
            });
            step("UpDRxDown", QStringLiteral("Rx -"), rxHint, [this, shown] {
                setup_.StepReceive(-1);
                shown();
            });
            step("UpDTxUp", QStringLiteral("Tx +"), txHint, [this, shown] {
                setup_.StepTransmit(+1);
                shown();
            });
            step("UpDTxDown", QStringLiteral("Tx -"), txHint, [this, shown] {
                setup_.StepTransmit(-1);
                shown();
            });
            step("cmdAdr", QStringLiteral("Addresses OK"), QString(), [this] {
                setup_.AcceptPair();
                ShowItem(1);
            });
        } else {
            const QString hint = QStringLiteral("Select Icom address of TX ");
            auto shown = [this] { radio_[1].address->setText(setup_.Radio2AddressText()); };
            step("UpDTx2Up", QStringLiteral("+"), hint, [this, shown] {
                setup_.StepRadio2Address(+1);
                shown();
            });
            step("UpDTx2Down", QStringLiteral("-"), hint, [this, shown] {
                setup_.StepRadio2Address(-1);
                shown();
            });
            step("cmdAdr2", QStringLiteral("Address OK"), QString(), [this] { ShowItem(2); });
        }
        layout->addLayout(steps, 2, 1, 1, 2);
        grid->addWidget(group, r == 0 ? 0 : 3, 0, 1, 2);

        connect(c.family, &QButtonGroup::idClicked, this, [this, radio, families](int id) {
            if (radio == 1) {
                setup_.ChooseRadio1(families.value(id));
                ShowNetworkFamily();
            } else {
                setup_.ChooseRadio2(families.value(id));
                ShowRadio2Enabled();
            }
            radio_[static_cast<size_t>(radio - 1)].left->clear();
            radio_[static_cast<size_t>(radio - 1)].left->addItems(
                RadioSetup::Items(FamilyOf(radio)));
            ShowItem(radio);
        });
        connect(c.left, &QComboBox::activated, this, [this, radio] { ShowItem(radio); });
        connect(c.right, &QComboBox::activated, this, [this, radio](int) {
            const RadioControls& rc = radio_[static_cast<size_t>(radio - 1)];
            const auto kinds = RadioSetup::ItemKinds(FamilyOf(radio));
            const auto kind = kinds.value(rc.left->currentIndex(), RadioSetupItem::Model);
            setup_.Choose(FamilyOf(radio), kind, radio, rc.right->currentText());
            ShowItem(radio);
        });
        // A typed item (host, port, the radio's name): taken as typed, or refused with why.
        connect(c.right, &QComboBox::editTextChanged, this, [this, radio](const QString& text) {
            const RadioControls& rc = radio_[static_cast<size_t>(radio - 1)];
            const auto kinds = RadioSetup::ItemKinds(FamilyOf(radio));
            const auto kind = kinds.value(rc.left->currentIndex(), RadioSetupItem::Model);
            if (!rc.right->isEditable() || !RadioSetup::FreeText(FamilyOf(radio), kind)) {
                return;
            }
            QString refusal;
            const bool taken = setup_.TakeText(FamilyOf(radio), kind, radio, text, &refusal);
            help_->setText(taken ? QString() : refusal);
            error_->setVisible(!taken);
        });
    }

    // The value list: labels, values, the field, its check and the device of the port.
    memo1_ = new QListWidget(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->addItems({QStringLiteral("COM-Port (0 - 99)"), QStringLiteral("CAT Delay")});
    memo1_->setFocusPolicy(Qt::NoFocus);
    memo1_->setMaximumHeight(60);
    lstValue_ = new QListWidget(this);
    lstValue_->setObjectName(QStringLiteral("lstValue"));
    lstValue_->setMaximumHeight(60);
    help_ = new QLabel(this);
    help_->setObjectName(QStringLiteral("Help"));
    help_->setTextFormat(Qt::PlainText);
    help_->setWordWrap(false);
    connect(memo1_, &QListWidget::itemClicked, this, [this] {
        help_->setText(QStringLiteral("Click on the right list to select an item!"));
    });
    edtPers_ = new QLineEdit(this);
    edtPers_->setObjectName(QStringLiteral("edtPers"));
    edtPers_->setToolTip(QStringLiteral("Changes have to be done in this field"));
    error_ = RedLabel(this, "Errpor", kRadioSetupPortError);
    radio_[0].device = DeviceBox(this, "cbDevice");
    auto* values = new QGridLayout;
    values->addWidget(memo1_, 0, 0);
    values->addWidget(lstValue_, 0, 1);
    values->addWidget(edtPers_, 1, 1);
    values->addWidget(error_, 1, 0);
    values->addWidget(new QLabel(QStringLiteral("Device:"), this), 2, 0);
    values->addWidget(radio_[0].device, 2, 1);
    grid->addLayout(values, 1, 0, 1, 2);
    connect(lstValue_, &QListWidget::currentRowChanged, this, [this] {
        edtPers_->setText(lstValue_->currentItem() ? lstValue_->currentItem()->text() : QString());
        error_->setVisible(false);
    });
    connect(edtPers_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const auto row = static_cast<RadioSetupRow>(std::max(0, lstValue_->currentRow()));
        const bool taken = setup_.EditRow(row, text);
        error_->setVisible(!taken);
        if (taken) {
            lstValue_->item(static_cast<int>(row))->setText(setup_.RowValue(row));
            ShowDevice(1);
        }
    });

    auto* boxes = new QGridLayout;
    chkRts_ = Box(this, "chkRTS", QStringLiteral("RTS +12 V"), kRtsHint);
    chkDtr_ = Box(this, "chkDTR", QStringLiteral("DTR +12V"));
    chkRtsII_ = Box(this, "chkRTSII", QStringLiteral("RTS + 12V"), kRtsHint);
    chkDtrII_ = Box(this, "chkDTRII", QStringLiteral("DTR +12V"));
    chkSatMode_ = Box(this, "chkSatMode", QStringLiteral("Satellite Mode"),
                      QStringLiteral("Switch satellite radios to satellite mode"));
    chkKct_ = Box(this, "chkKCT", QStringLiteral("KCT-Tuner"),
                  QStringLiteral("Check only if the radio is connected to the KCT-Tuner"));
    chkAutoChange_ = Box(this, "chkAutoChange", QStringLiteral("Autom. Rx/Tx Change"));
    boxes->addWidget(chkRts_, 0, 0);
    boxes->addWidget(chkDtr_, 0, 1);
    boxes->addWidget(chkSatMode_, 1, 0);
    boxes->addWidget(chkKct_, 1, 1);
    grid->addLayout(boxes, 2, 0, 1, 2);
    RadioSetupValues& v = setup_.Values();
    connect(chkRts_, &QCheckBox::toggled, this, [&v](bool on) { v.lines.rtsRadio1 = on; });
    connect(chkDtr_, &QCheckBox::toggled, this, [&v](bool on) { v.lines.dtrRadio1 = on; });
    connect(chkRtsII_, &QCheckBox::toggled, this, [&v](bool on) { v.lines.rtsRadio2 = on; });
    connect(chkDtrII_, &QCheckBox::toggled, this, [&v](bool on) { v.lines.dtrRadio2 = on; });
    connect(chkSatMode_, &QCheckBox::toggled, this, [&v](bool on) { v.satelliteMode = on; });
    connect(chkKct_, &QCheckBox::toggled, this, [&v](bool on) { v.kctTuner = on; });
    connect(chkAutoChange_, &QCheckBox::toggled, this,
            [&v](bool on) { v.radio2.autoExchange = on; });

    auto* radio2 = new QGridLayout;
    edPers2_ = new QLineEdit(this);
    edPers2_->setObjectName(QStringLiteral("edPers2"));
    error2_ = RedLabel(this, "Error2", kRadioSetupRadio2PortError);
    radio_[1].device = DeviceBox(this, "cbDevice2");
    radio2->addWidget(new QLabel(QStringLiteral("COM-Port (0 - 99)"), this), 0, 0);
    radio2->addWidget(edPers2_, 0, 1);
    radio2->addWidget(error2_, 0, 2);
    radio2->addWidget(new QLabel(QStringLiteral("Device:"), this), 1, 0);
    radio2->addWidget(radio_[1].device, 1, 1, 1, 2);
    radio2->addWidget(chkRtsII_, 2, 0);
    radio2->addWidget(chkDtrII_, 2, 1);
    radio2->addWidget(chkAutoChange_, 2, 2);
    grid->addLayout(radio2, 4, 0, 1, 2);
    connect(edPers2_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const bool taken = setup_.EditRadio2Port(text);
        error2_->setVisible(!taken);
        if (taken) {
            ShowDevice(2);
        }
    });

    auto* hint =
        new QLabel(QStringLiteral("For detailed hints see menu \"?\"/\"Hints[Radio]\" "), this);
    grid->addWidget(hint, 5, 0, 1, 2);
    grid->addWidget(help_, 0, 2, 6, 1, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    auto* cmdHelp = DialogButton(this, "cmdHelp", QStringLiteral("Help"));
    cmdTest_ = DialogButton(this, "cmdTest", QStringLiteral("&Test"),
                            QStringLiteral("Ask the radio for its frequency through rigctld"));
    buttons->addWidget(cmdTest_);
    connect(cmdTest_, &QPushButton::clicked, this, [this] {
        help_->setText(QStringLiteral("Asking ..."));
        help_->repaint();
        help_->setText(setup_.TestRadio1());
    });
    cmdOK_ = DialogButton(this, "cmdOK", QStringLiteral("Store"));
    cmdOK_->setDefault(true);
    auto* cmdCancel = DialogButton(this, "cmdCancel", QStringLiteral("Cancel"));
    buttons->addWidget(cmdHelp);
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 6, 0, 1, 3);
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        const auto row = static_cast<RadioSetupRow>(std::max(0, lstValue_->currentRow()));
        help_->setText(RadioSetup::RowHelp(row).join('\n'));
    });
    connect(cmdOK_, &QPushButton::clicked, this, &TSatSetupRad::Store);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

RadioFamily TSatSetupRad::FamilyOf(int radio) const {
    return radio == 1 ? setup_.Values().radio1 : setup_.Values().radio2.family;
}

void TSatSetupRad::Present() {
    const RadioSetupValues& v = setup_.Values();
    for (int radio = 1; radio <= 2; ++radio) {
        const RadioControls& c = radio_[static_cast<size_t>(radio - 1)];
        const int id = static_cast<int>(
            FamilyButtons(radio).indexOf(FamilyOf(radio)));
        if (QAbstractButton* button = c.family->button(id)) {
            button->setChecked(true);
        }
        c.left->clear();
        c.left->addItems(RadioSetup::Items(FamilyOf(radio)));
        ShowItem(radio);
        ShowDevice(radio);
    }
    lstValue_->clear();
    lstValue_->addItems(
        {setup_.RowValue(RadioSetupRow::Port), setup_.RowValue(RadioSetupRow::CatDelay)});
    lstValue_->setCurrentRow(0);
    edPers2_->setText(QString::number(v.radio2.port));
    error_->setVisible(false);
    error2_->setVisible(false);
    chkRts_->setChecked(v.lines.rtsRadio1);
    chkDtr_->setChecked(v.lines.dtrRadio1);
    chkRtsII_->setChecked(v.lines.rtsRadio2);
    chkDtrII_->setChecked(v.lines.dtrRadio2);
    chkSatMode_->setChecked(v.satelliteMode);
    chkKct_->setChecked(v.kctTuner);
    chkAutoChange_->setChecked(v.radio2.autoExchange);
    ShowRadio2Enabled();
    ShowNetworkFamily();
}

void TSatSetupRad::ShowNetworkFamily() {
    // A family reached over the network: no COM port, baud rate or lines; Store writes port 0.
    const bool network = ReachedOverNetwork(setup_.Values().radio1);
    cmdTest_->setVisible(network);
    for (QWidget* serial : std::initializer_list<QWidget*>{chkRts_, chkDtr_, radio_[0].device}) {
        serial->setEnabled(!network);
    }
    // The COM port row goes grey (Store writes 0); the CAT delay still counts.
    if (QListWidgetItem* port = lstValue_->item(static_cast<int>(RadioSetupRow::Port))) {
        port->setFlags(network ? port->flags() & ~Qt::ItemIsEnabled
                               : port->flags() | Qt::ItemIsEnabled);
        if (network && lstValue_->currentRow() == static_cast<int>(RadioSetupRow::Port)) {
            lstValue_->setCurrentRow(static_cast<int>(RadioSetupRow::CatDelay));
        }
    }
    if (network) {
        error_->setVisible(false);
    } else {
        ShowDevice(1);
    }
}

void TSatSetupRad::ShowItem(int radio) {
    const RadioControls& c = radio_[static_cast<size_t>(radio - 1)];
    const RadioFamily family = FamilyOf(radio);
    const auto kinds = RadioSetup::ItemKinds(family);
    const auto kind = kinds.value(std::max(0, c.left->currentIndex()), RadioSetupItem::Model);
    const bool addresses = kind == RadioSetupItem::Addresses;
    c.right->clear();
    if (addresses) {
        c.right->addItems(radio == 1 ? setup_.PairTexts()
                                     : QStringList{setup_.Radio2AddressText()});
        c.right->setCurrentIndex(radio == 1 ? setup_.SelectedPair() : 0);
        c.address->setText(radio == 1 ? setup_.EditedPairText() : setup_.Radio2AddressText());
    } else {
        const bool typed = RadioSetup::FreeText(family, kind);
        c.right->setEditable(typed);
        c.right->addItems(RadioSetup::Choices(family, kind, radio));
        c.right->setCurrentText(setup_.Chosen(family, kind, radio));
    }
    c.address->setVisible(addresses);
    for (auto* button : c.address->parentWidget()->findChildren<QPushButton*>()) {
        button->setVisible(addresses);
    }
}

void TSatSetupRad::ShowRadio2Enabled() {
    const bool configured = setup_.Radio2Configured();
    if (!configured) {
        edPers2_->setText(QStringLiteral("0"));
    }
    edPers2_->setEnabled(configured);
    radio_[1].device->setEnabled(configured);
    chkRtsII_->setEnabled(configured);
    chkDtrII_->setEnabled(setup_.Radio2DtrUsable());
    chkAutoChange_->setEnabled(configured);
    radio_[1].left->setEnabled(configured);
    radio_[1].right->setEnabled(configured);
}

void TSatSetupRad::ShowDevice(int radio) {
    const int port = radio == 1 ? setup_.Values().port : setup_.Values().radio2.port;
    QComboBox* box = radio_[static_cast<size_t>(radio - 1)].device;
    box->setEnabled(port > 0 && (radio == 1 || setup_.Radio2Configured()));
    box->setCurrentText(setup_.DeviceFor(port));
}

void TSatSetupRad::Store() {
    setup_.SetDevice(setup_.Values().port, radio_[0].device->currentText());
    if (setup_.Radio2Configured()) {
        setup_.SetDevice(setup_.Values().radio2.port, radio_[1].device->currentText());
    }
    if (setup_.Store()) {
        accept();
    }
}

}  // namespace orbivox

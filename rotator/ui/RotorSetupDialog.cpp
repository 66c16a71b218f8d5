// The Rotor Setup dialog's widgets: the interface half above, the positioning options
// below, each change handed to RotorSetup.
#include "rotator/ui/RotorSetupDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "rotator/PositioningFiles.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

constexpr const char* kRowCaptions[] = {
    "LPT (1 - 4, only IF-100, FODTrack, RifPC)", "Delay  (only  IF-100, FODTrack, RifPC)",
    "Turning point of azim. rotor  (S or N)", "Minimum elevation"};

// A titled box of radio buttons whose ids are their positions.
QButtonGroup* Choice(QWidget* parent, QGridLayout* grid, int row, const char* name,
                     const char* title, std::initializer_list<const char*> items) {
    auto* box = new QGroupBox(QString::fromLatin1(title), parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    int id = 0;
    for (const char* item : items) {
        auto* button = new QRadioButton(QString::fromLatin1(item), box);
        layout->addWidget(button);
        group->addButton(button, id++);
    }
    grid->addWidget(box, row, 0, 1, 3);
    return group;
}

}  // namespace

TSatSetupRot::TSatSetupRot(RotorSetup& setup, AntennaPositioning& positioning,
                           std::function<std::optional<QString>()> chooseServerFile,
                           QWidget* parent)
    : QDialog(parent),
      setup_(setup),
      positioning_(positioning),
      chooseServerFile_(std::move(chooseServerFile)) {
    setObjectName(QStringLiteral("TSatSetupRot"));
    setWindowTitle(QStringLiteral("Rotor Setup"));
    auto* grid = new QGridLayout(this);

    auto* label6 =
        new QLabel(QStringLiteral("For hints  how to setup automatic rotor control open menu "
                                  "\"?/Hints [Rotor]\" "),
                   this);
    label6->setObjectName(QStringLiteral("Label6"));
    grid->addWidget(label6, 0, 0, 1, 3);
    cbRotIntf_ = new QComboBox(this);
    cbRotIntf_->setObjectName(QStringLiteral("cbRotIntf"));
    for (const RotorInterfaceEntry& entry : setup_.Entries()) {
        cbRotIntf_->addItem(entry.name);
    }
    cmdDurchsuchen_ = new QPushButton(QStringLiteral("Search"), this);
    cmdDurchsuchen_->setObjectName(QStringLiteral("cmdDurchsuchen"));
    cmdDurchsuchen_->setEnabled(false);
    grid->addWidget(new QLabel(QStringLiteral("Rotor interface/controller:"), this), 1, 0);
    grid->addWidget(cbRotIntf_, 1, 1);
    grid->addWidget(cmdDurchsuchen_, 1, 2);
    connect(cbRotIntf_, &QComboBox::activated, this, [this](int row) {
        setup_.SelectInterface(row);
        cmdDurchsuchen_->setEnabled(setup_.SearchEnabled());
        ShowRows();
    });
    connect(cmdDurchsuchen_, &QPushButton::clicked, this, [this] {
        setup_.SelectInterface(cbRotIntf_->currentIndex());
        setup_.SearchResult(chooseServerFile_ ? chooseServerFile_() : std::nullopt);
    });

    memo1_ = new QListWidget(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    for (const char* caption : kRowCaptions) {
        memo1_->addItem(QString::fromLatin1(caption));
    }
    lstValue_ = new QListWidget(this);
    lstValue_->setObjectName(QStringLiteral("lstValue"));
    edtPers_ = new QLineEdit(this);
    edtPers_->setObjectName(QStringLiteral("edtPers"));
    edtPers_->setToolTip(QStringLiteral("Changes have to be done in this field"));
    korrektur_ = new QLabel(kRotorPleaseCorrect, this);
    korrektur_->setObjectName(QStringLiteral("Korrektur"));
    korrektur_->setStyleSheet(QStringLiteral("color: red;"));
    korrektur_->setVisible(false);
    portAddress_ = new QLabel(this);
    grid->addWidget(new QLabel(QStringLiteral("Settings:"), this), 2, 0);
    grid->addWidget(memo1_, 3, 0);
    grid->addWidget(lstValue_, 3, 1);
    grid->addWidget(edtPers_, 4, 1);
    grid->addWidget(korrektur_, 4, 2);
    grid->addWidget(new QLabel(QStringLiteral("Port  address: "), this), 5, 0);
    grid->addWidget(portAddress_, 5, 1);
    // rotctld's address, with the rotctld server chosen (RotctldSrv.SQF).
    rotctld_ = new QWidget(this);
    auto* rotctld = new QHBoxLayout(rotctld_);
    rotctld->setContentsMargins(0, 0, 0, 0);
    rotctldHost_ = new QLineEdit(rotctld_);
    rotctldHost_->setObjectName(QStringLiteral("edtRotctldHost"));
    rotctldPort_ = new QLineEdit(rotctld_);
    rotctldPort_->setObjectName(QStringLiteral("edtRotctldPort"));
    auto* hostLabel = new QLabel(QStringLiteral("rotctld &host:"), rotctld_);
    hostLabel->setBuddy(rotctldHost_);
    auto* portLabel = new QLabel(QStringLiteral("p&ort:"), rotctld_);
    portLabel->setBuddy(rotctldPort_);
    rotctld->addWidget(hostLabel);
    rotctld->addWidget(rotctldHost_, 3);
    rotctld->addWidget(portLabel);
    rotctld->addWidget(rotctldPort_, 1);
    grid->addWidget(rotctld_, 5, 2);
    auto typed = [this](bool taken, const QString& refusal) {
        korrektur_->setText(taken ? kRotorPleaseCorrect : refusal);
        korrektur_->setVisible(!taken);
    };
    connect(rotctldHost_, &QLineEdit::textEdited, this, [this, typed](const QString& text) {
        QString refusal;
        typed(setup_.TypeRotctldHost(text, &refusal), refusal);
    });
    connect(rotctldPort_, &QLineEdit::textEdited, this, [this, typed](const QString& text) {
        QString refusal;
        typed(setup_.TypeRotctldPort(text, &refusal), refusal);
    });
    connect(lstValue_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            edtPers_->setText(setup_.RowValue(static_cast<RotorSetupRow>(row)));
        }
    });
    connect(edtPers_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int row = std::max(lstValue_->currentRow(), 0);
        setup_.EditRow(static_cast<RotorSetupRow>(row), text);
        korrektur_->setVisible(setup_.CorrectionHintShown());
        lstValue_->item(row)->setText(setup_.RowTexts()[static_cast<size_t>(row)]);
        portAddress_->setText(setup_.PortAddressText());
    });

    spinDecimals_ = new QSpinBox(this);
    spinDecimals_->setObjectName(QStringLiteral("SpinDecimals"));
    spinDecimals_->setRange(0, 2);
    grid->addWidget(
        new QLabel(QStringLiteral("Decimals of Azimuth/Elevation Values  (0,1,2)"), this), 6, 0, 1,
        2);
    grid->addWidget(spinDecimals_, 6, 2);
    connect(spinDecimals_, &QSpinBox::valueChanged, this, [this](int d) { setup_.SetDecimals(d); });
    auto* store = new QPushButton(QStringLiteral("Store"), this);
    store->setObjectName(QStringLiteral("Button1"));
    grid->addWidget(store, 7, 2);
    connect(store, &QPushButton::clicked, this, [this] { setup_.Store(); });

    rgrRotOpt_ =
        Choice(this, grid, 8, "RGrRotOpt",
               "Update antenna positions: ", {"in time intervals", "at sat. position change"});
    spinIntV_ = new QSpinBox(this);
    spinIntV_->setObjectName(QStringLiteral("SpinIntV"));
    spinIntV_->setRange(1, 600);
    spinMinWin_ = new QSpinBox(this);
    spinMinWin_->setObjectName(QStringLiteral("SpinMinWin"));
    spinMinWin_->setRange(0, 45);
    grid->addWidget(new QLabel(QStringLiteral("Time interval (sec.)"), this), 9, 0);
    grid->addWidget(spinIntV_, 9, 1);
    grid->addWidget(new QLabel(QStringLiteral("Pos. change (deg.)"), this), 10, 0);
    grid->addWidget(spinMinWin_, 10, 1);
    rgrOptWinkel_ =
        Choice(this, grid, 11, "RGrOptWinkel", "  Azimuth angle:   ", {"constant", "gain related"});
    rdGrpFlip_ =
        Choice(this, grid, 12, "RdGrpFlip", " Max. elevation ", {" 90  degr.", "180 degr."});
    rdGrpMaxAz_ =
        Choice(this, grid, 13, "RdGrpMaxAz", " Azimut rotor ", {"360 degr.", "450 degr."});
    RotorSettings& s = setup_.Positioning();
    connect(rgrRotOpt_, &QButtonGroup::idClicked, this, [this](int id) {
        setup_.SetUpdateMode(id == 1 ? QChar('w') : QChar('i'), &positioning_);
        ShowOptions();
    });
    connect(spinIntV_, &QSpinBox::valueChanged, this, [&s](int v) { s.update.updateInterval = v; });
    connect(spinMinWin_, &QSpinBox::valueChanged, this, [&s](int v) { s.update.positionStep = v; });
    connect(rgrOptWinkel_, &QButtonGroup::idClicked, this,
            [&s](int id) { s.update.azimuthRule = id == 1 ? QChar('g') : QChar('k'); });
    connect(rdGrpFlip_, &QButtonGroup::idClicked, this, [this](int id) {
        setup_.SetFlipMode(id == 1, isVisible());
        ShowOptions();
    });
    connect(rdGrpMaxAz_, &QButtonGroup::idClicked, this, [this](int id) {
        setup_.SetAzimuth450(id == 1);
        ShowOptions();
    });
    auto* rotOptSave = new QPushButton(QStringLiteral("Store"), this);
    rotOptSave->setObjectName(QStringLiteral("cmdRotOptSave"));
    auto* rotOptOK = new QPushButton(QStringLiteral("OK"), this);
    rotOptOK->setObjectName(QStringLiteral("cmdRotOptOK"));
    grid->addWidget(rotOptSave, 14, 1);
    grid->addWidget(rotOptOK, 14, 2);
    connect(rotOptSave, &QPushButton::clicked, this, [this] {
        setup_.StoreRotorOptions();
        accept();
    });
    connect(rotOptOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TSatSetupRot::showEvent(QShowEvent* event) {
    setup_.Show();
    if (!optionsRead_) {
        // The first opening takes the update options from WiRotOpt.SQF once more.
        optionsRead_ = true;
        try {
            setup_.Positioning().update = ReadRotorUpdateOptions(
                setup_.SetupFolders().ConfigFile(QStringLiteral("WiRotOpt.SQF")));
        } catch (const SqfError&) {
        }
    }
    cbRotIntf_->setCurrentIndex(setup_.InterfaceIndex());
    ShowRows();
    ShowOptions();
    QDialog::showEvent(event);
}

void TSatSetupRot::ShowRows() {
    lstValue_->clear();
    if (setup_.SelectedHasServer()) {
        for (const QString& text : setup_.RowTexts()) {
            lstValue_->addItem(text);
        }
        lstValue_->setCurrentRow(0);
    }
    portAddress_->setText(setup_.PortAddressText());
    rotctld_->setVisible(setup_.RotctldChosen());
    rotctldHost_->setText(setup_.Rotctld().host);
    rotctldPort_->setText(QString::number(setup_.Rotctld().port));
}

void TSatSetupRot::ShowOptions() {
    const RotorSettings& s = setup_.Positioning();
    const bool intervals = !s.update.atPositionChange();
    rgrRotOpt_->button(intervals ? 0 : 1)->setChecked(true);
    spinIntV_->setValue(static_cast<int>(s.update.updateInterval));
    spinMinWin_->setValue(static_cast<int>(s.update.positionStep));
    spinIntV_->setEnabled(intervals);
    spinMinWin_->setEnabled(!intervals);
    for (QAbstractButton* b : rgrOptWinkel_->buttons()) {
        b->setEnabled(!intervals);
    }
    rgrOptWinkel_->button(s.update.azimuthRule == QChar('g') ? 1 : 0)->setChecked(true);
    rdGrpFlip_->button(s.flip.flipMode ? 1 : 0)->setChecked(true);
    rdGrpMaxAz_->button(s.flip.azimuth450 ? 1 : 0)->setChecked(true);
    for (QAbstractButton* b : rdGrpMaxAz_->buttons()) {
        b->setEnabled(Azimuth450Allowed(s));
    }
    spinDecimals_->setValue(s.decimals);
}

}  // namespace orbivox

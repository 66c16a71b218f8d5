// The manual rotor dialog's widgets, forwarding every change and click to ManualRotor.
#include "rotator/ui/HinweiseDialog.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace orbivox {
namespace {

constexpr const char* kPlaces[] = {"1", "0.1", "0.01"};

}  // namespace

THinweise::THinweise(ManualRotor& manual, QList<StandardDirection> directions, QWidget* parent)
    : QDialog(parent), manual_(manual), directions_(std::move(directions)) {
    setObjectName(QStringLiteral("THinweise"));
    setWindowTitle(QStringLiteral("Rotor"));
    setModal(true);  // the main window takes no input meanwhile
    auto* grid = new QGridLayout(this);

    txtEl_ = new QLineEdit(this);
    txtEl_->setObjectName(QStringLiteral("txtEl"));
    txtEl_->setPlaceholderText(QStringLiteral("0 - 90"));
    txtAz_ = new QLineEdit(this);
    txtAz_->setObjectName(QStringLiteral("txtAz"));
    txtAz_->setPlaceholderText(QStringLiteral("0 - 360"));
    cmdOK_ = new QPushButton(QStringLiteral("Execute"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    grid->addWidget(new QLabel(QStringLiteral("Elev."), this), 0, 0);
    grid->addWidget(txtEl_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Azim."), this), 1, 0);
    grid->addWidget(txtAz_, 1, 1);
    grid->addWidget(cmdOK_, 2, 1);
    connect(txtEl_, &QLineEdit::textChanged, this, [this](const QString& text) {
        manual_.ElevationEdited(text);
        cmdOK_->setEnabled(manual_.ExecuteEnabled());
    });
    connect(txtAz_, &QLineEdit::textChanged, this, [this](const QString& text) {
        manual_.AzimuthEdited(text);
        cmdOK_->setEnabled(manual_.ExecuteEnabled());
    });
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
        if (manual_.Execute()) {
            Finish();
        }
    });

    lstStandR_ = new QListWidget(this);
    lstStandR_->setObjectName(QStringLiteral("lstStandR"));
    lstStandR_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));  // aligned columns
    for (const StandardDirection& direction : directions_) {
        lstStandR_->addItem(StandardDirectionListText(direction));
    }
    if (lstStandR_->count() > 0) {
        lstStandR_->setCurrentRow(0);
    }
    grid->addWidget(new QLabel(QStringLiteral("Standard Directions"), this), 0, 2);
    grid->addWidget(lstStandR_, 1, 2, 3, 1);
    connect(lstStandR_, &QListWidget::itemClicked, this, [this] {
        const int row = lstStandR_->currentRow();
        if (row >= 0 && row < directions_.size()) {
            manual_.ChooseDirection(directions_[row]);
            Finish();
        }
    });

    grid->addWidget(new QLabel(QStringLiteral("Correction  1      0.1     0.01"), this), 3, 0, 1,
                    2);
    txtKorrV_ = new QLabel(this);
    txtKorrV_->setObjectName(QStringLiteral("txtKorrV"));
    txtKorrH_ = new QLabel(this);
    txtKorrH_->setObjectName(QStringLiteral("txtKorrH"));
    auto* elRow = new QHBoxLayout;
    auto* azRow = new QHBoxLayout;
    elRow->addWidget(new QLabel(QStringLiteral("Elev."), this));
    elRow->addWidget(txtKorrV_);
    azRow->addWidget(new QLabel(QStringLiteral("Azim."), this));
    azRow->addWidget(txtKorrH_);
    static constexpr const char* kElevationNames[] = {"SpinElev", "SpinElev01", "SpinElev001"};
    static constexpr const char* kAzimuthNames[] = {"SpinAzim", "SpinAz01", "SpinAz001"};
    for (int place = 0; place < 3; ++place) {
        for (int d = 0; d < 2; ++d) {
            const int direction = d == 0 ? +1 : -1;
            const QString caption = (d == 0 ? QStringLiteral("+") : QStringLiteral("-")) +
                                    QString::fromLatin1(kPlaces[place]);
            auto* el = new QPushButton(caption, this);
            el->setObjectName(QString::fromLatin1(kElevationNames[place]));
            auto* az = new QPushButton(caption, this);
            az->setObjectName(QString::fromLatin1(kAzimuthNames[place]));
            elevationSpinners_[static_cast<size_t>(place * 2 + d)] = el;
            azimuthSpinners_[static_cast<size_t>(place * 2 + d)] = az;
            elRow->addWidget(el);
            azRow->addWidget(az);
            connect(el, &QPushButton::clicked, this, [this, place, direction] {
                manual_.SpinElevation(place, direction);
                ShowCorrections();
            });
            connect(az, &QPushButton::clicked, this, [this, place, direction] {
                manual_.SpinAzimuth(place, direction);
                ShowCorrections();
            });
        }
    }
    grid->addLayout(elRow, 4, 0, 1, 3);
    grid->addLayout(azRow, 5, 0, 1, 3);
    auto* saveKorr = new QPushButton(QStringLiteral("Save Corr."), this);
    saveKorr->setObjectName(QStringLiteral("cmdSaveKorr"));
    grid->addWidget(saveKorr, 6, 0);
    connect(saveKorr, &QPushButton::clicked, this, [this] { manual_.SaveCorrections(); });

    edParkAz_ = new QLineEdit(this);
    edParkAz_->setObjectName(QStringLiteral("edParkAz"));
    edParkEl_ = new QLineEdit(this);
    edParkEl_->setObjectName(QStringLiteral("edParkEl"));
    auto* park = new QPushButton(QStringLiteral("Park"), this);
    park->setObjectName(QStringLiteral("cmdPark"));
    chkPark_ = new QCheckBox(QStringLiteral("Park automatically after Pass"), this);
    chkPark_->setObjectName(QStringLiteral("chkPark"));
    auto* saveParkPos = new QPushButton(QStringLiteral("Save"), this);
    saveParkPos->setObjectName(QStringLiteral("cmdSaveParkPos"));
    saveParkPos->setToolTip(QStringLiteral("Saves park positin and setting of auto park option"));
    auto* cancel = new QPushButton(QStringLiteral("Continue"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    grid->addWidget(new QLabel(QStringLiteral("Park Position:"), this), 7, 0);
    grid->addWidget(edParkAz_, 7, 1);
    grid->addWidget(edParkEl_, 7, 2);
    grid->addWidget(park, 8, 0);
    grid->addWidget(chkPark_, 8, 1);
    grid->addWidget(saveParkPos, 8, 2);
    grid->addWidget(cancel, 9, 2);
    connect(edParkAz_, &QLineEdit::textChanged, this,
            [this](const QString& text) { manual_.ParkAzimuthEdited(text); });
    connect(edParkEl_, &QLineEdit::textChanged, this,
            [this](const QString& text) { manual_.ParkElevationEdited(text); });
    connect(park, &QPushButton::clicked, this, [this] {
        if (manual_.Park()) {
            Finish();
        }
    });
    connect(chkPark_, &QCheckBox::toggled, this, [this](bool on) { manual_.SetAutoPark(on); });
    connect(saveParkPos, &QPushButton::clicked, this, [this] { manual_.SaveParkPosition(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    Prepare();
}

void THinweise::Prepare() {
    cmdOK_->setEnabled(!txtEl_->text().isEmpty() || !txtAz_->text().isEmpty());
    ShowCorrections();
}

void THinweise::ShowCorrections() {
    txtKorrV_->setText(manual_.VerticalCorrectionText());
    txtKorrH_->setText(manual_.HorizontalCorrectionText());
    for (size_t k = 0; k < elevationSpinners_.size(); ++k) {
        const bool enabled = manual_.SpinnerEnabled(static_cast<int>(k / 2));
        elevationSpinners_[k]->setEnabled(enabled);
        azimuthSpinners_[k]->setEnabled(enabled);
    }
    if (rotorSwitchChanged) {
        rotorSwitchChanged();
    }
}

void THinweise::Finish() {
    if (rotorSwitchChanged) {
        rotorSwitchChanged();
    }
    hide();
}

}  // namespace orbivox

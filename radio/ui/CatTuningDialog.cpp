// The CAT Tuning dialog's widgets, each click handed to CatTuning or the tracker.
#include "radio/ui/CatTuningDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "radio/ui/CalibrationDialog.h"
#include "radio/ui/DialogButton.h"

namespace orbivox {
namespace {

QLabel* Value(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::Panel);
    label->setMinimumWidth(60);
    return label;
}

}  // namespace

TSeiten::TSeiten(CatTuning& tuning, CalibrationTarget& target, Notifier& notifier,
                 TransponderFiles files, std::function<TransponderEntry*()> selectedEntry,
                 QWidget* parent)
    : QDialog(parent),
      tuning_(tuning),
      target_(target),
      notifier_(notifier),
      files_(std::move(files)),
      selectedEntry_(std::move(selectedEntry)) {
    setObjectName(QStringLiteral("TSeiten"));
    setWindowTitle(QStringLiteral("CAT Tuning"));
    auto* grid = new QGridLayout(this);

    auto* listBox = new QGroupBox(QStringLiteral("Frequenzen"), this);
    auto* listLayout = new QVBoxLayout(listBox);
    lstFre_ = new QListWidget(listBox);
    lstFre_->setObjectName(QStringLiteral("lstFre"));
    lblDopplerZ_ = new QLabel(QStringLiteral("Data Line:"), listBox);
    lblDopplerZ_->setObjectName(QStringLiteral("lblDopplerZ"));
    lblDopplerZ_->setWordWrap(true);
    listLayout->addWidget(lstFre_);
    listLayout->addWidget(lblDopplerZ_);
    grid->addWidget(listBox, 0, 0, 4, 1);
    connect(lstFre_, &QListWidget::itemClicked, this, [this] {
        tuning_.SelectRow(lstFre_->currentRow());
        Refresh();
    });

    // A field with its "10  100 1000" steppers: each button pair adds or subtracts.
    auto steppers = [this](QGridLayout* layout, int row, const QString& caption, QLabel* field,
                           std::initializer_list<int> steps, std::function<void(int)> step) {
        layout->addWidget(new QLabel(caption, this), row, 0);
        layout->addWidget(field, row, 1);
        int column = 2;
        for (int hertz : steps) {
            auto* up = DialogButton(this, "", QStringLiteral("+%1").arg(hertz));
            auto* down = DialogButton(this, "", QStringLiteral("-%1").arg(hertz));
            layout->addWidget(up, row, column);
            layout->addWidget(down, row, column + 1);
            column += 2;
            connect(up, &QPushButton::clicked, this, [this, step, hertz] {
                step(hertz);
                ShowValues();
            });
            connect(down, &QPushButton::clicked, this, [this, step, hertz] {
                step(-hertz);
                ShowValues();
            });
        }
    };
    DopplerTracker& tracker = tuning_.Tracker();
    auto* corrections = new QGroupBox(this);
    auto* corrLayout = new QGridLayout(corrections);
    txtKorrRx_ = Value(this, "txtKorrRx");
    steppers(corrLayout, 0, QStringLiteral("Downl.-Corr.(Hz) "), txtKorrRx_, {10, 100, 1000},
             [&tracker](int hz) { tracker.StepReceiveCorrection(hz); });
    txtKorr_ = Value(this, "txtKorr");
    steppers(corrLayout, 1, QStringLiteral("Freq.-Corr.(Hz)"), txtKorr_, {10, 100, 1000},
             [&tracker](int hz) { tracker.StepCalibration(hz); });
    lblKorr_ = corrLayout->itemAtPosition(1, 0)
                   ? qobject_cast<QLabel*>(corrLayout->itemAtPosition(1, 0)->widget())
                   : nullptr;
    cmdCancelCalib_ = DialogButton(this, "cmdCancelCalib", QString());
    corrLayout->addWidget(cmdCancelCalib_, 2, 0, 1, 2);
    connect(cmdCancelCalib_, &QPushButton::clicked, this, [this] {
        tuning_.CancelCalibration();
        ShowValues();
    });
    grid->addWidget(corrections, 0, 1);

    auto* intervals = new QGroupBox(QStringLiteral("Interval"), this);
    auto* intLayout = new QGridLayout(intervals);
    txtIntvSsb_ = Value(this, "txtIntvSSB");
    steppers(intLayout, 0, QStringLiteral("SSB/CW"), txtIntvSsb_, {10, 100},
             [&tracker](int hz) { tracker.StepInterval(true, hz); });
    txtIntv_ = Value(this, "txtIntv");
    steppers(intLayout, 1, QStringLiteral("FM/PKT"), txtIntv_, {10, 100},
             [&tracker](int hz) { tracker.StepInterval(false, hz); });
    for (int row = 0; row < 2; ++row) {
        auto* store =
            DialogButton(this, row == 0 ? "cmdStoreSSB" : "cmdStore", QStringLiteral("Store"));
        intLayout->addWidget(store, row, 6);
        connect(store, &QPushButton::clicked, this,
                [this, row] { tuning_.StoreInterval(row == 0); });
    }
    grid->addWidget(intervals, 1, 1);

    auto* speedBox = new QGroupBox(QStringLiteral(" Speed "), this);
    speedBox->setObjectName(QStringLiteral("rdgSpeed"));
    auto* speedLayout = new QHBoxLayout(speedBox);
    rdgSpeed_ = new QButtonGroup(speedBox);
    int id = 0;
    for (const char* text : {"x   1", "x   5", "x 10"}) {
        auto* button = new QRadioButton(QString::fromLatin1(text), speedBox);
        speedLayout->addWidget(button);
        rdgSpeed_->addButton(button, id++);
    }
    rdgSpeed_->button(0)->setChecked(true);
    connect(rdgSpeed_, &QButtonGroup::idClicked, this,
            [this](int item) { tuning_.ChooseSpeed(item); });
    grid->addWidget(speedBox, 2, 1);

    auto* manual = new QGroupBox(QStringLiteral("Man. Input (kHz):"), this);
    auto* manualLayout = new QHBoxLayout(manual);
    txtRx_ = new QLineEdit(manual);
    txtRx_->setObjectName(QStringLiteral("txtRx"));
    txtTx_ = new QLineEdit(manual);
    txtTx_->setObjectName(QStringLiteral("txtTx"));
    for (QLineEdit* field : {txtRx_, txtTx_}) {
        field->setToolTip(kManualFrequencyHint);
        connect(field, &QLineEdit::editingFinished, this, [this, field] {
            const QString text = field->text().trimmed();
            bool number = false;
            text.toDouble(&number);
            if (!text.isEmpty() && !number) {
                notifier_.Warning(QStringLiteral("invalid input!"));
            }
        });
    }
    auto* execute = DialogButton(this, "cmdExecute", QStringLiteral("Execute"));
    manualLayout->addWidget(new QLabel(QStringLiteral("Rx:"), manual));
    manualLayout->addWidget(txtRx_);
    manualLayout->addWidget(new QLabel(QStringLiteral("Tx:"), manual));
    manualLayout->addWidget(txtTx_);
    manualLayout->addWidget(execute);
    connect(execute, &QPushButton::clicked, this, [this] {
        if (tuning_.ExecuteManual(txtRx_->text(), txtTx_->text())) {
            hide();
        }
    });
    grid->addWidget(manual, 3, 1);

    auto* buttons = new QHBoxLayout;
    cmdCorrStore_ = DialogButton(this, "cmdCorrStore", QStringLiteral("Change/Store Dataf File"),
                                 QStringLiteral("Opens sub menu"));
    cmdAdjTx_ = DialogButton(this, "cmdAdjTx", QStringLiteral("Correct Actual Deviation"),
                             QStringLiteral("Use function only after you have checked a reference "
                                            "signal (beacon)!"));
    auto* cmdCancel = DialogButton(this, "cmdCancel", QStringLiteral("Continure"));
    cmdCancel->setDefault(true);
    buttons->addWidget(cmdCorrStore_);
    buttons->addWidget(cmdAdjTx_);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    connect(cmdCorrStore_, &QPushButton::clicked, this, &TSeiten::OpenCalibration);
    connect(cmdAdjTx_, &QPushButton::clicked, this, [this] {
        const QString refusal = tuning_.CorrectActualDeviation();
        if (!refusal.isEmpty()) {
            notifier_.Warning(refusal);
        }
        ShowValues();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::hide);
}

void TSeiten::showEvent(QShowEvent* event) {
    Refresh();
    QDialog::showEvent(event);
}

void TSeiten::Refresh() {
    const TransponderListItems list = tuning_.List();
    lstFre_->clear();
    lstFre_->addItems(list.items);
    if (list.selectedRow >= 0 && list.selectedRow < lstFre_->count()) {
        lstFre_->setCurrentRow(list.selectedRow);
    }
    ShowValues();
}

void TSeiten::ShowValues() {
    lblDopplerZ_->setText(QStringLiteral("Data Line:") + ' ' + tuning_.DataLine());
    txtKorrRx_->setText(tuning_.ReceiveCorrectionText());
    txtKorr_->setText(tuning_.CalibrationText());
    txtIntvSsb_->setText(tuning_.IntervalText(true));
    txtIntv_->setText(tuning_.IntervalText(false));
    const bool uplink = tuning_.UplinkCalibration();
    cmdCancelCalib_->setText(tuning_.CancelCaption());
    if (lblKorr_) {
        lblKorr_->setText(tuning_.CalibrationLabel());
    }
    cmdCorrStore_->setEnabled(uplink);
    cmdAdjTx_->setEnabled(uplink);
}

void TSeiten::OpenCalibration() {
    const QString refusal = tuning_.CalibrationRefusal();
    if (!refusal.isEmpty()) {
        notifier_.Warning(refusal);
        return;
    }
    delete calib_;
    calib_ =
        new TCalib(target_, notifier_, files_, selectedEntry_ ? selectedEntry_() : nullptr, this);
    calib_->onStored = [this] { Refresh(); };
    calib_->adjustSize();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    calib_->move(CatTuning::CalibrationPosition(frameGeometry(), calib_->frameSize(), area));
    calib_->show();
}

}  // namespace orbivox

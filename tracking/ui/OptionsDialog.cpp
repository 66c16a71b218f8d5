// The Options dialog's controls and handlers.
#include "tracking/ui/OptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "catalogue/ElementRefresh.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

struct BoxText {
    StartOption option;
    const char* name;
    const char* caption;
};

// The start-value boxes under "Activate at start::", in their order on the dialog.
constexpr BoxText kStartBoxes[] = {
    {StartOption::Rotor, "chkStartOptR", "Rotor control"},
    {StartOption::Cat, "chkStartOptC", "CAT control"},
    {StartOption::AutoChange, "chkStartOptP", "Auto select "},
    {StartOption::Multiple, "chkStartOptM", "Multiple satellites"},
    {StartOption::Tone, "ChkStartOptTone", "Sub-Audio-Tone"},
    {StartOption::Zoom2, "chkStartOptZ2", "Zoom 2"},
    {StartOption::Sun, "chkStartOptS", "Sun "},
    {StartOption::Arrows, "chkStartOptD", "Direction arrows"},
    {StartOption::Countdown, "chkCountDown", "Countd. w. map"},
    {StartOption::Talk, "chkTalk", "Voice announce"},
    {StartOption::GroundTrack, "chkOrb", "Ground Track"},
};

QButtonGroup* RadioGroup(QGroupBox* box, const QString& name, const QStringList& items,
                         QWidget* owner) {
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(owner);
    for (int item = 0; item < items.size(); ++item) {
        auto* button = new QRadioButton(items[item], box);
        group->addButton(button, item);
        layout->addWidget(button);
    }
    return group;
}

// A number that only the arrows beside it change: its text and the two arrows.
QWidget* Spinner(const QString& name, QLabel*& text, std::function<void(int)> step,
                 QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    text = new QLabel(holder);
    text->setFrameShape(QFrame::StyledPanel);
    text->setMinimumWidth(36);
    auto* arrows = new QWidget(holder);
    arrows->setObjectName(name);
    auto* column = new QVBoxLayout(arrows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (int delta : {1, -1}) {
        auto* arrow = new QToolButton(arrows);
        arrow->setObjectName(name + (delta > 0 ? QStringLiteral("Up") : QStringLiteral("Down")));
        arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(16, 11);
        QObject::connect(arrow, &QToolButton::clicked, holder, [step, delta] { step(delta); });
        column->addWidget(arrow);
    }
    row->addWidget(text);
    row->addWidget(arrows);
    row->addStretch(1);
    return holder;
}

}  // namespace

TSatSetup::TSatSetup(SwitchOptions& options, TrackingSession& session, Notifier& notifier,
                     QWidget* mainWindow)
    // A dialog window: the window manager keeps it above the main window it belongs to
    // (a plain window is not kept above it, and a click raised the grey main window over it).
    : QDialog(mainWindow, Qt::Dialog),
      options_(options),
      session_(session),
      notifier_(notifier),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TSatSetup"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(false);

    auto* startColumn = new QVBoxLayout;
    startColumn->addWidget(new QLabel(QStringLiteral("Activate at start::"), this));
    for (const BoxText& text : kStartBoxes) {
        auto* box = new QCheckBox(QString::fromLatin1(text.caption), this);
        box->setObjectName(QString::fromLatin1(text.name));
        const StartOption option = text.option;
        connect(box, &QCheckBox::clicked, this,
                [this, option](bool on) { options_.SetOption(option, on); });
        boxes_[option] = box;
        startColumn->addWidget(box);
        if (option == StartOption::Countdown) {
            chkLoc_ = new QCheckBox(QStringLiteral("Local time"), this);
            chkLoc_->setObjectName(QStringLiteral("chkLoc"));
            connect(chkLoc_, &QCheckBox::clicked, this,
                    [this](bool on) { options_.ChooseLocalZone(on); });
            startColumn->addWidget(chkLoc_);
        }
    }
    startColumn->addStretch(1);

    auto* screenBox = new QGroupBox(QStringLiteral(" Program window "), this);
    rdgOptScreen_ = RadioGroup(screenBox, QStringLiteral("RdGrpOptScreen"),
                               {"W1", "W2", "W3", "W4", "W5"}, this);
    connect(rdgOptScreen_, &QButtonGroup::idClicked, this, [this](int item) {
        if (chooseWindowSize) {
            chooseWindowSize(static_cast<WindowSize>(item + static_cast<int>(WindowSize::W1)));
        }
        ShowWindowSize();
    });
    auto* fixBox = new QGroupBox(QStringLiteral(" Center Maps on "), this);
    rgrMapFix_ = RadioGroup(fixBox, QStringLiteral("RGrMapFix"),
                            {"Observer", "Greenw./Obs.2", "Satellite"}, this);
    connect(rgrMapFix_, &QButtonGroup::idClicked, this,
            [this](int item) { options_.ChooseCentring(item); });
    auto* modelBox = new QGroupBox(QStringLiteral(" Orbit Model "), this);
    rgrSgp8_ = RadioGroup(modelBox, QStringLiteral("RGrSGP8"), {"SGP4SDP4", "SGP8SDP8"}, this);
    connect(rgrSgp8_, &QButtonGroup::idClicked, this,
            [this](int item) { options_.ChooseModel(item == 1); });
    auto* mapsBox = new QGroupBox(QStringLiteral(" Maps at Program Start "), this);
    rgrMaps_ = RadioGroup(mapsBox, QStringLiteral("RGrMaps"), {"Political", "Blue-M."}, this);
    connect(rgrMaps_, &QButtonGroup::idClicked, this,
            [this](int item) { options_.SetOption(StartOption::PhysicalMap, item == 1); });

    auto* numbers = new QGridLayout;
    numbers->addWidget(new QLabel(QStringLiteral("Update map "), this), 0, 0);
    numbers->addWidget(new QLabel(QStringLiteral("every (sec.)"), this), 1, 0);
    numbers->addWidget(Spinner(
                           QStringLiteral("SpinIntVGr"), txtIntVGr_,
                           [this](int delta) {
                               options_.StepMapSeconds(delta);
                               ShowNumbers();
                           },
                           this),
                       1, 1);
    txtIntVGr_->setObjectName(QStringLiteral("txtIntVGr"));
    numbers->addWidget(new QLabel(QStringLiteral("Autom.TX Stop"), this), 2, 0);
    lblRxAfter_ = new QLabel(this);
    lblRxAfter_->setObjectName(QStringLiteral("lblRxAfter"));
    numbers->addWidget(lblRxAfter_, 3, 0);
    numbers->addWidget(Spinner(
                           QStringLiteral("SpinRxTime"), txtRxTime_,
                           [this](int delta) {
                               options_.StepTransmitStop(delta);
                               ShowNumbers();
                           },
                           this),
                       3, 1);
    txtRxTime_->setObjectName(QStringLiteral("txtRxTime"));
    chkKepsRefresh_ = new QCheckBox(QStringLiteral("Fetch elements older than"), this);
    chkKepsRefresh_->setObjectName(QStringLiteral("chkKepsRefresh"));
    chkKepsRefresh_->setToolTip(
        QStringLiteral("At start and every %1 hours the group's element file is fetched again "
                       "from its address in Celestrak.SQF when its newest set is older than this")
            .arg(kElementRefreshHours));
    spnKepsDays_ = new QSpinBox(this);
    spnKepsDays_->setObjectName(QStringLiteral("spnKepsDays"));
    spnKepsDays_->setRange(1, kMaxElementRefreshDays);
    spnKepsDays_->setSuffix(QStringLiteral(" days"));
    numbers->addWidget(chkKepsRefresh_, 4, 0);
    numbers->addWidget(spnKepsDays_, 4, 1);
    connect(chkKepsRefresh_, &QCheckBox::clicked, this, [this](bool on) {
        options_.ChooseElementRefresh(on);
        if (elementRefreshChanged) {
            elementRefreshChanged();
        }
    });
    connect(spnKepsDays_, &QSpinBox::valueChanged, this, [this](int days) {
        if (days != options_.ElementRefreshDays()) {
            options_.SetElementRefreshDays(days);
            if (elementRefreshChanged) {
                elementRefreshChanged();
            }
        }
    });

    dtrBox_ = new QGroupBox(QStringLiteral(" Use DTR Pin of  Radio 2 COM Port to  "), this);
    rdgDtr_ = RadioGroup(dtrBox_, QStringLiteral("rdgDTR"),
                         {"Feed a CAT Interface", "Toggle Antennas "}, this);
    connect(rdgDtr_, &QButtonGroup::idClicked, this, [this](int item) {
        options_.ChooseDtr(item == 1);
        if (dtrChosen) {
            dtrChosen(item == 1);
        }
    });
    auto* dtrNote = new QLabel(QStringLiteral("DTR options disabled if Radio 2 = None"), this);
    dtrNote->setStyleSheet(QStringLiteral("color: blue;"));

    auto* cmdOK = new QPushButton(QStringLiteral("Store"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &TSatSetup::cmdOKClick);
    auto* abbrechen = new QPushButton(QStringLiteral("OK"), this);
    abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    connect(abbrechen, &QPushButton::clicked, this, &TSatSetup::AbbrechenClick);

    auto* middle = new QVBoxLayout;
    middle->addWidget(screenBox);
    middle->addWidget(modelBox);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(fixBox);
    right->addWidget(mapsBox);
    right->addLayout(numbers);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(startColumn);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(dtrBox_);
    layout->addWidget(dtrNote);
    layout->addLayout(buttons);
}

void TSatSetup::Options1Click() {
    for (const auto& [option, box] : boxes_) {
        box->setChecked(options_.Option(option));
    }
    options_.Opening();
    if (radioSetupRefresh) {
        radioSetupRefresh();
    }
    chkLoc_->setChecked(options_.LocalZone());
    rgrMapFix_->button(options_.Centring())->setChecked(true);
    rgrSgp8_->button(options_.Sgp8() ? 1 : 0)->setChecked(true);
    rgrMaps_->button(options_.Option(StartOption::PhysicalMap) ? 1 : 0)->setChecked(true);
    ShowNumbers();
    ShowWindowSize();
    chkKepsRefresh_->setChecked(options_.ElementRefresh());
    spnKepsDays_->setValue(options_.ElementRefreshDays());
    rdgDtr_->button(options_.DtrToggles() ? 1 : 0)->setChecked(true);
    dtrBox_->setEnabled(options_.DtrAvailable());
    if (mainWindow_) {
        mainWindow_->setEnabled(false);
        setEnabled(true);  // a child window would follow its parent otherwise
    }
    show();
    raise();
    activateWindow();
}

void TSatSetup::ShowNumbers() {
    txtIntVGr_->setText(SpinText(options_.MapSeconds()));
    txtRxTime_->setText(SpinText(options_.TransmitStopSeconds()));
    const TransmitStopLabel label = TransmitStopLabelFor(options_.TransmitStopSeconds());
    lblRxAfter_->setText(label.text);
    lblRxAfter_->setStyleSheet(label.red ? QStringLiteral("color: red;") : QString());
}

void TSatSetup::ShowWindowSize() {
    if (windowSize) {
        rdgOptScreen_->button(static_cast<int>(windowSize()) - static_cast<int>(WindowSize::W1))
            ->setChecked(true);
    }
}

void TSatSetup::cmdOKClick() {
    try {
        WriteSatStart(session_);
    } catch (const SqfError& error) {
        // Nothing is lost: the values stay in memory and the dialog stays open.
        notifier_.Error(QString::fromUtf8(error.what()));
        return;
    }
    hide();
}

void TSatSetup::AbbrechenClick() {
    hide();
}

void TSatSetup::hideEvent(QHideEvent* event) {
    if (mainWindow_) {
        mainWindow_->setEnabled(true);
    }
    QDialog::hideEvent(event);
}

}  // namespace orbivox

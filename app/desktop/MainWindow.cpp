// The main window's widgets and menus, the tracking tick that refreshes the display and the
// letter colours, the working satellite choice, and the quit sequence that saves the position.
#include "app/desktop/MainWindow.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenuBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/desktop/ClickLabel.h"
#include "app/desktop/DateTimeBox.h"
#include "app/desktop/KepsRefresh.h"
#include "app/desktop/LauncherMenus.h"
#include "app/desktop/MapPanel.h"
#include "app/desktop/PassWindows.h"
#include "app/desktop/RadioDialogs.h"
#include "app/desktop/RadioPanel.h"
#include "app/desktop/SelectionActions.h"
#include "app/desktop/StatusText.h"
#include "app/desktop/SwitchPanel.h"
#include "catalogue/ElementAge.h"
#include "catalogue/Selection.h"
#include "map/ObserverSetup.h"
#include "orbit/DisplayFormat.h"
#include "rotator/ui/HinweiseDialog.h"
#include "rotator/ui/RotorSetupDialog.h"
#include "settings/FixedColours.h"
#include "settings/RuntimeFolder.h"
#include "settings/SqfFile.h"
#include "tracking/IlluminationLabel.h"
#include "tracking/SwitchOptions.h"
#include "tracking/ui/ConfigDialog.h"
#include "tracking/ui/OptionsDialog.h"

namespace orbivox {
namespace {


// A letter button: a label that reports clicks while enabled.
class LetterButton : public ClickLabel {
public:
    LetterButton(const QString& letter, std::function<void()> onClick, QWidget* parent)
        : ClickLabel(letter, std::move(onClick), parent) {
        setObjectName(QStringLiteral("lbl") + letter);
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        setMinimumWidth(20);
        setAutoFillBackground(true);
        setStyleSheet(FixedBackgroundStyle(kSilverBackground));
    }
};

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TAusgabe::TAusgabe(TrackingSession& session, Notifier& notifier, FileChooser& files,
                   const ScreenMetrics& screen, QWidget* parent, SpeechEngineFactory speech)
    : QMainWindow(parent), session_(session), notifier_(notifier), screen_(screen) {
    setObjectName(QStringLiteral("TAusgabe"));
    setWindowTitle(ApplicationTitle(session_.group()));
    session_.engine().Switches().decimalSeparator =
        QLocale::system().decimalPoint().at(0).toLatin1();
    // A second running copy finds the first one serving and publishes nothing.
    publishing_ = std::make_unique<DataPublishing>(session_.engine());
    publishing_->Server().SetNotice(
        [this](const QString& message) { notifier_.Warning(message); });
    publishing_->Start(UserRuntimeFolder());
    StartRotor();

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);

    auto* top = new QHBoxLayout;
    ptbDatZeit_ = new DateTimeBox(central);
    ptbDatZeit_->setFont(fixed);
    lblSatName_ = new QLabel(central);
    lblSatName_->setObjectName(QStringLiteral("lblSatName"));
    lblIll_ = new QLabel(central);
    lblIll_->setObjectName(QStringLiteral("lblIll"));
    lblIll_->setAutoFillBackground(true);
    top->addWidget(ptbDatZeit_);
    top->addWidget(lblSatName_, 1);
    top->addWidget(lblIll_);
    layout->addLayout(top);

    lblKopfZeile_ = new QLabel(central);
    lblKopfZeile_->setObjectName(QStringLiteral("lblKopfZeile"));
    lblKopfZeile_->setFont(fixed);
    lstAusgabe_ = new QLabel(central);
    lstAusgabe_->setObjectName(QStringLiteral("lstAusgabe"));
    lstAusgabe_->setFont(fixed);
    lstAusgabe_->setAutoFillBackground(true);
    lstAusgabe_->setStyleSheet(FixedBackgroundStyle(kSilverBackground));
    lstAusgabe_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblKopfZeile_);
    layout->addWidget(lstAusgabe_);

    auto* letterPanel = new QWidget(central);
    letterPanel->setObjectName(QStringLiteral("PanBuchstaben"));
    auto* letterLayout = new QHBoxLayout(letterPanel);
    letterLayout->setContentsMargins(0, 0, 0, 0);
    letterLayout->setSpacing(1);
    for (int slot = 0; slot < kMaxSelected; ++slot) {
        const QString letter(QChar('A' + slot));
        letters_[static_cast<size_t>(slot)] = new LetterButton(
            letter, [this, slot] { SelectWorkingSatellite(slot); }, letterPanel);
        letterLayout->addWidget(letters_[static_cast<size_t>(slot)]);
    }
    layout->addWidget(letterPanel);
    // In KCT mode the radio's macros go to the CAT server the rotor start-up launched.
    radio_ = new RadioPanel(session_, notifier_,
                            rotor_ ? &rotor_->Conversations().CatClientConv : nullptr, central);
    layout->addWidget(radio_);
    passWindows_ = std::make_unique<PassWindows>(
        session_, notifier_,
        PassWindows::Places{this, &timer1_, [this] { ShowComputed(); }, std::move(speech),
                            [this] { ShowWorkingName(); }, &screen_});
    layout->addWidget(passWindows_->Controls(), 0, Qt::AlignLeft);
    skyView_ = new SkyViewWindow(
        session_, notifier_,
        SkyViewWindow::Hooks{[this]() -> std::optional<std::pair<double, double>> {
                                 if (!rotor_ || !rotor_->Positioning().RotorOn()) {
                                     return std::nullopt;
                                 }
                                 const AntennaPositioning& p = rotor_->Positioning();
                                 return std::pair{p.SetPointAzimuth(), p.SetPointElevation()};
                             },
                             [this](int slot) { SelectWorkingSatellite(slot); }},
        this);
    map_ = new MapPanel(*this, session_, notifier_, screen);
    map_->windowSizeChanged = [this] { lblKopfZeile_->setText(ToQ(session_.engine().Header())); };
    map_->storeWindowPosition = [this] { WriteWindowPosition(); };
    AddSwitches(*layout);
    layout->addWidget(map_->picture(), 0, Qt::AlignLeft);
    layout->addStretch(1);
    setCentralWidget(central);

    selection_ = new SelectionActions(*this, session_, notifier_, files, screen);
    BuildMenus();
    AddRotorMenus(files);
    passWindows_->ConnectMenus(menuBar());
    BuildStatusBar();
    if (QLabel* txRx = radio_->findChild<QLabel*>(QStringLiteral("lblTxRx"))) {
        txRx->setToolTip(kTxRxHint);
        switches_->SetTxRxButtons({txRx});
    }
    SetLetterButtons();
    lblKopfZeile_->setText(ToQ(session_.engine().Header()));
    ShowWorkingName();

    map_->Start();
    FillSunHooks();
    // The radios: their ports open once the settings are read, then every tick drives them.
    RadioControl& radios = radio_->Radios();
    radios.OpenPorts();
    radios.Install(session_.engine().Hooks());
    radioDialogs_ = new RadioDialogs(*this, session_, notifier_, radios, *options_);
    radioDialogs_->setSpeed = [this](int factor) {
        session_.engine().SetMapUpdate(session_.startValues().mapUpdateSeconds, factor);
        if (timer1_.isActive()) {
            timer1_.start(session_.engine().TickIntervalMs());
        }
    };
    radios.stopTracking = [this] {
        const bool running = timer1_.isActive();
        timer1_.stop();
        return running;
    };
    radios.startTracking = [this] { timer1_.start(session_.engine().TickIntervalMs()); };
    radios.onStatus = [this](const QString& text, bool lasting) {
        statusBar()->showMessage(text, lasting ? 0 : 10000);
    };
    radios.onRadioLost = [this] {
        timer1_.stop();
        QTimer::singleShot(0, this, [this] {
            notifier_.Error(kRadioLostMessage);
            close();
        });
    };

    timer1_.setObjectName(QStringLiteral("Timer1"));
    // The tick keeps to the millisecond: a coarse timer may fire a tick early or late by 5 %.
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &TAusgabe::OnTick);
}

TAusgabe::~TAusgabe() = default;

void TAusgabe::StartRotor() {
    serverStarter_ = std::make_unique<ProcessServerStarter>();
    try {
        rotor_ = std::make_unique<RotorControl>(session_, notifier_, *serverStarter_,
                                                UserRuntimeFolder());
    } catch (const SqfError& error) {
        notifier_.Error(LoaderFailureMessage(error.fileName(), error.reason()));
        return;
    }
    rotor_->Attach();
    rotor_->StartServers();
}

void TAusgabe::AddSwitches(QBoxLayout& layout) {
    switches_ = new SwitchPanel(*this, session_, notifier_, *map_, &radio_->Radios(),
                                rotor_ ? &rotor_->Positioning() : nullptr);
    layout.addWidget(switches_, 0, Qt::AlignLeft);
    // The working satellite's name is no wider than the switches.
    lblSatName_->setMaximumWidth(switches_->sizeHint().width());
    optionValues_ = std::make_unique<SwitchOptions>(session_, map_->switchState());
    options_ = new TSatSetup(*optionValues_, session_, notifier_, this);
    options_->windowSize = [this] { return session_.engine().Switches().map.size; };
    options_->chooseWindowSize = [this](WindowSize size) {
        map_->ChooseWindowSize(size);
        switches_->State().MapViewChanged();
    };
    options_->elementRefreshChanged = [this] { kepsRefresh_->Check(); };
    switches_->zoneChanged = [this] {
        ShowDateTime();
        passWindows_->CountdownChanged();  // its times are shown in the new zone
    };
    switches_->toggleStepFactor = [this] { return passWindows_->ToggleStepFactor(); };
}

void TAusgabe::AddRotorMenus(FileChooser& files) {
    if (!rotor_) {
        return;
    }
    RotorControl& rotor = *rotor_;
    auto* manual = new THinweise(rotor.Manual(), session_.settings().standardDirections, this);
    auto* setup = new TSatSetupRot(
        rotor.Setup(), rotor.Positioning(),
        [this, &files] {
            const QString file = files.OpenFile(
                session_.folders().programFolder,
                {QStringLiteral("Applications (*.exe)"), QStringLiteral("All Files (*.*)")});
            return file.isEmpty() ? std::nullopt : std::optional<QString>(file);
        },
        this);
    for (QAction* action : menuBar()->actions()) {
        if (action->text() == QLatin1String("&Rotor")) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, [manual] {
                manual->Prepare();
                manual->exec();
            });
        } else if (action->menu() && action->text() == QLatin1String("S&etup")) {
            for (QAction* item : action->menu()->actions()) {
                if (item->text() == QLatin1String("&Rotor Setup")) {
                    item->setEnabled(true);
                    connect(item, &QAction::triggered, setup, &QDialog::exec);
                }
            }
        } else if (action->menu() && action->text() == QLatin1String("&?")) {
            // In the menu's order: after "FAQs", before the radio hints.
            QMenu* hints = new QMenu(QStringLiteral("Hints [Rotor]"), action->menu());
            QAction* radioHints = nullptr;
            for (QAction* item : action->menu()->actions()) {
                if (item->text() == QLatin1String("Hints [Radio]")) {
                    radioHints = item;
                }
            }
            action->menu()->insertMenu(radioHints, hints);
            const QStringList names = rotor.Setup().HintNames();
            for (int item = 0; item < names.size(); ++item) {
                connect(hints->addAction(names[item]), &QAction::triggered, this, [&rotor, item] {
                    const QString readme = rotor.Setup().HintReadmePath(item);
                    if (!readme.isEmpty()) {
                        QDesktopServices::openUrl(QUrl::fromLocalFile(readme));
                    }
                });
            }
        }
    }
}

void TAusgabe::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    QAction* menOpen = file->addAction(QStringLiteral("&Open"));
    connect(menOpen, &QAction::triggered, this, [this] { selection_->OpenFile(); });
    connect(file->addAction(QStringLiteral("&Sat mode off")), &QAction::triggered, this,
            [this] { radio_->SatelliteModeOff(); });
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("&Quit"));
    connect(quit, &QAction::triggered, this, &TAusgabe::QuitFromMenu);

    connect(bar->addAction(QStringLiteral("&Satellites")), &QAction::triggered, this,
            [this] { selection_->ShowSatellites(true); });
    QMenu* tracking = bar->addMenu(QStringLiteral("&Tracking"));
    for (const char* item : {"&Real Time", "&Preview", "&MA"}) {
        tracking->addAction(QString::fromLatin1(item))->setEnabled(false);
    }
    // Acc&y follows &Programs (the launcher's, below).
    auto* accessories = new QMenu(QStringLiteral("Acc&y"), bar);
    accessories->addAction(QStringLiteral("Count Down"))->setEnabled(false);
    connect(accessories->addAction(QStringLiteral("Sky View")), &QAction::triggered, this,
            [this] { skyView_->OpenFromMenu(); });
    connect(accessories->addAction(QStringLiteral("Observer 2")), &QAction::triggered, this,
            [this] { map_->ShowSecondObserver(); });
    for (const char* item : {"&CAT", "&Mode", "&Rotor"}) {
        bar->addAction(QString::fromLatin1(item))->setEnabled(false);
    }
    QMenu* setup = bar->addMenu(QStringLiteral("S&etup"));
    for (const char* item :
         {"O&ptions", "R&adio Setup", "&Rotor Setup", "&Observer", "Speech Setup"}) {
        QAction* action = setup->addAction(QString::fromLatin1(item));
        action->setEnabled(false);
        if (QLatin1String(item) == QLatin1String("O&ptions")) {
            action->setObjectName(QStringLiteral("Options1"));
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, [this] { options_->Options1Click(); });
        } else if (QLatin1String(item) == QLatin1String("&Observer")) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, [this] { map_->ShowObserverSetup(); });
        }
    }
    QAction* configuration = setup->addAction(QStringLiteral("Configuration"));
    connect(configuration, &QAction::triggered, this, &TAusgabe::ShowConfigurations);
    const Folders& folders = session_.folders();
    launcherMenus_ = new LauncherMenus(
        bar, {folders.programFolder, folders.mainDataFolder, folders.configDataFolder},
        session_.settings().programs, session_.settings().auxiliaryFiles,
        session_.divOptions().builtInEditor, notifier_, this);
    launcherMenus_->stopTracking = [this] {
        const bool running = timer1_.isActive();
        timer1_.stop();
        return running;
    };
    launcherMenus_->startTracking = [this] { timer1_.start(session_.engine().TickIntervalMs()); };
    bar->insertMenu(launcherMenus_->helpMenu()->menuAction(), accessories);
}

void TAusgabe::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const StationSettings& station = session_.settings().station;
    const char sep = session_.engine().Switches().decimalSeparator;
    statusObserver_ = new QLabel(bar);
    ShowWhole(statusObserver_, ObserverPanelText(station.longitude, station.latitude, sep));
    statusConfig_ = new QLabel(bar);
    ShowWhole(statusConfig_,
              ConfigPanelText(QLatin1String(session_.folders().numeral()), session_.group()));
    statusKeps_ = new QLabel(bar);
    ShowWhole(statusKeps_, KepsPanelText(session_.sourceFile()));
    statusKeps_->setToolTip(
        QStringLiteral("Fresh elements: Satellites | Update Keps, or orbivox download"));
    statusAge_ = new QLabel(bar);
    statusAge_->setObjectName(QStringLiteral("lblElementAge"));
    statusAge_->setToolTip(statusKeps_->toolTip());
    bar->addWidget(statusObserver_);
    bar->addWidget(statusConfig_);
    bar->addWidget(statusKeps_, 1);
    bar->addWidget(radio_->StatusPanel());
    bar->addWidget(statusAge_);
    kepsRefresh_ = new KepsRefresh(session_, *bar, [this] { ShowSelection(); });
}

void TAusgabe::KeepStatusTextsWhole() {
    // The window's layout leaves the status bar out of its minimum width: the panels would
    // be squeezed over each other in a narrow window (W1). The window is held as wide as
    // they are, and as its own layout needs. (Activated first: a panel's new width reaches
    // the status bar's hint only through its layout.)
    if (QLayout* panels = statusBar()->layout()) {
        panels->activate();
    }
    const int needed = std::max(statusBar()->minimumSizeHint().width(),
                                layout()->totalMinimumSize().width());
    if (minimumWidth() != needed) {
        map_->KeepWindowWidth(needed);
    }
}

void TAusgabe::ShowElementAge() {
    TrackingEngine& engine = session_.engine();
    const int index = engine.WorkingSetIndex();
    // Before the first tick there is no instant to measure the age at.
    if (index <= 0 || engine.Time().computationInstant <= 0.0) {
        statusAge_->clear();
        statusAge_->setStyleSheet(QString());
        return;
    }
    const ElementAge age = AgeOf(engine.Orbit().Sets()[index], engine.Time().computationInstant);
    ShowWhole(statusAge_, ElementAgePanelText(age, engine.Switches().decimalSeparator));
    statusAge_->setStyleSheet(ElementAgePanelStyle(age));
}

void TAusgabe::OfferFreshElements() {
    if (session_.storedValues().elementRefresh) {
        kepsRefresh_->Check();  // fresh ones come by themselves: nothing to offer
        return;
    }
    TrackingEngine& engine = session_.engine();
    const int index = engine.WorkingSetIndex();
    if (index <= 0) {
        return;
    }
    const orbit::ElementSet& set = engine.Orbit().Sets()[index];
    const ElementAge age = AgeOf(set, engine.Time().computationInstant);
    if (age.old && OfferUpdateKeps(notifier_, session_.folders().MainFile(kKepsAgeFile),
                                   session_.sourceFile(), ToQ(set.name), age)) {
        selection_->ShowSatellites(true);
    }
}

void TAusgabe::ShowSelection() {
    setWindowTitle(ApplicationTitle(session_.group()));
    SetLetterButtons();
    ShowWorkingName();
    ShowWhole(statusConfig_,
              ConfigPanelText(QLatin1String(session_.folders().numeral()), session_.group()));
    ShowWhole(statusKeps_, KepsPanelText(session_.sourceFile()));
    ShowElementAge();
    KeepStatusTextsWhole();
    passWindows_->CountdownChanged();
}

void TAusgabe::SetLetterButtons() {
    const QStringList names = session_.SelectedNames();
    for (int slot = 0; slot < kMaxSelected; ++slot) {
        QLabel* letter = letters_[static_cast<size_t>(slot)];
        const bool used = slot < names.size();
        letter->setEnabled(used);
        letter->setToolTip(used ? names[slot] : QString());
        letter->setStyleSheet(FixedBackgroundStyle(kSilverBackground));
    }
}

void TAusgabe::ShowWorkingName() {
    const int slot = session_.engine().WorkingSlot();
    if (slot < 0) {
        lblSatName_->clear();
        return;
    }
    const QString text = WorkingNameText(slot, session_.SelectedNames().value(slot));
    lblSatName_->setText(text);
    lblSatName_->setToolTip(text);
}

void TAusgabe::PlaceAtStart(const WindowPosition& stored) {
    // The status texts of the first tick, so the window has the width they need before it is
    // shown: growing while the window manager frames it would move it.
    session_.engine().View().UpdateClock();
    ShowElementAge();
    // The size grip takes its place in the status bar when the window is shown: counted now.
    if (auto* grip = statusBar()->findChild<QSizeGrip*>();
        grip != nullptr && statusBar()->isSizeGripEnabled()) {
        grip->show();
    }
    ShowWhole(radio_->StatusPanel(), radio_->Radios().Tracker().CorrectionStatus());
    KeepStatusTextsWhole();
    // The map panel sized the window to its map; no cap on top of that (a window's own
    // adjustSize() would cut it to two thirds of the screen).
    if (stored.known) {
        move(stored.left, stored.top);
    } else {
        move(QRect(screen_.WorkAreaOrigin(), screen_.WorkArea()).center() - rect().center());
    }
}

void TAusgabe::StartTracking() {
    OnTick();
    timer1_.start(session_.engine().TickIntervalMs());
}

void TAusgabe::FillSunHooks() {
    TrackingEngine& engine = session_.engine();
    engine.Hooks().checkEclipse = [this, &engine] {
        const std::optional<orbit::Illumination> illumination = engine.WorkingIllumination();
        if (!illumination) {
            return;
        }
        const IlluminationLabel label = IlluminationLabelFor(*illumination);
        lblIll_->setText(QString::fromLatin1(label.text));
        lblIll_->setStyleSheet(QStringLiteral("color: #%1; background-color: #%2;")
                                   .arg(label.foreground, 6, 16, QLatin1Char('0'))
                                   .arg(label.background, 6, 16, QLatin1Char('0')));
    };
}

void TAusgabe::OnTick() {
    if (session_.engine().SelectedCount() == 0) {
        // Nothing to track, but the clock goes on.
        session_.engine().View().UpdateClock();
        ShowDateTime();
        return;
    }
    session_.engine().TrackingTick();
    ShowComputed();
    passWindows_->AfterTick();
    if (!skyViewRestored_) {
        skyViewRestored_ = true;
        skyView_->RestoreAtStart();
    }
}

void TAusgabe::ShowComputed() {
    map_->AfterTick();
    ShowTick();
    radio_->Refresh();
    ShowWhole(radio_->StatusPanel(), radio_->StatusPanel()->text());
    KeepStatusTextsWhole();
    switches_->Refresh();
    // The sky view shows the engine's instant: the clock's, or the preview's and MA's.
    if (skyViewRestored_) {
        skyView_->AfterTick();
    }
}

void TAusgabe::ShowDateTime() {
    const double jd = session_.engine().Time().displayJulianDate;
    const QString zone =
        session_.startValues().localZone ? QStringLiteral("L") : QStringLiteral("U");
    ptbDatZeit_->SetTexts(ToQ(orbit::FormatDateTime(jd, "dd.mm.yyyy")),
                          ToQ(orbit::FormatDateTime(jd, "hh:nn:ss")) + QStringLiteral(" ") + zone);
}

void TAusgabe::ShowTick() {
    TrackingEngine& engine = session_.engine();
    ShowDateTime();
    ShowElementAge();
    lstAusgabe_->setText(ToQ(engine.ListText()));
    lstAusgabe_->setStyleSheet(FixedBackgroundStyle(engine.Working().elevation > 0 ? kWhiteBackground
                                                                                  : kSilverBackground));
    for (int slot = 0; slot < kMaxSelected; ++slot) {
        const Letter& letter = engine.Letters()[static_cast<size_t>(slot)];
        if (letter.repaint) {
            letters_[static_cast<size_t>(slot)]->setStyleSheet(
                FixedBackgroundStyle(letter.colour == LetterColour::White ? kWhiteBackground
                                                                          : kSilverBackground));
        }
    }
    engine.LettersRepainted();
}

void TAusgabe::SelectWorkingSatellite(int slot) {
    TrackingEngine& engine = session_.engine();
    if (slot < 0 || slot >= engine.SelectedCount()) {
        return;
    }
    engine.ApplyWorkingChange(slot);
    ShowWorkingName();
    switches_->Refresh();
    if (timer1_.isActive()) {
        OnTick();
    }
}

void TAusgabe::ShowConfigurations() {
    TConfig dialog(session_.folders().slot, this);
    if (dialog.exec() != QDialog::Accepted || !onConfigurationChosen) {
        return;
    }
    switchingSlot_ = true;
    onConfigurationChosen(dialog.ChosenSlot());
}

void TAusgabe::RunQuitSequence(bool quitCommand) {
    if (quitDone_) {
        return;
    }
    quitDone_ = true;
    timer1_.stop();
    skyView_->StoreAtQuit();
    QuitHooks hooks;
    hooks.writeWindowPosition = [this] { WriteWindowPosition(); };
    radio_->Radios().InstallQuit(hooks, !quitCommand);
    if (rotor_) {
        rotor_->FillQuitHooks(hooks);
    }
    TrackingEngine::QuitProgram(hooks, quitCommand, switchingSlot_);
}

void TAusgabe::WriteWindowPosition() {
    const QString path = session_.folders().ConfigFile(QStringLiteral("SatPos.SQF"));
    WindowPosition position = ReadWindowPosition(path);
    position.top = y();
    position.left = x();
    try {
        orbivox::WriteWindowPosition(path, position);
    } catch (const SqfError& error) {
        notifier_.Warning(QString::fromUtf8(error.what()));
    }
}

void TAusgabe::QuitFromMenu() {
    RunQuitSequence(true);
    QApplication::quit();
}

void TAusgabe::closeEvent(QCloseEvent* event) {
    RunQuitSequence(false);
    event->accept();
    QApplication::quit();
}

}  // namespace orbivox

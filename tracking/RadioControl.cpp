// The radios in the tracking cycle.
#include "tracking/RadioControl.h"

#include <QDebug>
#include <cmath>

#include "radio/RadioFamilies.h"
#include "radio/PortMap.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

CommandSetSettings CommandSettingsOf(const LoadedSettings& s, const StartValues& start) {
    CommandSetSettings settings;
    settings.files = s.radio1Files;
    settings.satelliteModeOption = start.radioSatelliteMode;
    settings.secondRadio = s.radio2.family != RadioFamily::None;
    return settings;
}

std::int64_t Hertz(double kHz) {
    return std::llround(kHz * 1000.0);
}

}  // namespace

QString PortOpenFailureMessage(int port, int radio) {
    const QString n = QString::number(port);
    return QStringLiteral("Could not open COM") + n + QStringLiteral(" for Radio ") +
           QString::number(radio) + QStringLiteral("!\rCheck whether COM") + n +
           QStringLiteral(
               " is available on your system.\rIf not,  open menu Setup / Radio Setup "
               "and select and store another COM port.\r If no port is available "
               "select 0 for the COM port number.");
}

QString RadioSilentMessage(const QString& radio) {
    return radio + QStringLiteral(" does not answer");
}

QString RadioAnswersAgainMessage(const QString& radio) {
    return radio + QStringLiteral(" answers again");
}

QString QuietRadioLostMessage(const QString& radio) {
    return radio + QStringLiteral(" was lost (cable pulled or switched off): CAT control is "
                                  "disabled until the program is started again");
}

QString PortPermissionHint(const QString& device) {
    return QStringLiteral("No permission to open ") + device +
           QStringLiteral(
               ": add your user to the group dialout (sudo usermod -aG dialout "
               "$USER) and log in again.");
}

RadioControl::RadioControl(TrackingSession& session, Notifier& notifier,
                           ClientConversation* catServer)
    : session_(session),
      notifier_(notifier),
      link_(nullptr, session.settings().station.catDelayMs),
      link2_(nullptr, session.settings().station.catDelayMs) {
    const LoadedSettings& s = session.settings();
    const StartValues& start = session.startValues();
    const CommandSetSettings commandSettings = CommandSettingsOf(s, start);
    DopplerOptions options;
    options.uplinkEnabled = session.divOptions().sendUplink;
    options.secondRadio = commandSettings.secondRadio;
    tracker_ = std::make_unique<DopplerTracker>(
        link_, MakeCommandSet(s.radio1Family, commandSettings), options);
    TuningState& t = tracker_->Tuning();
    t.fmIntervalHz = s.fmInterval;
    t.ssbIntervalHz = s.ssbInterval;
    t.activeThresholdHz = s.ssbInterval;
    t.correction = s.correction;
    t.catOn = start.catControl;
    if (start.catServerInUse && catServer != nullptr) {
        link_.kctMacroSink = [catServer](const QString& macro) { catServer->ExecuteMacro(macro); };
    }
    radio1Settings_ = commandSettings;
    radio2Setup_.family = s.radio2.family;
    radio2Setup_.files = s.radio2Files;
    if (const RadioCommandSet* radio1 = tracker_->Commands()) {
        radio2Setup_.radio1Model = &radio1->Model();
        radio2BandCheck_ = radio1->Radio2BandCheckTime();
        toneOffAtEntrySelection_ = radio1->ToneOffAtEntrySelection();
    }
    tone_.SetTable(s.tones);
    tone_.onRefused = [this](const QString& text) { Say(text, false); };
    tracker_->tone = &tone_;
    WarnOfUnknownModel(1, s.radio1Family, s.radio1Files, tracker_->Commands());
}

void RadioControl::WarnOfUnknownModel(int radio, RadioFamily family, const RadioFiles& files,
                                      const RadioCommandSet* commands) {
    if (commands == nullptr) {
        return;
    }
    const QString warning = UnknownModelWarning(family, files, radio, commands->Model().name);
    if (!warning.isEmpty()) {
        notifier_.Warning(warning);
    }
}

void RadioControl::Say(const QString& text, bool lasting) {
    if (onStatus) {
        onStatus(text, lasting);
    }
}

QString RadioControl::RadioName(int radio) const {
    const RadioCommandSet* commands =
        radio == 1 ? tracker_->Commands() : (secondRadio_ ? secondRadio_->Commands() : nullptr);
    const QString model = commands != nullptr ? commands->Model().name : QString();
    const QString device = radio == 1 && link_.Port() != nullptr ? link_.Port()->Device()
                           : (radio == 1 ? radio1_ : radio2_).Device();
    return QStringLiteral("Radio %1 (%2 on %3)").arg(radio).arg(model, device);
}

RadioControl::~RadioControl() = default;

void RadioControl::OpenPorts() {
    if (link_.KctMode()) {
        // No port: the CAT server has the radio. CAT off at start goes to it the usual way.
        if (!tracker_->Tuning().catOn) {
            tracker_->CatOff();
        }
        return;
    }
    const LoadedSettings& s = session_.settings();
    PortMap map;
    try {
        QStringList skipped;
        map = ReadPortMap(session_.folders().ConfigFile(QStringLiteral("ComPorts.SQF")), &skipped);
        for (const QString& line : skipped) {
            notifier_.Warning(line);
        }
    } catch (const SqfError& e) {
        notifier_.Warning(QString::fromStdString(e.what()));
    }
    const PortLines& lines = s.portLines;
    auto open = [&](SerialPort& port, int number, int radio, RadioFamily family, bool rts,
                    bool dtr) -> int {
        if (number < 1 || number > 99 || family == RadioFamily::None) {
            return 0;
        }
        const QString device = DeviceForPort(map, number);
        if (!port.Open(device, LineSettingsFor(family, radio == 1 ? s.radio1Files : s.radio2Files,
                                               radio))) {
            QString message = PortOpenFailureMessage(number, radio) + '\r' +
                              PortDeviceLine(map, number);
            if (port.LastOpenFailure() == OpenFailure::Permission) {
                message += '\r' + PortPermissionHint(device);
            }
            notifier_.Message(message);
            return 0;
        }
        link_.Delay();
        // Pseudo-terminals and some adapters have no modem lines: noted, not an error.
        if (!port.SetRts(rts) || !port.SetDtr(dtr)) {
            qInfo().noquote() << "RTS/DTR could not be set on" << device;
        }
        port.onError = [this, radio](const QString&) {
            // Some families' port errors do not end the program; radio 1's only while CAT is
            // on. The family is the one on the port now: the exchange of radios moves them.
            if (!FindRadioFamily(FamilyOnPort(radio))->reportsPortErrors) {
                QuietPortFailed(radio);
                return;
            }
            if (radio == 1 && !tracker_->Tuning().catOn) {
                return;
            }
            PortFailed(radio);
        };
        return number;
    };
    // A family reached over the network has no port number: its line instead (not in a
    // second copy, which leaves the radio to the first).
    const RadioFamilyDescriptor* family1 = FindRadioFamily(s.radio1Family);
    const bool networkFamily = ReachedOverNetwork(s.radio1Family);
    radio1Number_ = networkFamily ? 0
                                  : open(radio1_, session_.radio1Port(), 1, s.radio1Family,
                                         lines.rtsRadio1, lines.dtrRadio1);
    radio2Number_ =
        open(radio2_, s.radio2.port, 2, s.radio2.family, lines.rtsRadio2, lines.dtrRadio2);
    if (networkFamily && !session_.IsSecondInstance()) {
        networkLine_ = family1->makeNetworkLine(s.radio1Files);
        link_.SetPort(networkLine_.get());
    } else {
        link_.SetPort(radio1Number_ > 0 ? &radio1_ : nullptr);
    }
    if (link_.HasPort() && tracker_->Commands() != nullptr) {
        RadioContext context{link_, tracker_->Tuning(), tracker_->Transponder()};
        tracker_->Commands()->PortOpened(context);
        tracker_->CatOnAtStart();
    }
    role1_ = {radio1_.Device(), LineSettingsFor(s.radio1Family, s.radio1Files, 1), s.radio1Family,
              lines.rtsRadio1, lines.dtrRadio1};
    role2_ = {radio2_.Device(), LineSettingsFor(s.radio2.family, s.radio2Files, 2), s.radio2.family,
              lines.rtsRadio2, lines.dtrRadio2};
    if (s.radio2.family != RadioFamily::None) {
        link2_.SetPort(radio2Number_ > 0 ? &radio2_ : nullptr);
        MakeSecondRadio(radio2Setup_);
        WarnOfUnknownModel(2, s.radio2.family, s.radio2Files, secondRadio_->Commands());
    }
    AimTone();
}

void RadioControl::MakeSecondRadio(const SecondRadioSetup& setup) {
    // Radio 2's commands come from its own files, apart from radio 1's.
    secondRadio_ = std::make_unique<SecondRadio>(setup, link2_);
    secondRadio_->onMessage = [this](const QString& text) {
        if (!noRadio2Said_) {
            noRadio2Said_ = true;
            notifier_.Message(text);
        }
    };
    if (link2_.HasPort()) {
        secondRadio_->PortOpened();
    }
    tracker_->radio2 = secondRadio_.get();
}

void RadioControl::AimTone() {
    // Nothing goes out in KCT mode, without a radio 1 port, or to a radio 2 without a port.
    if (link_.KctMode() || !link_.HasPort()) {
        tone_.SetRadio(nullptr, {});
    } else if (secondRadio_) {
        SecondRadio* radio2 = secondRadio_.get();
        tone_.SetRadio(radio2->Commands(), [radio2](const QList<QByteArray>& commands) {
            if (radio2->HasPort()) {
                radio2->SendTone(commands);
            }
        });
    } else if (RadioCommandSet* commands = tracker_->Commands()) {
        tone_.SetRadio(commands, [this, commands](const QList<QByteArray>& bytes) {
            commands->SendTone(link_, bytes);
        });
    }
}

void RadioControl::BandPairChanged(BandPair next) {
    const LoadedSettings& s = session_.settings();
    const bool changed = next != bandPair_;
    if (secondRadio_ && s.radio2.autoExchange && radio1Number_ > 0 && radio2Number_ > 0 &&
        ExchangeDue(true, bandPair_, next, ticks_)) {
        ExchangeRadios(next);
    } else if (changed && !secondRadio_ && tracker_->Commands() != nullptr &&
               tracker_->Commands()->BandPairChanged(next)) {
        // Two radios on one port exchanged their addresses instead.
        AimTone();
    }
    if (secondRadio_ && session_.startValues().radio2DtrToggles && radio2_.IsOpen() &&
        !radio2_.SetDtr(AntennaDtrFor(next))) {
        qInfo().noquote() << "The antenna line (DTR) could not be set on" << radio2_.Device();
    }
    bandPair_ = next;
}

RadioFamily RadioControl::FamilyOnPort(int radio) const {
    const PortRoles roles = RolesForBandPair(portsPair_, role1_, role2_);
    return (radio == 1 ? roles.port1 : roles.port2).family;
}

void RadioControl::ExchangeRadios(BandPair pair) {
    const LoadedSettings& s = session_.settings();
    int failed = 0;
    portsPair_ = pair;
    const bool swapped = pair == BandPair::UV;
    if (!ReopenPorts(RolesForBandPair(pair, role1_, role2_), radio1_, radio2_, &failed)) {
        // The port number of the device that would not open: radio 2's on port 1 when swapped.
        const bool radio1Device = (failed == 1) != swapped;
        notifier_.Message(
            PortOpenFailureMessage(radio1Device ? radio1Number_ : radio2Number_, failed));
    }
    link_.SetPort(radio1_.IsOpen() ? &radio1_ : nullptr);
    link2_.SetPort(radio2_.IsOpen() ? &radio2_ : nullptr);
    const RadioFamily family1 = swapped ? s.radio2.family : s.radio1Family;
    tracker_->SetCommands(MakeCommandSet(
        family1, swapped ? AsFirstRadio(radio2Setup_, radio1Settings_) : radio1Settings_));
    MakeSecondRadio(swapped ? AsSecondRadio(s.radio1Family, radio1Settings_) : radio2Setup_);
    if (link_.HasPort() && tracker_->Commands() != nullptr) {
        RadioContext context{link_, tracker_->Tuning(), tracker_->Transponder()};
        tracker_->Commands()->PortOpened(context);
    }
    AimTone();
}

void RadioControl::PortFailed(int radio) {
    (void)radio;
    if (lost_) {
        return;
    }
    lost_ = true;
    tracker_->Tuning().catOn = false;
    tracker_->Tuning().catDisabled = true;
    if (onRadioLost) {
        onRadioLost();
    }
}

void RadioControl::QuietPortFailed(int radio) {
    SerialPort& port = radio == 1 ? radio1_ : radio2_;
    bool& said = radio == 1 ? quietLost1_ : quietLost2_;
    if (said) {
        return;
    }
    said = true;
    const QString name = RadioName(radio);
    if (radio == 1) {
        tracker_->Tuning().catOn = false;
        tracker_->Tuning().catDisabled = true;
    } else {
        noRadio2Said_ = true;  // its closed port is not "no port opened"
    }
    port.Close();
    Say(QuietRadioLostMessage(name), true);
    if (everyLostRadioEnds) {
        PortFailed(radio);
    }
}

void RadioControl::WatchAnswers() {
    const TuningState& t = tracker_->Tuning();
    const double seconds = session_.engine().Time().computationInstant * 86400.0;
    switch (answers_.Tick(t.repliesAwaited, t.repliesUnderstood, seconds)) {
        case AnswerWatch::Change::Silent:
            Say(RadioSilentMessage(RadioName(1)), true);
            break;
        case AnswerWatch::Change::AnswersAgain:
            Say(RadioAnswersAgainMessage(RadioName(1)), false);
            break;
        case AnswerWatch::Change::None:
            break;
    }
}

void RadioControl::Select(int listOffset) {
    listOffset_ = listOffset;
    TrackingEngine& engine = session_.engine();
    const int setIndex = engine.WorkingSetIndex();
    QString name;
    if (engine.SelectedCount() > 0 && setIndex >= 1 && setIndex <= engine.Orbit().Sets().Count()) {
        name = QString::fromStdString(engine.Orbit().Sets()[setIndex].name);
    }
    const SelectedTransponder selected =
        SelectEntryForSatellite(session_.settings().transponders, name, listOffset);
    if (selected.found) {
        BandPairChanged(NextBandPair(bandPair_, selected.downlinkKHz, selected.uplinkKHz));
    }
    tracker_->SatelliteChanged(setIndex, selected);
    if (secondRadio_ && radio2BandCheck_ == Radio2BandCheck::AtEntrySelection &&
        tracker_->Tuning().catOn) {
        secondRadio_->BandSetup(selected.downlinkKHz, selected.downlinkOffsetKHz);
    }
    tone_.SatelliteChanged(name);
    tracker_->tonePending = session_.startValues().subTone && tone_.Tones() > 0;
    if (toneOffAtEntrySelection_) {
        tone_.Reset();
    }
}

void RadioControl::SelectEntry(int listOffset) {
    Select(listOffset);
}

QString RadioControl::CatClicked() {
    const QString message = tracker_->CatClicked();
    if (message.isEmpty()) {
        Select(listOffset_);
    }
    return message;
}

void RadioControl::Install(TrackingHooks& hooks) {
    TrackingEngine& engine = session_.engine();
    hooks.selectTransponder = [this] {
        tracker_->WorkingSatelliteChosen();
        Select(0);
    };
    hooks.computeDoppler = [this, &engine] {
        ++ticks_;
        tracker_->ComputeDoppler(engine.View().Result().rangeRate);
    };
    hooks.radioStep = [this] {
        // A radio 2 that needs the band set-up beside a radio 1 that asks for it each tick.
        if (!lost_ && secondRadio_ && radio2BandCheck_ == Radio2BandCheck::EveryTick &&
            tracker_->Tuning().catOn && tracker_->Tuning().ticksSinceSelection >= 2) {
            secondRadio_->BandSetup(tracker_->Transponder().downlinkKHz,
                                    tracker_->Transponder().downlinkOffsetKHz);
        }
        if (!lost_) {
            tracker_->RadioStep();
            WatchAnswers();
        }
    };
    hooks.dataLineRadio = [this](DataLineValues& values) {
        const TuningState& t = tracker_->Tuning();
        const SelectedTransponder& s = tracker_->Transponder();
        values.downlinkHz = Hertz(t.receive);
        values.uplinkHz = Hertz(t.transmit);
        values.downlinkMode = s.downlinkMode.toStdString();
        values.uplinkMode = s.uplinkMode.toStdString();
        values.downlinkOffsetHz = Hertz(s.downlinkOffsetKHz);
        values.uplinkOffsetHz = Hertz(s.uplinkOffsetKHz);
    };
    // The start has already chosen the working satellite.
    if (engine.SelectedCount() > 0) {
        Call(hooks.selectTransponder);
    }
}

TuningForStore RadioControl::TuningNow() const {
    const TuningState& t = tracker_->Tuning();
    TuningForStore now;
    now.receiveKHz = t.receive;
    now.transmitKHz = t.transmit;
    now.downlinkShiftKHz = t.downlinkShift;
    now.uplinkShiftKHz = t.uplinkShift;
    now.receiveCorrectionKHz = t.ReceiveCorrectionKHz();
    now.uplinkCalibrationHz = t.CalibrationHz();
    return now;
}

void RadioControl::PauseTracking() {
    // Only what was running is restarted: a store during preview leaves it in preview.
    paused_ = stopTracking && stopTracking();
}

void RadioControl::ResumeTracking() {
    if (paused_ && startTracking) {
        startTracking();
    }
    paused_ = false;
}

void RadioControl::RxTxStored(double newDownlinkKHz, double newUplinkKHz) {
    tracker_->FrequenciesStored(newDownlinkKHz, newUplinkKHz);
}

void RadioControl::CalibrationStored(double newUplinkKHz) {
    tracker_->CalibrationStored(newUplinkKHz);
}

void RadioControl::InstallQuit(QuitHooks& hooks, bool windowClosed) {
    hooks.radio1PortFailed = [this] { return lost_ || tracker_->Tuning().catDisabled; };
    hooks.sendCloseCommands = [this, windowClosed] { tracker_->Close(windowClosed); };
}

}  // namespace orbivox

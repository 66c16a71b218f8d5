// The radios in the tracking cycle.
#include "tracking/RadioControl.h"

#include <QDebug>
#include <cmath>

#include "radio/PortMap.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

CommandSetSettings CommandSettingsOf(const LoadedSettings& s, const StartValues& start) {
    CommandSetSettings settings;
    settings.yaesu = s.yaesu;
    settings.yaesuII = s.yaesuII;
    settings.kenwood = s.kenwood;
    settings.icom = s.icom;
    settings.icomModel = s.icomModel;
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
        link_.kctMacro = [catServer](const QString& macro) { catServer->ExecuteMacro(macro); };
    }
    tracker_->onCatDisabled = [this] { session_.engine().Switches().catControl = false; };
}

RadioControl::~RadioControl() = default;

void RadioControl::OpenPorts() {
    if (link_.KctMode()) {
        return;
    }
    const LoadedSettings& s = session_.settings();
    PortMap map;
    try {
        map = ReadPortMap(session_.folders().ConfigFile(QStringLiteral("ComPorts.SQF")));
    } catch (const SqfError& e) {
        notifier_.Warning(QString::fromStdString(e.what()));
    }
    const CommandSetSettings commandSettings = CommandSettingsOf(s, session_.startValues());
    const PortLines& lines = s.portLines;
    auto open = [&](SerialPort& port, int number, int radio, RadioFamily family, bool rts,
                    bool dtr) -> int {
        if (number < 1 || number > 99 || family == RadioFamily::None) {
            return 0;
        }
        const QString device = DeviceForPort(map, number);
        if (!port.Open(device, LineSettingsFor(family, commandSettings))) {
            QString message = PortOpenFailureMessage(number, radio);
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
        port.onError = [this, radio, family](const QString&) {
            // Errors on a YaesuII port are not reported; radio 1's only while CAT is on.
            if (family == RadioFamily::YaesuII) {
                return;
            }
            if (radio == 1 && !tracker_->Tuning().catOn) {
                return;
            }
            PortFailed(radio);
        };
        return number;
    };
    radio1Number_ =
        open(radio1_, session_.radio1Port(), 1, s.radio1Family, lines.rtsRadio1, lines.dtrRadio1);
    radio2Number_ =
        open(radio2_, s.radio2.port, 2, s.radio2.family, lines.rtsRadio2, lines.dtrRadio2);
    link_.SetPort(radio1Number_ > 0 ? &radio1_ : nullptr);
    if (link_.HasPort() && tracker_->Commands() != nullptr) {
        RadioContext context{link_, tracker_->Tuning(), tracker_->Transponder()};
        tracker_->Commands()->PortOpened(context);
    }
    if (s.radio2.family != RadioFamily::None) {
        // Radio 2's commands come from its own files, apart from radio 1's.
        SecondRadioSetup setup;
        setup.family = s.radio2.family;
        setup.yaesu = s.radio2Yaesu;
        setup.yaesuII = s.radio2YaesuII;
        setup.kenwood = s.radio2Kenwood;
        setup.icomModel = s.radio2IcomModel;
        setup.icom = s.radio2Icom;
        setup.radio1Ft736r = s.radio1Family == RadioFamily::Yaesu && s.yaesu.model == "FT-736R";
        link2_.SetPort(radio2Number_ > 0 ? &radio2_ : nullptr);
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

void RadioControl::Select(int listOffset) {
    listOffset_ = listOffset;
    TrackingEngine& engine = session_.engine();
    const int setIndex = engine.WorkingSetIndex();
    QString name;
    if (engine.SelectedCount() > 0 && setIndex >= 1 && setIndex <= engine.Orbit().Sets().Count()) {
        name = QString::fromStdString(engine.Orbit().Sets()[setIndex].name);
    }
    tracker_->SatelliteChanged(
        setIndex, SelectEntryForSatellite(session_.settings().transponders, name, listOffset));
}

void RadioControl::SelectEntry(int listOffset) {
    Select(listOffset);
}

QString RadioControl::CatClicked() {
    const QString message = tracker_->CatClicked();
    if (message.isEmpty()) {
        session_.engine().Switches().catControl = tracker_->Tuning().catOn;
        Select(listOffset_);
    }
    return message;
}

void RadioControl::Install(TrackingHooks& hooks) {
    TrackingEngine& engine = session_.engine();
    engine.Switches().catControl = tracker_->Tuning().catOn;
    hooks.selectTransponder = [this] {
        tracker_->WorkingSatelliteChosen();
        Select(0);
    };
    hooks.computeDoppler = [this, &engine] {
        tracker_->ComputeDoppler(engine.View().Result().rangeRate);
    };
    hooks.radioStep = [this] {
        if (!lost_) {
            tracker_->RadioStep();
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

void RadioControl::InstallQuit(QuitHooks& hooks) {
    hooks.radio1PortFailed = [this] { return lost_ || tracker_->Tuning().catDisabled; };
    hooks.sendCloseCommands = [this] { tracker_->Close(true); };
}

}  // namespace orbivox

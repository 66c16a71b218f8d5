// The Options dialog's values and "Store".
#include "tracking/SwitchOptions.h"

#include <algorithm>

#include "settings/SqfFile.h"
#include "tracking/SwitchPanelState.h"

namespace orbivox {
namespace {

bool StartValues::*Member(StartOption option) {
    switch (option) {
        case StartOption::Rotor:
            return &StartValues::rotorControl;
        case StartOption::Cat:
            return &StartValues::catControl;
        case StartOption::AutoChange:
            return &StartValues::autoChange;
        case StartOption::Multiple:
            return &StartValues::multipleSatellites;
        case StartOption::Tone:
            return &StartValues::subTone;
        case StartOption::Zoom2:
            return &StartValues::zoom2;
        case StartOption::Sun:
            return &StartValues::sunDisplay;
        case StartOption::Arrows:
            return &StartValues::directionArrows;
        case StartOption::Countdown:
            return &StartValues::countdownColumns;
        case StartOption::Talk:
            return &StartValues::voiceAnnounce;
        case StartOption::GroundTrack:
            return &StartValues::groundTrack;
        case StartOption::PhysicalMap:
            return &StartValues::physicalMap;
    }
    return &StartValues::rotorControl;
}

QChar Plus(bool on) {
    return on ? QLatin1Char('+') : QLatin1Char('-');
}

}  // namespace

TransmitStopLabel TransmitStopLabelFor(int seconds) {
    if (seconds < 1) {
        return {QStringLiteral("DISABLED!"), true};
    }
    return {QStringLiteral("after (sec):"), false};
}

QString SpinText(int value) {
    return QStringLiteral(" %1").arg(value);
}

void WriteSatStart(TrackingSession& session) {
    const QString path = session.folders().ConfigFile(QStringLiteral("SatStart.SQF"));
    StartValues values = session.storedValues();
    QStringList now;
    try {
        now = ReadSqfLines(path);
    } catch (const SqfError&) {
    }
    const auto fromFile = [&now](int line, bool& value) {
        if (now.size() >= line && !now[line - 1].isEmpty()) {
            value = now[line - 1].at(0) == QLatin1Char('+');
        }
    };
    fromFile(4, values.rotorServerInUse);
    fromFile(11, values.catServerInUse);
    fromFile(16, values.radioSatelliteMode);
    WriteStartValues(path, values);
}

void SwitchOptions::SetElementRefreshDays(int days) {
    session_.storedValues().elementRefreshDays = std::clamp(days, 1, kMaxElementRefreshDays);
}

SwitchOptions::SwitchOptions(TrackingSession& session, MapSwitches& map)
    : session_(session), map_(map) {}

void SwitchOptions::Opening() {
    session_.engine().Switches().announcements = session_.storedValues().voiceAnnounce;
}

bool SwitchOptions::Option(StartOption option) const {
    return session_.storedValues().*Member(option);
}

void SwitchOptions::SetOption(StartOption option, bool on) {
    session_.storedValues().*Member(option) = on;
    if (option == StartOption::Zoom2) {
        // The start's own copy too, so a zoom stored as "Z2" survives a start at W4 or W5.
        session_.runValues().zoom2 = on;
    } else if (option == StartOption::Countdown) {
        session_.engine().RequestMapRefresh();
    }
}

int SwitchOptions::Centring() const {
    switch (map_.centring) {
        case CentringMode::Observer:
            return kObserver;
        case CentringMode::GreenwichOrSecondObserver:
            return kGreenwich;
        case CentringMode::Satellite:
            return kSatellite;
    }
    return kObserver;
}

void SwitchOptions::ChooseCentring(int item) {
    for (StartValues* values : {&session_.storedValues(), &session_.runValues()}) {
        if (item == kSatellite) {
            values->centringFirst = QLatin1Char('-');
        } else {
            values->centringFirst = QLatin1Char('+');
            values->centringSecond = Plus(item == kObserver);
        }
    }
    const StartValues& run = session_.runValues();
    map_.centring = CentringFromFlags(run.centringFirst, run.centringSecond);
    session_.engine().RequestMapRefresh();
}

void SwitchOptions::ChooseModel(bool sgp8) {
    session_.storedValues().modelSgp8 = sgp8;
    session_.runValues().modelSgp8 = sgp8;
    session_.engine().Orbit().SetModel(sgp8 ? orbit::ModelChoice::Sgp8 : orbit::ModelChoice::Sgp4);
}

void SwitchOptions::ChooseLocalZone(bool local) {
    if (local != (session_.engine().View().Zone() == orbit::ZoneMode::Local)) {
        ApplyZoneMode(session_, local);
    }
}

void SwitchOptions::StepMapSeconds(int delta) {
    const int seconds = std::clamp(MapSeconds() + delta, 0, kMaxMapUpdateSeconds);
    session_.storedValues().mapUpdateSeconds = seconds;
    session_.runValues().mapUpdateSeconds = seconds;
    TrackingEngine& engine = session_.engine();
    engine.SetMapUpdate(seconds, 1000 / engine.TickIntervalMs());
}

void SwitchOptions::StepTransmitStop(int delta) {
    const int seconds = std::clamp(TransmitStopSeconds() + delta, 0, kMaxTransmitStopSeconds);
    session_.storedValues().transmitStopSeconds = seconds;
    session_.runValues().transmitStopSeconds = seconds;
}

void SwitchOptions::ChooseDtr(bool toggles) {
    session_.storedValues().radio2DtrToggles = toggles;
    session_.runValues().radio2DtrToggles = toggles;
}

bool SwitchOptions::DtrAvailable() const {
    return session_.settings().radio2.family != RadioFamily::None;
}

}  // namespace orbivox

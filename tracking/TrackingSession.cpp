#include "tracking/TrackingSession.h"

#include <QFileInfo>

#include "orbit/Squint.h"

namespace orbivox {
namespace {

int ClockYear(const orbit::Clock& clock) {
    return orbit::CivilFromJulianDate(clock.Now().local + orbit::kDisplayTimeToJulianDate).year;
}

}  // namespace

std::vector<int> MatchSelection(const QList<GroupMember>& members,
                                const std::vector<std::string>& setNames) {
    std::vector<int> selected;
    for (const GroupMember& member : members) {
        const std::string name = member.name.toStdString();
        for (size_t i = 0; i < setNames.size(); ++i) {
            if (setNames[i] == name) {
                selected.push_back(static_cast<int>(i) + 1);
                break;
            }
        }
    }
    return selected;
}

int WindowSizeCode(WindowSize size) {
    return static_cast<int>(size);
}

TrackingSession::TrackingSession(const orbit::Clock& clock, Folders folders)
    : clock_(clock),
      folders_(std::move(folders)),
      divOptions_(ReadDivOptions(folders_.ConfigFile(QStringLiteral("DivOptions.SQF")))),
      engine_(std::make_unique<TrackingEngine>(clock, ClockYear(clock))) {}

void TrackingSession::MarkSecondInstance() {
    secondInstance_ = true;
    runValues_.rotorServerInUse = false;
    runValues_.catServerInUse = false;
}

std::optional<LoaderFailure> TrackingSession::LoadSettings(
    const std::function<void()>& openSerialPorts) {
    if (settingsLoaded_) {
        return std::nullopt;
    }
    if (auto failure = RunSettingsLoader(folders_, settings_, openSerialPorts)) {
        return failure;
    }
    settingsLoaded_ = true;
    runValues_ = settings_.startValues;
    if (secondInstance_) {
        MarkSecondInstance();
    }
    group_ = settings_.groupNames.value(0);

    const StationSettings& station = settings_.station;
    orbit::ObserverSite site;
    site.altitude = station.altitudeText.toStdString();
    site.locator = station.locator.toStdString();
    site.longitude = station.longitude;
    site.latitude = station.latitude;
    site.utcOffset = station.utcOffset.toStdString();
    TrackingEngine& engine = *engine_;
    engine.Orbit().SetModel(runValues_.modelSgp8 ? orbit::ModelChoice::Sgp8
                                                 : orbit::ModelChoice::Sgp4);
    engine.SetSite(site, runValues_.localZone ? orbit::ZoneMode::Local : orbit::ZoneMode::Utc);
    engine.SetSquintEntries(settings_.squint);
    engine.SetMapUpdate(runValues_.mapUpdateSeconds, 1);

    TrackingSwitches& switches = engine.Switches();
    switches.windowSizeCode = WindowSizeCode(runValues_.windowSize);
    switches.countdownColumns = runValues_.countdownColumns;
    switches.sunDisplay = runValues_.sunDisplay;
    switches.catControl = runValues_.catControl;
    switches.rotorControl = runValues_.rotorControl;
    switches.autoChange = runValues_.autoChange;
    switches.announcements = runValues_.voiceAnnounce;
    switches.dataItemAlways = divOptions_.dataItemAlways;
    return std::nullopt;
}

ElementPartOutcome TrackingSession::LoadElements() {
    if (!QFileInfo::exists(settings_.sourceFile)) {
        return ElementPartOutcome::NoSourceFile;
    }
    orbit::OrbitEngine& orbit = engine_->Orbit();
    orbit.ReadElementFile(settings_.sourceFile.toStdString());
    std::vector<std::string> setNames;
    for (int i = 1; i <= orbit.Sets().Count(); ++i) {
        setNames.push_back(orbit.Sets()[i].name);
    }
    const std::vector<int> selected = MatchSelection(settings_.members, setNames);
    engine_->SetSelection(selected, 0);
    return selected.empty() ? ElementPartOutcome::NothingSelected : ElementPartOutcome::Tracking;
}

QStringList TrackingSession::SelectedNames() const {
    QStringList names;
    for (int index : engine_->Selected()) {
        names.append(QString::fromStdString(engine_->Orbit().Sets()[index].name));
    }
    return names;
}

}  // namespace orbivox

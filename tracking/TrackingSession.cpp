// Building a session: loading settings into the engine, reading the source file and matching
// the group's members, applying a new selection, and the folders the catalogue dialogs use.
#include "tracking/TrackingSession.h"

#include <QFileInfo>
#include <algorithm>

#include "catalogue/ElementFileReader.h"
#include "orbit/Squint.h"
#include "tracking/MapRefresh.h"

namespace orbivox {
namespace {

int ClockYear(const orbit::Clock& clock) {
    return orbit::CivilFromJulianDate(clock.Now().local + orbit::kDisplayTimeToJulianDate).year;
}

}  // namespace

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
    selection_.group = settings_.groupNames.value(0);
    selection_.groupIndex = 0;
    selection_.sourceFile = settings_.sourceFile;
    selection_.members = settings_.members;

    const orbit::ObserverSite site = ObserverSiteOf(settings_.station);
    TrackingEngine& engine = *engine_;
    // The names list is applied by the element reader itself, from the next reading on.
    orbivox::SetNameOptions(engine.Orbit().ReadOptions(), settings_.nameOptions,
                            settings_.namesList);
    engine.Orbit().SetModel(runValues_.modelSgp8 ? orbit::ModelChoice::Sgp8
                                                 : orbit::ModelChoice::Sgp4);
    engine.SetSite(site, runValues_.localZone ? orbit::ZoneMode::Local : orbit::ZoneMode::Utc);
    engine.SetSquintEntries(settings_.squint);
    engine.SetMapUpdate(runValues_.mapUpdateSeconds, 1);

    TrackingSwitches& switches = engine.Switches();
    switches.map = MapViewFromStart(runValues_);
    switches.countdownColumns = runValues_.countdownColumns;
    switches.sunDisplay = runValues_.sunDisplay;
    switches.rotorControl = runValues_.rotorControl;
    switches.autoChange = runValues_.autoChange;
    switches.announcements = runValues_.voiceAnnounce;
    switches.dataItemAlways = divOptions_.dataItemAlways;
    switches.dataItemRadioFrequencies = divOptions_.dataItemConverterFrequencies;
    switches.minElevation = settings_.station.minimumElevation;
    switches.countdownElevation = settings_.countdown.MinElevationDegrees();
    return std::nullopt;
}

ElementPartOutcome TrackingSession::LoadElements() {
    if (!QFileInfo::exists(selection_.sourceFile)) {
        return ElementPartOutcome::NoSourceFile;
    }
    SelectionState state = selection_;
    state.workingSlot = 0;
    ApplySelection(state);
    return selection_.selected.empty() ? ElementPartOutcome::NothingSelected
                                       : ElementPartOutcome::Tracking;
}

void TrackingSession::ApplySelection(const SelectionState& state) {
    selection_ = state;
    selection_.selected.clear();
    elementNote_.clear();
    if (QFileInfo::exists(selection_.sourceFile)) {
        const orbit::ElementReadResult read = ReadAndMatch();
        if (read.pastLimit) {
            elementNote_ = QString::fromStdString(
                orbit::PastLimitNote(selection_.sourceFile.toStdString(), read));
        }
    }
    const int count = selection_.SelectedCount();
    if (selection_.workingSlot < 0 || selection_.workingSlot >= count) {
        selection_.workingSlot = count > 0 ? 0 : -1;
    }
    engine_->SetSelection(selection_.selected, std::max(selection_.workingSlot, 0));
    engine_->RequestMapRefresh();
}

orbit::ElementReadResult TrackingSession::ReadAndMatch() {
    const orbit::ElementReadResult read =
        ReadElementFileByContent(selection_.sourceFile.toStdString(), engine_->Orbit());
    if (read.format != orbit::ElementFormat::None) {
        selection_.selected = MatchSelection(selection_.members, read.names);
    }
    return read;
}

bool TrackingSession::ReloadElements() {
    orbit::OrbitEngine& orbit = engine_->Orbit();
    const std::string working = engine_->WorkingSetIndex() > 0 ? engine_->WorkingName() : "";
    if (ReadAndMatch().format == orbit::ElementFormat::None) {
        return false;
    }
    const int oldSlot = selection_.workingSlot;
    selection_.workingSlot = selection_.SelectedCount() > 0 ? 0 : -1;
    for (int slot = 0; slot < selection_.SelectedCount(); ++slot) {
        if (orbit.Sets()[selection_.selected[static_cast<size_t>(slot)]].name == working) {
            selection_.workingSlot = slot;
            break;
        }
    }
    if (selection_.workingSlot == oldSlot && oldSlot >= 0) {
        engine_->RefreshSets(selection_.selected);
    } else {
        engine_->SetSelection(selection_.selected, std::max(selection_.workingSlot, 0));
        engine_->RequestMapRefresh();
    }
    return true;
}

void TrackingSession::SetNameOptions(const NameOptions& options) {
    settings_.nameOptions = options;
    orbivox::SetNameOptions(engine_->Orbit().ReadOptions(), options, settings_.namesList);
}

CatalogueContext TrackingSession::CatalogueFiles() const {
    CatalogueContext context;
    context.configFolder = folders_.configDataFolder;
    context.mainDataFolder = folders_.mainDataFolder;
    context.sourceListPath = folders_.MainFile(SourceListFileName(folders_.slot));
    context.slotNumeral = QLatin1String(folders_.numeral());
    context.sourceMask = settings_.station.sourceMask;
    context.openFolderText = settings_.station.openFolderText;
    return context;
}

QStringList TrackingSession::SelectedNames() const {
    QStringList names;
    for (int index : engine_->Selected()) {
        names.append(QString::fromStdString(engine_->Orbit().Sets()[index].name));
    }
    return names;
}

}  // namespace orbivox

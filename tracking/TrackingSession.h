#pragma once
// One run of the tracker without its windows: folders, settings, the element source and
// the tracking engine, put together as the start-up does it. The desktop program and the
// command-line tool each make one; tests make theirs on a scratch folder.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "catalogue/SatelliteChoice.h"
#include "catalogue/Selection.h"
#include "orbit/TimeScales.h"
#include "settings/Folders.h"
#include "tracking/SettingsLoader.h"
#include "tracking/StationSettings.h"
#include "tracking/TrackingEngine.h"

namespace orbivox {

enum class ElementPartOutcome {
    Tracking,         // satellites selected, the timer may start
    NothingSelected,  // the satellites dialog should open
    NoSourceFile,     // the group's source file is missing
};

class TrackingSession {
public:
    TrackingSession(const orbit::Clock& clock, Folders folders);

    // The settings part runs once per program run; later calls are skipped.
    std::optional<LoaderFailure> LoadSettings(const std::function<void()>& openSerialPorts);
    // The element part: every call reads the source file and matches the selection.
    ElementPartOutcome LoadElements();
    // What the last reading of the source file has to tell once (sets past its limit left
    // out); empty when nothing.
    const QString& elementNote() const { return elementNote_; }

    // The run-time copies of the start values; a second instance switches the servers
    // and radio 1 off here without touching what the files say.
    void MarkSecondInstance();
    bool IsSecondInstance() const { return secondInstance_; }

    const Folders& folders() const { return folders_; }
    const LoadedSettings& settings() const { return settings_; }
    DivOptions& divOptions() { return divOptions_; }
    TrackingEngine& engine() { return *engine_; }
    // The running selection: group, source file, members, matched sets, working slot.
    const SelectionState& selection() const { return selection_; }
    const QString& group() const { return selection_.group; }
    const QString& sourceFile() const { return selection_.sourceFile; }
    const QList<GroupMember>& members() const { return selection_.members; }
    // Takes a selection the satellites dialog handed back: the source file is read again
    // into the engine and the members matched against it; the working slot is kept when
    // it still names a satellite, else the first one works.
    void ApplySelection(const SelectionState& state);
    // The source file read again after a refresh replaced it: the members are matched anew
    // and the working satellite is kept by its name. While it keeps its slot nothing of its
    // pass is decided again. False, with nothing changed, when the file holds no sets.
    bool ReloadElements();
    // The group list changed around the group in use: its index follows its name.
    void SetGroupIndex(int index) { selection_.groupIndex = index; }
    // New name options from "Sat. Names", for the next reading of a source file.
    void SetNameOptions(const NameOptions& options);
    // What the satellites dialog needs to find its files.
    CatalogueContext CatalogueFiles() const;
    // Names of the selected satellites, in slot order.
    QStringList SelectedNames() const;
    // The start values in force this run (file values, less second-instance overrides).
    const StartValues& startValues() const { return runValues_; }
    // The values the switches and the Options dialog change as the run goes on.
    StartValues& runValues() { return runValues_; }
    // The start values as read or as edited since, without a second instance's overrides:
    // what SatStart.SQF is written from.
    StartValues& storedValues() { return settings_.startValues; }
    // The transponder table of this run; the frequency-store dialog updates an entry in
    // place after writing it, so the next selection sees the stored values.
    QList<TransponderEntry>& transponders() { return settings_.transponders; }
    int radio1Port() const { return secondInstance_ ? 0 : settings_.station.radio1Port; }

private:
    // The source file read into the orbit engine and, when it holds sets, the group's members
    // matched to them.
    orbit::ElementReadResult ReadAndMatch();
    const orbit::Clock& clock_;
    Folders folders_;
    DivOptions divOptions_;
    LoadedSettings settings_;
    StartValues runValues_;
    bool settingsLoaded_ = false;
    bool secondInstance_ = false;
    SelectionState selection_;
    QString elementNote_;
    std::unique_ptr<TrackingEngine> engine_;
};

}  // namespace orbivox

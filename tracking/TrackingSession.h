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

#include "orbit/TimeScales.h"
#include "tracking/Folders.h"
#include "tracking/SettingsLoader.h"
#include "tracking/StationSettings.h"
#include "tracking/TrackingEngine.h"

namespace orbivox {

// The selected index table: for each member in order, the first set of exactly that name
// (in file order); members without a set are dropped.
std::vector<int> MatchSelection(const QList<GroupMember>& members,
                                const std::vector<std::string>& setNames);

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

    // The run-time copies of the start values; a second instance switches the servers
    // and radio 1 off here without touching what the files say.
    void MarkSecondInstance();
    bool IsSecondInstance() const { return secondInstance_; }

    const Folders& folders() const { return folders_; }
    const LoadedSettings& settings() const { return settings_; }
    DivOptions& divOptions() { return divOptions_; }
    TrackingEngine& engine() { return *engine_; }
    const QString& group() const { return group_; }
    const QList<GroupMember>& members() const { return settings_.members; }
    // Names of the selected satellites, in slot order.
    QStringList SelectedNames() const;
    // The start values in force this run (file values, less second-instance overrides).
    const StartValues& startValues() const { return runValues_; }
    int radio1Port() const { return secondInstance_ ? 0 : settings_.station.radio1Port; }

private:
    const orbit::Clock& clock_;
    Folders folders_;
    DivOptions divOptions_;
    LoadedSettings settings_;
    StartValues runValues_;
    bool settingsLoaded_ = false;
    bool secondInstance_ = false;
    QString group_;
    std::unique_ptr<TrackingEngine> engine_;
};

// Window size code of a start value (W1 = 1 ... W5 = 5).
int WindowSizeCode(WindowSize size);

}  // namespace orbivox

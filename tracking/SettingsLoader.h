#pragma once
// The settings part of the start-up loader: 37 steps in a fixed order, each reading the
// files of one subsystem into LoadedSettings. Serial ports are opened between steps 22
// and 23 by the caller's hook.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "tracking/Folders.h"
#include "tracking/LoaderSteps.h"
#include "tracking/StartValues.h"
#include "tracking/StationSettings.h"

namespace orbivox {

struct LoadedSettings {
    StationSettings station;
    QList<long long> parallelPorts;
    long long parallelPortAddress = 0;
    StartValues startValues;
    QStringList groupNames;  // SatFiles.SQF
    QString sourceFile;      // the current group's element source file (full path)
    // Files whose meaning their own subsystems give; kept as read until those subsystems
    // take them over, so the loader already fails exactly where a file is missing.
    QMap<QString, QStringList> filesAsRead;
};

// The 37 steps for the given folders, reading into settings.
std::vector<LoaderStep> SettingsLoaderSteps(const Folders& folders, LoadedSettings& settings);

// Runs steps 1-22, the port hook, then steps 23-37.
std::optional<LoaderFailure> RunSettingsLoader(const Folders& folders, LoadedSettings& settings,
                                               const std::function<void()>& openSerialPorts);

// The slot's source list file name: "SatSources.SQF", "SatSourcesII.SQF", ...
QString SourceListFileName(int slot);

}  // namespace orbivox

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

#include "catalogue/GroupFiles.h"
#include "catalogue/LauncherLists.h"
#include "catalogue/SatelliteNames.h"
#include "orbit/Priority.h"
#include "orbit/Squint.h"
#include "radio/PortLines.h"
#include "radio/RadioFamily.h"
#include "radio/RadioFiles.h"
#include "radio/ToneTable.h"
#include "radio/TransponderTable.h"
#include "radio/TuningFiles.h"
#include "rotator/PositioningFiles.h"
#include "rotator/ServerFiles.h"
#include "rotator/StandardDirections.h"
#include "settings/Folders.h"
#include "tracking/CountdownSettings.h"
#include "tracking/LoaderSteps.h"
#include "tracking/StartValues.h"
#include "tracking/StationSettings.h"

namespace orbivox {

// Everything the settings part of the loader read, in loader order.
struct LoadedSettings {
    RadioFamily radio1Family = RadioFamily::None;  // 1
    FlipSettings flip;                             // 2
    bool autoPark = false;                         // 3
    ParkPosition parkPosition;                     // 4
    QStringList groupNames;                        // 5 SatFiles.SQF
    StationSettings station;                       // 6 SatIni.SQF
    AntennaCorrections antennaCorrections;         //   AntKorr.SQF
    QList<long long> parallelPorts;                //   ParPort.SQF
    long long parallelPortAddress = 0;
    RadioFiles radio1Files;                  // 7-11 every family's files of radio 1
    NamesList namesList;                     // 12
    NameOptions nameOptions;                 // 13
    PortLines portLines;                     // 14
    CountdownSettings countdown;             // 15
    SecondRadioSettings radio2;              // 16
    RadioFiles radio2Files;                  // 17-21 every family's files of radio 2
    std::vector<orbit::SquintEntry> squint;  // 23
    QList<ToneEntry> tones;                  // 24
    double fmInterval = 0;                   // 25 Hz
    double ssbInterval = 0;                  // 26 Hz
    QStringList sourceList;                  // 27
    QString sourceFile;                      // the current group's element source file (full path)
    QList<GroupMember> members;              // 28
    QList<TransponderEntry> transponders;    // 29
    std::vector<orbit::PriorityEntry> priorities;  // 30
    StartValues startValues;                       // 31
    RotorUpdateOptions rotorUpdate;                // 32
    QList<StandardDirection> standardDirections;   // 33
    QStringList programs;                          // 34
    QStringList auxiliaryFiles;                    // 35
    QString rotorServerPath;                       // 36
    QString catServerPath;
    CorrectionSettings correction;  // 37
    QStringList warnings;           // one line each: what was read with a fault and how
};

// The 37 steps for the given folders, reading into settings.
std::vector<LoaderStep> SettingsLoaderSteps(const Folders& folders, LoadedSettings& settings);

// Runs steps 1-22, the port hook, then steps 23-37.
std::optional<LoaderFailure> RunSettingsLoader(const Folders& folders, LoadedSettings& settings,
                                               const std::function<void()>& openSerialPorts);

// The slot's source list file name: "SatSources.SQF", "SatSourcesII.SQF", ...
QString SourceListFileName(int slot);

}  // namespace orbivox

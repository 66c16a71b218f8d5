#pragma once
// The start sequence up to the first tracking tick, without windows: folders, the
// options read before any window exists, the instance checks, the start values, the
// loader's settings part and its element part.
#include <memory>

#include "orbit/TimeScales.h"
#include "settings/Folders.h"
#include "settings/Notifier.h"
#include "tracking/InstanceChecks.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

struct StartResult {
    std::unique_ptr<InstanceChecks> instance;  // holds the program's lock for the run
    std::unique_ptr<TrackingSession> session;  // null when the start ended
    ElementPartOutcome elements = ElementPartOutcome::Tracking;
    int exitCode = 0;  // non-zero when the start ended with a message
};

struct StartOptions {
    QString runtimeFolder;  // for the lock files; empty: UserRuntimeFolder()
    std::function<void()> openSerialPorts;
};

StartResult StartProgram(const orbit::Clock& clock, const FolderEnvironment& environment,
                         Notifier& notifier, const StartOptions& options = {});

// The message shown when SatStart.SQF cannot be read as the main window is made.
QString SatStartFailureMessage(const Folders& folders);

}  // namespace orbivox

#pragma once
// The checks made before the main window appears: a sibling program that must not run at
// the same time, and a second copy of this program. Named system-wide locks are lock
// files in the user's private runtime folder (settings/RuntimeFolder.h); a lock left by a
// crashed process is taken over.
#include <QLockFile>
#include <QString>
#include <memory>

#include "settings/Notifier.h"

namespace orbivox {

enum class InstanceVerdict {
    FirstInstance,
    SecondInstance,  // the operator chose to start a second copy: no rotor, CAT or radio port
    EndProgram,
};

class InstanceChecks {
public:
    // runtimeFolder: where the lock files live, already made private to the user
    // (PreparePrivateFolder).
    explicit InstanceChecks(QString runtimeFolder);

    // Runs the checks, asking and telling through notifier. The program's own lock is held
    // for the life of this object.
    InstanceVerdict Run(Notifier& notifier);

private:
    QString folder_;
    std::unique_ptr<QLockFile> ownLock_;
};

}  // namespace orbivox

// The instance checks: the sibling's lock tried and let go, and this program's own lock held
// for the whole run.
#include "tracking/InstanceChecks.h"

#include <QDir>

namespace orbivox {
namespace {

constexpr const char* kSiblingRunning = "Orbivox32 cannot run at the same time with Tesmo32!";
constexpr const char* kAlreadyRunning =
    "Orbivox32 currently running!\rDo you want to start a second instance?\r"
    "(rotor- and cat-control will be deactivated)";

}  // namespace

InstanceChecks::InstanceChecks(QString runtimeFolder) : folder_(std::move(runtimeFolder)) {}

InstanceVerdict InstanceChecks::Run(Notifier& notifier) {
    QLockFile sibling(QDir(folder_).filePath(QStringLiteral("Tesmo32.lock")));
    if (!sibling.tryLock(0)) {
        notifier.Message(QLatin1String(kSiblingRunning));
        return InstanceVerdict::EndProgram;
    }
    sibling.unlock();

    ownLock_ =
        std::make_unique<QLockFile>(QDir(folder_).filePath(QStringLiteral("Orbivox32.lock")));
    ownLock_->setStaleLockTime(0);  // only a dead owner makes the lock stale
    if (ownLock_->tryLock(0)) {
        return InstanceVerdict::FirstInstance;
    }
    ownLock_.reset();
    return notifier.AskYesNo(QLatin1String(kAlreadyRunning)) ? InstanceVerdict::SecondInstance
                                                             : InstanceVerdict::EndProgram;
}

}  // namespace orbivox

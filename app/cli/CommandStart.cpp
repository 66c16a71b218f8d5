// Starting the program for a command-line command: runs the desktop start sequence with a
// notifier that prints to standard error, and gives up unless the group's satellites track.
#include "app/cli/CommandStart.h"

#include <QCoreApplication>

#include "app/cli/PrintingNotifier.h"

namespace orbivox::cli {

Folders FoldersInUse() {
    return ResolveFolders(
        FolderEnvironment::FromEnvironment(QCoreApplication::applicationDirPath()));
}

CommandStart StartForCommand(const orbit::Clock& clock, const std::string& command,
                             std::ostream& err) {
    PrintingNotifier notifier(err);
    CommandStart result;
    result.start = StartProgram(
        clock, FolderEnvironment::FromEnvironment(QCoreApplication::applicationDirPath()),
        notifier);
    if (!result.start.session) {
        result.exitCode = result.start.exitCode;
        return result;
    }
    if (result.start.elements == ElementPartOutcome::NothingSelected) {
        TrackingSession& session = *result.start.session;
        // A source file that could not be read at all says why rather than that it is empty.
        const std::string& readError = session.engine().Orbit().LastReadError();
        if (!readError.empty()) {
            err << "orbivox " << command << ": " << readError << "\n";
        } else {
            err << "orbivox " << command << ": no satellite of group "
                << session.group().toStdString() << " is in the source file "
                << session.settings().sourceFile.toStdString() << "\n";
        }
    }
    if (result.start.elements != ElementPartOutcome::Tracking) {
        result.start.session.reset();
        result.exitCode = 1;
    }
    return result;
}

}  // namespace orbivox::cli

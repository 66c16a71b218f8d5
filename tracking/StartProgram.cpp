// Running the start sequence in order and stopping at the first failure, with the message
// shown when SatStart.SQF cannot be read.
#include "tracking/StartProgram.h"

#include "catalogue/Selection.h"
#include "settings/RuntimeFolder.h"
#include "settings/SqfFile.h"
#include "tracking/StartValues.h"

namespace orbivox {

QString SatStartFailureMessage(const Folders& folders) {
    return QStringLiteral(
               "Error while loading file SatStart.SQF\r"
               "The file is located in the Orbivox32 DATA folder\r") +
           folders.configDataFolder + QStringLiteral("\r") +
           QStringLiteral("(for configurations #2 ... #4 in the sub folders CfgII ... CfgIV).") +
           QStringLiteral("\r") +
           QStringLiteral(
               "Please, read the FAQs file (section 5p) for hints about how to fix "
               "the problem.") +
           QStringLiteral("\r") +
           QStringLiteral(
               "The bundled default of every settings file is in the folder data/ "
               "beside the program; docs/data-files.md describes each file.") +
           QStringLiteral("\r") + QStringLiteral("The program will now be closed.");
}

StartResult StartProgram(const orbit::Clock& clock, const FolderEnvironment& environment,
                         Notifier& notifier, const StartOptions& options) {
    StartResult result;
    const Folders folders = ResolveFolders(environment);
    const DivOptions divOptions =
        ReadDivOptions(folders.ConfigFile(QStringLiteral("DivOptions.SQF")));

    bool secondInstance = false;
    if (divOptions.instanceChecks) {
        const QString runtimeFolder =
            options.runtimeFolder.isEmpty() ? UserRuntimeFolder() : options.runtimeFolder;
        // A lock in a folder others can reach could be held or removed by them.
        if (const auto refusal = PreparePrivateFolder(runtimeFolder)) {
            notifier.Error(*refusal);
            result.exitCode = 1;
            return result;
        }
        result.instance = std::make_unique<InstanceChecks>(runtimeFolder);
        switch (result.instance->Run(notifier)) {
            case InstanceVerdict::EndProgram:
                result.exitCode = 1;
                return result;
            case InstanceVerdict::SecondInstance:
                secondInstance = true;
                break;
            case InstanceVerdict::FirstInstance:
                break;
        }
    }

    // The main window reads its start values before the loader runs.
    try {
        ReadStartValues(folders.ConfigFile(QStringLiteral("SatStart.SQF")));
    } catch (const SqfError&) {
        notifier.Message(SatStartFailureMessage(folders));
        result.exitCode = 1;
        return result;
    }

    auto session = std::make_unique<TrackingSession>(clock, folders);
    if (secondInstance) {
        session->MarkSecondInstance();
    }
    if (const auto failure = session->LoadSettings(options.openSerialPorts)) {
        notifier.Message(LoaderFailureMessage(failure->label, failure->reason));
        result.exitCode = 1;
        return result;
    }
    for (const QString& warning : session->settings().warnings) {
        notifier.Warning(warning);
    }
    result.elements = session->LoadElements();
    if (!session->elementNote().isEmpty()) {
        notifier.Warning(session->elementNote());
    }
    if (result.elements == ElementPartOutcome::NoSourceFile) {
        notifier.Message(MissingSourceWarning(session->group()));
    }
    result.session = std::move(session);
    return result;
}

}  // namespace orbivox

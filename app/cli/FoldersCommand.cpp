// The "folders" command: prints the program folder, the data folders and the configuration
// slot in use, as resolved from the environment.

#include "app/cli/CommandStart.h"
#include "app/cli/Commands.h"
#include "settings/Folders.h"

namespace orbivox::cli {

const char* const kFoldersUsage = "usage: orbivox folders\n";

const char* const kFoldersHelp =
    "Prints the folders in use (program folder, data root, main data folder, configuration\n"
    "data folder, configuration), one \"name: path\" line each. No options.\n";

int RunFolders(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << kFoldersUsage;
        return 2;
    }
    const Folders folders = FoldersInUse();
    out << "program folder: " << folders.programFolder.toStdString() << '\n'
        << "data root: " << folders.dataRoot.toStdString() << '\n'
        << "main data folder: " << folders.mainDataFolder.toStdString() << '\n'
        << "configuration data folder: " << folders.configDataFolder.toStdString() << '\n'
        << "configuration: " << kConfigurationSlots[folders.slot].caption << " ("
        << folders.folderText() << ")\n";
    return 0;
}

}  // namespace orbivox::cli

#pragma once
// The desktop program's start sequence for a command-line command: folders, instance checks,
// settings and the group's satellites. Messages go to standard error.
#include <ostream>
#include <string>

#include "orbit/TimeScales.h"
#include "tracking/StartProgram.h"

namespace orbivox::cli {

// The started program; its session is null when the start ended, and `exitCode` says how.
struct CommandStart {
    StartResult start;
    int exitCode = 0;
};

// The folders of the configuration in use, resolved from the environment; on the first start
// the data folder is made from the bundled defaults.
Folders FoldersInUse();

CommandStart StartForCommand(const orbit::Clock& clock, const std::string& command,
                             std::ostream& err);

}  // namespace orbivox::cli

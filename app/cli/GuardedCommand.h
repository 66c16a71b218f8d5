#pragma once
// Running one command of the tool: its --help, and a last net so that nothing a command throws
// ends the tool with an abort; the message goes to standard error with exit status 1.
#include <exception>
#include <functional>
#include <ostream>
#include <string>

#include "app/cli/Commands.h"

namespace orbivox::cli {

using Command = std::function<int(const Arguments&, std::ostream&, std::ostream&)>;

inline bool AsksForHelp(const Arguments& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

// `help` follows the usage text in the answer to --help.
inline int RunGuarded(const std::string& name, const Command& command, const char* usage,
                      const Arguments& args, std::ostream& out, std::ostream& err,
                      const std::string& help = std::string()) {
    if (AsksForHelp(args)) {
        out << usage << help;
        return 0;
    }
    try {
        return command(args, out, err);
    } catch (const std::exception& e) {
        out.flush();
        err << "orbivox " << name << ": " << e.what() << '\n';
    } catch (...) {
        out.flush();
        err << "orbivox " << name << ": stopped by an unexpected failure\n";
    }
    return 1;
}

}  // namespace orbivox::cli

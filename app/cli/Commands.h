#pragma once
// The sub-commands of the command-line tool. Each takes the arguments after its name and
// returns the exit status: 0 success, 1 failure of the work, 2 bad usage.
#include <ostream>
#include <string>
#include <vector>

namespace orbivox::cli {

using Arguments = std::vector<std::string>;

int RunDownload(const Arguments& args, std::ostream& out, std::ostream& err);
int RunFolders(const Arguments& args, std::ostream& out, std::ostream& err);
int RunTrack(const Arguments& args, std::ostream& out, std::ostream& err);
int RunLook(const Arguments& args, std::ostream& out, std::ostream& err);
int RunPasses(const Arguments& args, std::ostream& out, std::ostream& err);
int RunSun(const Arguments& args, std::ostream& out, std::ostream& err);
int RunMap(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace orbivox::cli

int RunPropagate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

#pragma once
// The sub-commands of the command-line tool. Each takes the arguments after its name and
// returns the exit status: 0 success, 1 failure of the work, 2 bad usage.
#include <ostream>
#include <string>
#include <vector>

namespace orbivox::cli {

using Arguments = std::vector<std::string>;

// Each command's usage text: its answer to --help (on standard output) and part of its
// usage errors (on standard error).
extern const char* const kDownloadUsage;
extern const char* const kFoldersUsage;
extern const char* const kTrackUsage;
extern const char* const kLookUsage;
extern const char* const kPassesUsage;
extern const char* const kSunUsage;
extern const char* const kMapUsage;
extern const char* const kPropagateUsage;
extern const char* const kDdeUsage;
extern const char* const kEmulateUsage;
extern const char* const kSkyUsage;

int RunDownload(const Arguments& args, std::ostream& out, std::ostream& err);
int RunFolders(const Arguments& args, std::ostream& out, std::ostream& err);
int RunTrack(const Arguments& args, std::ostream& out, std::ostream& err);
int RunLook(const Arguments& args, std::ostream& out, std::ostream& err);
int RunPasses(const Arguments& args, std::ostream& out, std::ostream& err);
int RunSun(const Arguments& args, std::ostream& out, std::ostream& err);
int RunMap(const Arguments& args, std::ostream& out, std::ostream& err);
int RunDde(const Arguments& args, std::ostream& out, std::ostream& err);
int RunEmulate(const Arguments& args, std::ostream& out, std::ostream& err);
int RunSky(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace orbivox::cli

int RunPropagate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

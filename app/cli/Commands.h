#pragma once
// The sub-commands of the command-line tool. Each takes the arguments after its name and
// returns the exit status: 0 success, 1 failure of the work, 2 bad usage.
#include <ostream>
#include <string>
#include <vector>

namespace orbivox::cli {

using Arguments = std::vector<std::string>;

// Each command's usage text, part of its usage errors (on standard error), and its help: what
// it does and what each option means. --help answers with both, on standard output.
extern const char* const kDownloadUsage;
extern const char* const kDownloadHelp;
extern const char* const kFoldersUsage;
extern const char* const kFoldersHelp;
extern const char* const kTrackUsage;
extern const char* const kTrackHelp;
extern const char* const kLookUsage;
extern const char* const kLookHelp;
extern const char* const kPassesUsage;
extern const char* const kPassesHelp;
extern const char* const kSunUsage;
extern const char* const kSunHelp;
extern const char* const kMapUsage;
extern const char* const kMapHelp;
extern const char* const kPropagateUsage;
extern const char* const kPropagateHelp;
extern const char* const kDdeUsage;
extern const char* const kDdeHelp;
extern const char* const kEmulateUsage;
extern const char* const kEmulateHelp;
extern const char* const kSkyUsage;
extern const char* const kSkyHelp;
extern const char* const kStationUsage;
extern const char* const kStationHelp;

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
int RunStation(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace orbivox::cli

int RunPropagate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// orbivox: the command-line companion of the desktop program, for scripts and headless
// stations. Same engine, same data folders. Output formats are documented in docs/cli.md.
#include <QCoreApplication>
#include <QGuiApplication>
#include <functional>
#include <iostream>
#include <map>
#include <memory>

#include "app/cli/Commands.h"
#include "app/cli/GuardedCommand.h"

namespace {

using namespace orbivox::cli;

struct CommandEntry {
    Command run;
    const char* usage;
};

const std::map<std::string, CommandEntry>& CommandTable() {
    static const std::map<std::string, CommandEntry> table = {
        {"download", {RunDownload, kDownloadUsage}},
        {"folders", {RunFolders, kFoldersUsage}},
        {"track", {RunTrack, kTrackUsage}},
        {"look", {RunLook, kLookUsage}},
        {"passes", {RunPasses, kPassesUsage}},
        {"sun", {RunSun, kSunUsage}},
        {"map", {RunMap, kMapUsage}},
        {"propagate", {RunPropagate, kPropagateUsage}},
        {"dde", {RunDde, kDdeUsage}},
        {"emulate", {RunEmulate, kEmulateUsage}},
        {"sky", {RunSky, kSkyUsage}},
    };
    return table;
}

void PrintUsage(std::ostream& out) {
    out << "usage: orbivox --version\n"
           "       orbivox COMMAND [ARGUMENTS]\n"
           "commands:";
    for (const auto& [name, command] : CommandTable()) {
        out << ' ' << name;
    }
    out << "\nSee docs/cli.md for each command's arguments and output.\n";
}

}  // namespace

int main(int argc, char** argv) {
    // A command that draws text needs the fonts a GUI application brings; it runs on the
    // offscreen platform, so no screen is needed.
    const bool draws =
        argc >= 2 && (std::string(argv[1]) == "map" || std::string(argv[1]) == "sky");
    if (draws && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::unique_ptr<QCoreApplication> app =
        draws ? std::make_unique<QGuiApplication>(argc, argv)
              : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orbivox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBIVOX_VERSION));
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--version") {
        std::cout << "orbivox " << ORBIVOX_VERSION << '\n';
        return 0;
    }
    if (name == "--help" || name == "-h") {
        PrintUsage(std::cout);
        return 0;
    }
    const auto found = CommandTable().find(name);
    if (found == CommandTable().end()) {
        std::cerr << "orbivox: unknown command \"" << name << "\"\n";
        PrintUsage(std::cerr);
        return 2;
    }
    const Arguments args(argv + 2, argv + argc);
    return RunGuarded(name, found->second.run, found->second.usage, args, std::cout, std::cerr);
}

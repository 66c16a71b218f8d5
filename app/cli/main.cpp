// orbivox: the command-line companion of the desktop program, for scripts and headless
// stations. Same engine, same data folders. Output formats are documented in docs/cli.md.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    const char* help;
};

const std::map<std::string, CommandEntry>& CommandTable() {
    static const std::map<std::string, CommandEntry> table = {
        {"download", {RunDownload, kDownloadUsage, kDownloadHelp}},
        {"folders", {RunFolders, kFoldersUsage, kFoldersHelp}},
        {"track", {RunTrack, kTrackUsage, kTrackHelp}},
        {"look", {RunLook, kLookUsage, kLookHelp}},
        {"passes", {RunPasses, kPassesUsage, kPassesHelp}},
        {"sun", {RunSun, kSunUsage, kSunHelp}},
        {"map", {RunMap, kMapUsage, kMapHelp}},
        {"propagate", {RunPropagate, kPropagateUsage, kPropagateHelp}},
        {"dde", {RunDde, kDdeUsage, kDdeHelp}},
        {"emulate", {RunEmulate, kEmulateUsage, kEmulateHelp}},
        {"sky", {RunSky, kSkyUsage, kSkyHelp}},
        {"station", {RunStation, kStationUsage, kStationHelp}},
    };
    return table;
}

// Where the documents are: installed, share/doc/orbivox32 beside the programs' bin/; a build
// tree has none, its documents are the source tree's docs/.
std::string DocumentFolder() {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../" ORBIVOX_DOC_FOLDER));
    return QFileInfo::exists(installed + QStringLiteral("/cli.md"))
               ? installed.toStdString() + "/"
               : std::string("docs/ of the source tree");
}

// Where to read more, after the usage of the tool or of a command.
std::string WhereToReadMore() {
    return "Read more: man orbivox; cli.md and the other documents in " + DocumentFolder() + "\n";
}

void PrintUsage(std::ostream& out) {
    out << "usage: orbivox --version\n"
           "       orbivox COMMAND [ARGUMENTS]\n"
           "       orbivox COMMAND --help\n"
           "commands:";
    for (const auto& [name, command] : CommandTable()) {
        out << ' ' << name;
    }
    out << "\nEach command's --help describes its options. " << WhereToReadMore();
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
    const CommandEntry& command = found->second;
    return RunGuarded(name, command.run, command.usage, args, std::cout, std::cerr,
                      std::string(command.help) + WhereToReadMore());
}

// What every command of orbivox shares: --help, the last net for failures nobody foresaw, and
// element files that cannot be read; and propagate on re-entering objects.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sstream>
#include <stdexcept>

#include "app/cli/GuardedCommand.h"
#include "tests/app/CliRunner.h"

namespace {

const QString kElements = QString(ORBIVOX_TEST_DATA) + "/elements-2026.txt";

// --help answers with the usage, then a line for each option the usage names (a help line
// that starts with it), then where to read more.
TEST(CliCommands, EveryCommandAnswersHelpDescribingEachOption) {
    QTemporaryDir home;
    const QRegularExpression option(QStringLiteral("--[a-z-]+"));
    for (const QString command : {"download", "folders", "track", "look", "passes", "sun", "map",
                                  "propagate", "dde", "emulate", "sky"}) {
        SCOPED_TRACE(command.toStdString());
        for (const QStringList& extra : {QStringList{"--help"}, QStringList{"--at", "x", "-h"}}) {
            const CliRun run = RunCli(QStringList{command} + extra, home.path());
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_TRUE(run.out.startsWith("usage: orbivox " + command)) << run.out.toStdString();
            EXPECT_TRUE(run.out.contains("man orbivox")) << run.out.toStdString();
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        }
        const QStringList lines = RunCli({command, "--help"}, home.path()).out.split('\n');
        qsizetype helpStart = 0;  // the usage is "usage:" and its indented continuation lines
        while (helpStart < lines.size() &&
               (lines[helpStart].startsWith("usage:") || lines[helpStart].startsWith(' '))) {
            ++helpStart;
        }
        const QStringList usage = lines.mid(0, helpStart);
        const QStringList help = lines.mid(helpStart);
        auto named = option.globalMatch(usage.join('\n'));
        while (named.hasNext()) {
            const QString name = named.next().captured();
            const QRegularExpression described("^\\s+" + name + "(\\s.*)?$");  // whole line
            EXPECT_TRUE(help.indexOf(described) >= 0)
                << name.toStdString() << " is not described in:\n"
                << help.join('\n').toStdString();
        }
    }
    const CliRun tool = RunCli({"--help"}, home.path());
    EXPECT_EQ(tool.exitCode, 0);
    EXPECT_TRUE(tool.out.contains("man orbivox")) << tool.out.toStdString();
    EXPECT_TRUE(tool.out.contains("documents in ")) << tool.out.toStdString();
}

TEST(CliCommands, AFailureEscapingACommandIsAMessageAndStatus1) {
    struct Case {
        orbivox::cli::Command command;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](const orbivox::cli::Arguments&, std::ostream&, std::ostream&) -> int {
             throw std::runtime_error("basic_filebuf::underflow error reading the file");
         },
         "orbivox propagate: basic_filebuf::underflow error reading the file\n"},
        {[](const orbivox::cli::Arguments&, std::ostream&, std::ostream&) -> int { throw 42; },
         "orbivox propagate: stopped by an unexpected failure\n"},
        {[](const orbivox::cli::Arguments&, std::ostream& out, std::ostream&) {
             out << "done\n";
             return 0;
         },
         ""},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        const int status =
            orbivox::cli::RunGuarded("propagate", c.command, "usage\n", {"FILE"}, out, err);
        EXPECT_EQ(status, c.message.empty() ? 0 : 1);
        EXPECT_EQ(err.str(), c.message);
    }
}

TEST(CliCommands, AFolderGivenAsElementFileIsRefusedNamingIt) {
    QTemporaryDir home;
    const QString folder = home.filePath("Kepler");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString site = "48.15,11.58,520", at = "2026-08-23T00:00:00Z";
    const std::vector<QStringList> commands = {
        {"propagate", folder},
        {"look", "--site", site, "--at", at, folder},
        {"passes", "--site", site, "--from", at, folder},
    };
    const QString message = "cannot read \"" + folder + "\": it is a folder, not a file\n";
    for (const QStringList& args : commands) {
        const CliRun run = RunCli(args, home.path());
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err, "orbivox " + args[0] + ": " + message);
        EXPECT_TRUE(run.out.isEmpty());
    }

    // The same for the source file the configuration names.
    ASSERT_EQ(RunCli({"folders"}, home.path()).exitCode, 0);
    const QString data = home.filePath(".local/share/Orbivox32");
    QFile sources(data + "/SatSources.SQF");
    ASSERT_TRUE(sources.open(QIODevice::WriteOnly));
    sources.write("Kepler\r\nKepler\r\n\r\n\r\n\r\n");
    sources.close();
    ASSERT_TRUE(QDir().mkpath(data + "/Kepler"));
    const CliRun track = RunCli({"track", "--ticks", "1"}, home.path());
    EXPECT_EQ(track.exitCode, 1);
    EXPECT_TRUE(track.err.contains("orbivox track: cannot read \"" + data +
                                   "/Kepler\": it is a folder, not a file"))
        << track.err.toStdString();
}

TEST(CliPropagate, ReenteringObjectsGivePositionsUntilTheyAreInsideTheEarth) {
    const CliRun run = RunCli({"propagate", "--now", "2005-06-01T00:00:00Z", "--times", "0,50,55",
                               QString(ORBIVOX_TEST_DATA) + "/sgp4ver-decaying.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8) << run.out.toStdString();
    EXPECT_EQ(lines[0], "# 1 28872 MINOTAUR R/B");
    EXPECT_TRUE(lines[1].startsWith("0 -6131.8273")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("50 5548.4332")) << lines[2].toStdString();
    EXPECT_EQ(lines[3], "55 error decayed");
    EXPECT_TRUE(lines[5].startsWith("0 -12908.")) << lines[5].toStdString();
}

TEST(CliOptions, ValuesThatUsedToBeRefusedOrUnexplained) {
    const CliRun look = RunCli(
        {"look", "--site", "48.15,11.58,520", "--sat", "ISS (ZARYA)", "--at",
         "2026-08-23T02:10:00.5Z,2026-08-23T02:10:00.123456Z,2026-08-23T02:10:00.000Z", kElements});
    ASSERT_EQ(look.exitCode, 0) << look.err.toStdString();
    const QStringList lines = look.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("2026-08-23T02:10:00.500Z ISS (ZARYA)|"));
    EXPECT_TRUE(lines[1].startsWith("2026-08-23T02:10:00.123Z ISS (ZARYA)|"));
    EXPECT_NE(lines[1].section('|', 1), lines[2].section('|', 1));  // the fraction counts

    QTemporaryDir home;
    for (const QString timeout : {"0", "-5", "soon"}) {
        const CliRun download = RunCli({"download", "--timeout", timeout}, home.path());
        EXPECT_EQ(download.exitCode, 2);
        EXPECT_TRUE(download.err.startsWith(
            "orbivox download: --timeout wants a number of seconds above 0"))
            << download.err.toStdString();
    }
}

}  // namespace

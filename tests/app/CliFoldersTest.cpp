// The built tool run with a scratch HOME: the first "folders" run creates the local data
// folder, and the version, unknown commands and exit codes.
#include <gtest/gtest.h>

#include "tests/app/CliRunner.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

TEST(CliFolders, FirstRunCreatesTheDataFolderInTheLocalRoot) {
    QTemporaryDir home;
    const CliRun run = RunCli({"folders"}, home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString main = home.path() + "/.local/share/Orbivox32/";
    EXPECT_TRUE(run.out.contains("main data folder: " + main)) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("configuration: Config. 1 (\\Orbivox32\\)"));
    EXPECT_TRUE(QFile::exists(main + "Config.SQF"));
    EXPECT_TRUE(QFile::exists(main + "DivOptions.SQF"));
}

TEST(CliFolders, VersionAndBadUsage) {
    QTemporaryDir home;
    const CliRun version = RunCli({"--version"}, home.path());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("orbivox "));
    const CliRun unknown = RunCli({"no-such-command"}, home.path());
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("unknown command"));
}

}  // namespace

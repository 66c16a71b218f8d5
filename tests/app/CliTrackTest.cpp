// orbivox track: the tracking cycle on the bundled data, as a headless station runs it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/app/CliRunner.h"

namespace {

TEST(CliTrack, PrintsTheHeaderAndOneListLinePerTick) {
    QTemporaryDir home;
    const CliRun run = RunCli({"track", "--ticks", "3"}, home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
    EXPECT_EQ(lines[0],
              "Azimuth Elevation  MA  Height  Range   Lon Lat   Orbit  Squint  Aos   Los  MaxE");
    for (int i = 1; i < 4; ++i) {
        // The wide layout: fields in fixed widths up to the squint, then the pass columns.
        EXPECT_GE(lines[i].size(), 60) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].startsWith(' ')) << lines[i].toStdString();
    }
}

TEST(CliTrack, TheSteppedClockPrefixesEachTickWithItsInstant) {
    QTemporaryDir home;
    struct Case {
        QStringList args;
        QStringList instants;
    };
    const Case cases[] = {
        {{"--now", "2026-03-01T10:00:00Z", "--ticks", "3", "--speed", "5"},
         {"2026-03-01T10:00:00.000Z", "2026-03-01T10:00:00.200Z", "2026-03-01T10:00:00.400Z"}},
        // --until is the last instant that still gets a tick.
        {{"--now", "2026-03-01T10:00:00Z", "--until", "2026-03-01T10:00:02Z"},
         {"2026-03-01T10:00:00.000Z", "2026-03-01T10:00:01.000Z", "2026-03-01T10:00:02.000Z"}},
        {{"--now", "2026-03-01T23:59:59Z", "--ticks", "2", "--speed", "10"},
         {"2026-03-01T23:59:59.000Z", "2026-03-01T23:59:59.100Z"}},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(QStringList{"track"} + c.args, home.path());
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.instants.size() + 1) << run.out.toStdString();
        EXPECT_TRUE(lines[0].startsWith("Azimuth"));
        for (int i = 0; i < c.instants.size(); ++i) {
            EXPECT_TRUE(lines[i + 1].startsWith(c.instants[i] + "  "))
                << lines[i + 1].toStdString();
        }
    }
}

TEST(CliTrack, BadClockOptionsAreUsageErrors) {
    QTemporaryDir home;
    const QStringList bad[] = {{"--now", "2026-02-30T10:00:00Z"},
                               {"--speed", "2"},
                               {"--now", "2026-03-01T10:00:00Z", "--until", "2026-03-01T09:00:00Z"},
                               {"--until"}};
    for (const QStringList& args : bad) {
        const CliRun run = RunCli(QStringList{"track"} + args, home.path());
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
}

TEST(CliTrack, AMissingSettingsFileEndsTheStartWithItsLabel) {
    QTemporaryDir home;
    ASSERT_EQ(RunCli({"folders"}, home.path()).exitCode, 0);  // first start makes the folder
    ASSERT_TRUE(QFile::remove(home.path() + "/.local/share/Orbivox32/KorrMod.SQF"));
    const CliRun run = RunCli({"track", "--ticks", "1"}, home.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(
        run.err.contains("Error while loading file KorrMod.SQF!\nThe program will be closed!"))
        << run.err.toStdString();
}

TEST(CliTrack, ASecondCopyIsDetected) {
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/run");
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.insert("XDG_DATA_HOME", home.path() + "/.local/share");
    env.insert("XDG_RUNTIME_DIR", home.path() + "/run");
    first.setProcessEnvironment(env);
    first.start(ORBIVOX_CLI, {"track"});
    ASSERT_TRUE(first.waitForReadyRead(30000));  // the header: the first copy holds its lock

    const CliRun second = RunCli({"track", "--ticks", "1"}, home.path());
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(second.err.contains("Orbivox32 currently running!")) << second.err.toStdString();

    first.terminate();  // SIGTERM: the tool quits in order
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
}

}  // namespace

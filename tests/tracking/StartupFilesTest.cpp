// The start values and station settings on scratch files, and the instance checks with a
// recording notifier.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "settings/SqfFile.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"
#include "tracking/InstanceChecks.h"
#include "tracking/StartProgram.h"
#include "tracking/StartValues.h"
#include "tracking/StationSettings.h"

namespace orbivox {
namespace {

TEST(StartValues, RoundTripKeepsAllTwentyFourLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("SatStart.SQF");
    StartValues values;
    values.rotorControl = true;
    values.windowSize = WindowSize::W4;
    values.centringFirst = '-';
    values.mapUpdateSeconds = 7;
    values.modelSgp8 = true;
    values.transmitStopSeconds = 300;
    values.radio2DtrToggles = true;
    values.elementRefresh = true;
    values.elementRefreshDays = 5;
    WriteStartValues(path, values);
    EXPECT_EQ(ReadSqfLines(path).size(), 24);
    EXPECT_EQ(ReadSqfLines(path)[23], "+5");

    const StartValues read = ReadStartValues(path);
    EXPECT_TRUE(read.rotorControl);
    EXPECT_EQ(read.windowSize, WindowSize::W4);
    EXPECT_EQ(read.centringFirst, QChar('-'));
    EXPECT_EQ(read.mapUpdateSeconds, 7);
    EXPECT_TRUE(read.modelSgp8);
    EXPECT_EQ(read.transmitStopSeconds, 300);
    EXPECT_TRUE(read.radio2DtrToggles);
    EXPECT_FALSE(read.catControl);
    EXPECT_TRUE(read.elementRefresh);
    EXPECT_EQ(read.elementRefreshDays, 5);

    // A file of 23 lines, written before the element refresh existed: off, after two days.
    SqfWriter().Lines(ReadSqfLines(path).mid(0, 23)).Commit(path);
    EXPECT_FALSE(ReadStartValues(path).elementRefresh);
    EXPECT_EQ(ReadStartValues(path).elementRefreshDays, kDefaultElementRefreshDays);
}

// Line 24: "+N" on, "-N" off, N days from 1 to 99; anything else is off after two days.
TEST(StartValues, ElementRefreshLine) {
    const struct {
        const char* line;
        bool on;
        int days;
    } cases[] = {{"+3", true, 3},   {"-7", false, 7}, {" +14 ", true, 14}, {"+99", true, 99},
                 {"+0", false, 2},  {"+100", false, 2}, {"+", false, 2},  {"3", false, 2},
                 {"+x", false, 2},  {"", false, 2}};
    for (const auto& c : cases) {
        bool on = !c.on;
        int days = 0;
        ReadElementRefreshLine(QString::fromLatin1(c.line), on, days);
        EXPECT_EQ(on, c.on) << c.line;
        EXPECT_EQ(days, c.days) << c.line;
    }
    EXPECT_EQ(ElementRefreshLine(false, 2), "-2");
    EXPECT_EQ(ElementRefreshLine(true, 12), "+12");
}

TEST(StartValues, WindowSizeFlags) {
    const std::pair<char, WindowSize> cases[] = {{'-', WindowSize::W1},
                                                 {'/', WindowSize::W2},
                                                 {'+', WindowSize::W3},
                                                 {'A', WindowSize::W4},
                                                 {'B', WindowSize::W5}};
    for (const auto& [flag, size] : cases) {
        EXPECT_EQ(WindowSizeFromFlag(QChar(flag)), size);
        EXPECT_EQ(FlagFromWindowSize(size), QChar(flag));
    }
}

TEST(StationSettings, StoringOwnLinesKeepsLineFifteenAndLaterLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("SatIni.SQF");
    QStringList lines = {"120",
                         "JO62QM",
                         " 1.34000000000000E+0001",
                         " 5.25000000000000E+0001",
                         "3",
                         "50",
                         "1",
                         "10",
                         "N",
                         " 5.00000000000000E+0000",
                         "2",
                         "-1",
                         "auto",
                         "*.txt",
                         "\\Orbivox32\\Kepler\\",
                         "a line a later version added"};
    SqfWriter().Lines(lines).Commit(path);

    // The observer dialog stores only the station lines.
    StoreSqfLines(path, {{SatIniLine::Altitude, "85"}, {SatIniLine::Locator, "JN58TD"}});
    const QStringList after = ReadSqfLines(path);
    lines[0] = "85";
    lines[1] = "JN58TD";
    EXPECT_EQ(after, lines);

    const StationSettings s = ReadStationSettings(path);
    EXPECT_EQ(s.altitudeText, QStringLiteral("85"));
    EXPECT_DOUBLE_EQ(s.longitude, 13.4);
    EXPECT_EQ(s.radio1Port, 3);
    EXPECT_EQ(s.turningPoint, QChar('N'));
    EXPECT_DOUBLE_EQ(s.minimumElevation, 5.0);
    EXPECT_EQ(s.verticalCorrection, -1);
    EXPECT_EQ(s.openFolderText, QStringLiteral("\\Orbivox32\\Kepler\\"));
}

TEST(StationSettings, ParallelPortsAndTheChosenAddress) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ParPort.SQF");
    SqfWriter().Text(";LPT1..3").Text("$378").Text("632").Text("$3BC").Commit(path);
    const QList<long long> ports = ReadParallelPorts(path);
    EXPECT_EQ(ports, (QList<long long>{0x378, 632, 0x3BC}));
    EXPECT_EQ(ParallelPortAddress(ports, 0), 0);
    EXPECT_EQ(ParallelPortAddress(ports, 2), 632);
    EXPECT_EQ(ParallelPortAddress(ports, 4), 0);
}

TEST(StationSettings, MissingOptionalFilesGiveSafeDefaults) {
    QTemporaryDir dir;
    EXPECT_FALSE(ReadDivOptions(dir.filePath("DivOptions.SQF")).instanceChecks);
    // Without the file the data item carries the frequencies the radio is tuned to.
    EXPECT_TRUE(ReadDivOptions(dir.filePath("DivOptions.SQF")).dataItemConverterFrequencies);
    EXPECT_FALSE(ReadWindowPosition(dir.filePath("SatPos.SQF")).known);

    const QString pos = dir.filePath("SatPos.SQF");
    WriteWindowPosition(pos, WindowPosition{40, 60, 7, 9, true});
    const WindowPosition read = ReadWindowPosition(pos);
    EXPECT_TRUE(read.known);
    EXPECT_EQ(read.top, 40);
    EXPECT_EQ(read.left, 60);
    EXPECT_EQ(read.third, 7);
    EXPECT_EQ(read.fourth, 9);
}

TEST(InstanceChecks, SecondCopyIsAskedAndFirstCopyRunsFree) {
    QTemporaryDir dir;
    RecordingNotifier notifier;
    InstanceChecks first(dir.path());
    EXPECT_EQ(first.Run(notifier), InstanceVerdict::FirstInstance);
    EXPECT_TRUE(notifier.questions.isEmpty());

    InstanceChecks second(dir.path());
    EXPECT_EQ(second.Run(notifier), InstanceVerdict::EndProgram);
    ASSERT_EQ(notifier.questions.size(), 1);
    EXPECT_EQ(notifier.questions[0],
              QStringLiteral("Orbivox32 currently running!\rDo you want to start a second "
                             "instance?\r(rotor- and cat-control will be deactivated)"));
    notifier.answer = true;
    InstanceChecks third(dir.path());
    EXPECT_EQ(third.Run(notifier), InstanceVerdict::SecondInstance);
}

TEST(InstanceChecks, RunningSiblingEndsTheProgram) {
    QTemporaryDir dir;
    QLockFile sibling(dir.filePath("Tesmo32.lock"));
    ASSERT_TRUE(sibling.tryLock(0));
    RecordingNotifier notifier;
    InstanceChecks checks(dir.path());
    EXPECT_EQ(checks.Run(notifier), InstanceVerdict::EndProgram);
    EXPECT_EQ(notifier.messages,
              QStringList{"Orbivox32 cannot run at the same time with Tesmo32!"});
}

// The bundled configuration (its DivOptions.SQF turns the instance checks on) in a scratch
// home, with a runtime folder another user could open: the start ends before any lock is
// taken, naming the folder.
TEST(StartProgram, ARuntimeFolderOpenToOthersEndsTheStart) {
    QTemporaryDir home;
    const QString runtime = home.filePath("run/Orbivox32");
    ASSERT_TRUE(QDir().mkpath(runtime));
    ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0777), 0);
    const FolderEnvironment environment{
        QFileInfo(QStringLiteral(ORBIVOX_BUNDLED_DATA)).absolutePath(), home.filePath(".config"),
        home.filePath(".local/share")};
    orbit::FixedClock clock;
    RecordingNotifier notifier;
    StartOptions options;
    options.runtimeFolder = runtime;
    const StartResult start = StartProgram(clock, environment, notifier, options);
    EXPECT_EQ(start.exitCode, 1);
    EXPECT_FALSE(start.session);
    EXPECT_FALSE(start.instance);
    ASSERT_EQ(notifier.boxes.size(), 1u);
    EXPECT_EQ(notifier.boxes[0].kind, MessageKind::Error);
    EXPECT_TRUE(notifier.messages[0].startsWith("The runtime folder " + runtime +
                                                " is open to other users."))
        << notifier.messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(runtime + "/Orbivox32.lock"));
}

}  // namespace
}  // namespace orbivox

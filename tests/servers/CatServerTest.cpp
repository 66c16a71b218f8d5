// ServerKCT, the CAT server: its macros against Hamlib's own rigctld (dummy radio on a free
// port of 127.0.0.1), read back with rigctl; a rigctld restarted under it; a whole pass of
// `orbivox track --now` in KCT mode; and the launcher Orbivox32 starts it through.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "rotator/CatServerLauncher.h"
#include "rotator/RotorSetup.h"
#include "servers/CatBridge.h"
#include "settings/SqfFile.h"
#include "tests/servers/ServerPrograms.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox::servers {
namespace {

TEST(CatBridgeWords, KiloHertzTextsBecomeWholeHertz) {
    const struct {
        const char* text;
        std::optional<long long> hertz;
    } cases[] = {
        {"0145900.000", 145900000},
        {"145900,000", 145900000},  // either separator
        {"0435100.0005", 435100001},
        {"1268500.000", 1268500000},  // rounded; above 2^31
        {"0000000.000", 0},
        {"", std::nullopt},
        {"-145900.000", std::nullopt},
        {"145.900.000", std::nullopt},
        {"1e5", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KiloHertzToHertz(c.text), c.hertz) << c.text;
    }
}

TEST(CatBridgeWords, ModeWordsMapToHamlibsAndUnknownOnesToNothing) {
    const char* cases[][2] = {
        {"USB", "USB"},       {"CWN", "CW"},    {"FMN", "FM"},   {"PKT", "PKTFM"},
        {"FMD", "PKTFM"},     {"DV", "D-STAR"}, {"CW-L", "CWR"}, {"DATA-USB", "PKTUSB"},
        {"DATA-FM", "PKTFM"}, {"fm", "FM"},     {"SSTV", ""},    {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HamlibMode(c[0]), c[1]) << c[0];
    }
}

// What a rigctld's radio is set to: the frequency and mode as `rigctl -m 2` (Hamlib's
// network client) reads them, and the split state, transmit frequency and mode as rigctld
// answers them itself (the network client reads the receive VFO for those).
QStringList ReadBack(quint16 port) {
    QProcess rigctl;
    rigctl.start("rigctl", {"-m", "2", "-r", "127.0.0.1:" + QString::number(port), "f", "m"});
    EXPECT_TRUE(rigctl.waitForFinished(30000));
    EXPECT_EQ(rigctl.exitCode(), 0) << rigctl.readAllStandardError().toStdString();
    QStringList values = QString::fromLatin1(rigctl.readAllStandardOutput())
                             .split('\n', Qt::SkipEmptyParts)
                             .mid(0, 2);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket.waitForConnected(5000));
    socket.write("+i\n+x\n+s\n");
    QString answer;
    EXPECT_TRUE(Spin([&] {
        socket.waitForReadyRead(100);
        answer += QString::fromLatin1(socket.readAll());
        return answer.count("RPRT") == 3;
    }));
    for (const char* key : {"TX Frequency: ", "TX Mode: ", "Split: ", "TX VFO: "}) {
        const qsizetype at = answer.indexOf(key);
        values << (at < 0 ? QString() : answer.mid(at).section('\n', 0, 0).mid(qstrlen(key)));
    }
    return values;
}

class CatServer : public ServerProgramTest {
protected:
    void UseRigctld(quint16 port, const char* style = "split") {
        WriteBytes(Config("HamlibCat.SQF"),
                   "127.0.0.1\r\n" + QByteArray::number(port) + "\r\n" + style + "\r\n");
    }
    QByteArray OwnLog() const { return FileText(Config("ServerKCT.log")); }
};

TEST_F(CatServer, MacrosTuneRigctldsRadioAndReadBack) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    Rigctld rigctld(port, scratch.filePath("rigctld.log"));
    UseRigctld(port);
    StartServer("ServerKCT", "CatServConv");
    conversation_.ExecuteMacro("SMUSB LSB");
    conversation_.ExecuteMacro("SF0145900.000 0435100.000");
    conversation_.ExecuteMacro("SF145901,499 435099,501");  // a comma, rounded to whole Hz
    conversation_.ExecuteMacro("SF0145902.000");            // a VFO step: the downlink alone
    conversation_.ExecuteMacro("SMSSTV C4FM-X");            // no such modes: left as they are
    conversation_.ExecuteMacro("SFnonsense");
    ASSERT_TRUE(Spin([&] { return OwnLog().contains("not a frequency macro: SFnonsense"); }))
        << OwnLog().toStdString();
    EXPECT_EQ(ReadBack(port), (QStringList{"145902000", "USB", "435099501", "LSB", "1", "VFOB"}));
    EXPECT_EQ(SetFrequencies(rigctld.Log()),
              (QList<long long>{145900000, 435100000, 145901499, 435099501, 145902000}));

    conversation_.ExecuteMacro("RaClose");
    conversation_.ExecuteMacro("Close");
    ASSERT_TRUE(Ended());
    EXPECT_EQ(ReadBack(port).mid(4), (QStringList{"0", "VFOA"}));
    const QByteArray own = OwnLog();
    for (const char* line : {" macro ClientOn\n", " command S 1 VFOB\n", " command X LSB 0\n",
                             " command I 435099501\n", " no Hamlib mode for SSTV",
                             " macro RaClose\n", " command S 0 VFOA\n", " macro Close\n"}) {
        EXPECT_TRUE(own.contains(line)) << line << "\n" << own.toStdString();
    }
    EXPECT_FALSE(own.contains("refused")) << own.toStdString();
}

TEST_F(CatServer, SubVfoStyleTunesTheUplinkOnTheSubVfo) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    Rigctld rigctld(port, scratch.filePath("rigctld.log"));
    UseRigctld(port, "sub");
    StartServer("ServerKCT", "CatServConv");
    conversation_.ExecuteMacro("SMFM FM");
    conversation_.ExecuteMacro("SF0437800.000 0145990.000");
    conversation_.ExecuteMacro("Close");
    ASSERT_TRUE(Ended());
    EXPECT_EQ(SetFrequencies(rigctld.Log()), (QList<long long>{437800000, 145990000}));
    const QByteArray own = OwnLog();
    EXPECT_TRUE(own.contains(" command U SATMODE 1\n")) << own.toStdString();
    const qsizetype sub = own.indexOf(" command V Sub\n", own.indexOf("command F 437800000"));
    ASSERT_GE(sub, 0) << own.toStdString();
    EXPECT_LT(sub, own.indexOf(" command F 145990000\n"));
    EXPECT_LT(own.indexOf(" command F 145990000\n"), own.lastIndexOf(" command V Main\n"));
    EXPECT_FALSE(own.contains("refused")) << own.toStdString();
}

TEST_F(CatServer, ARestartedRigctldIsFoundAgainAndSetUpAgain) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    auto rigctld = std::make_unique<Rigctld>(port, scratch.filePath("first.log"));
    UseRigctld(port);
    StartServer("ServerKCT", "CatServConv");
    conversation_.ExecuteMacro("SMUSB LSB");
    conversation_.ExecuteMacro("SF0145900.000 0435100.000");
    ASSERT_TRUE(Spin([&] { return OwnLog().contains("command I 435100000"); }));
    rigctld.reset();
    conversation_.ExecuteMacro("SF0145901.000 0435099.000");  // nobody there: logged, dropped
    ASSERT_TRUE(Spin([&] { return OwnLog().contains("cannot reach rigctld"); }))
        << OwnLog().toStdString();
    // A new rigctld knows nothing of split and modes: they are set up again.
    Rigctld again(port, scratch.filePath("second.log"));
    conversation_.ExecuteMacro("SF0145902.000 0435098.000");
    ASSERT_TRUE(Spin([&] { return OwnLog().contains("command I 435098000"); }));
    EXPECT_EQ(ReadBack(port), (QStringList{"145902000", "USB", "435098000", "LSB", "1", "VFOB"}));
    // The program that started it goes away without "Close": the server ends too.
    conversation_.CloseLink();
    EXPECT_TRUE(Ended());
}

TEST_F(CatServer, AHungRigctldCostsOneWaitNotAPileOfStaleCommands) {
    // A daemon that takes the connection and never answers.
    QTcpServer hung;
    ASSERT_TRUE(hung.listen(QHostAddress::LocalHost, 0));
    UseRigctld(hung.serverPort());
    StartServer("ServerKCT", "CatServConv");
    for (int k = 0; k < 20; ++k) {
        conversation_.ExecuteMacro(
            QString("SF%1.000 0435100.000").arg(145900 + k, 7, 10, QChar('0')));
    }
    conversation_.ExecuteMacro("Close");
    ASSERT_TRUE(server_.waitForFinished(60000));
    const QByteArray own = OwnLog();
    EXPECT_EQ(own.count(" macro SF"), 20) << own.toStdString();
    // The set-up waited once; every command after it went at once.
    EXPECT_EQ(own.count("no answer from rigctld to +S 1 VFOB in time"), 1) << own.toStdString();
    EXPECT_EQ(own.count("no answer from rigctld"), 1) << own.toStdString();
}

TEST(CatServerLauncher, WrittenWhenMissingOrStaleAndAForeignOneIsKept) {
    QTemporaryDir data;
    const QString launcher = data.filePath("KCT/ServerKCT");
    ASSERT_TRUE(EnsureCatServerLauncher(data.path(), "/opt/a/share/Orbivox32"));
    EXPECT_TRUE(QFileInfo(launcher).isExecutable());
    EXPECT_TRUE(FileText(launcher).contains("exec '/opt/a/lib/orbivox32/ServerKCT' \"$@\""));
    // The installation moved: the launcher follows it.
    ASSERT_TRUE(EnsureCatServerLauncher(data.path(), "/opt/it's/share/Orbivox32"));
    EXPECT_TRUE(FileText(launcher).contains("exec '/opt/it'\\''s/lib/orbivox32/ServerKCT'"));
    // An operator's own CAT server program stays.
    WriteBytes(launcher, "#!/bin/sh\nexec my-own-server\n");
    ASSERT_TRUE(EnsureCatServerLauncher(data.path(), "/opt/a/share/Orbivox32"));
    EXPECT_EQ(FileText(launcher), "#!/bin/sh\nexec my-own-server\n");
}

// The macros' "SF" numbers in Hz, each as sent.
QSet<long long> SentFrequencies(const QByteArray& log) {
    QSet<long long> hertz;
    for (const QString& line : QString::fromLatin1(log).split('\n')) {
        const qsizetype at = line.indexOf(" macro SF");
        if (at >= 0) {
            for (const QString& number : line.mid(at + 9).split(' ')) {
                if (const auto value = KiloHertzToHertz(number); value && *value != 0) {
                    hertz << *value;
                }
            }
        }
    }
    return hertz;
}

// The last "SF" macro with both numbers, in Hz.
std::pair<long long, long long> LastPair(const QByteArray& log) {
    static const QRegularExpression pair(QStringLiteral(" macro SF(\\S+) (\\S+)\\n"));
    std::pair<long long, long long> last{0, 0};
    for (auto it = pair.globalMatch(QString::fromLatin1(log)); it.hasNext();) {
        const auto match = it.next();
        last = {KiloHertzToHertz(match.captured(1)).value_or(0),
                KiloHertzToHertz(match.captured(2)).value_or(0)};
    }
    return last;
}

class CatServerPass : public CatServer {
protected:
    // KCT mode with CAT on and radio 1 a Yaesu, started as the run starts it: through the
    // launcher the run writes into the data folder.
    void SetUpKctMode(quint16 port) {
        UseRigctld(port);
        QFile::remove(Config("ServerKCT.log"));
        QDir(Config("KCT")).removeRecursively();
        StoreSqfLines(Config("SatStart.SQF"), {{2, "+"}, {11, "+"}});
        WriteBytes(Config("TRX.SQF"), "Yaesu\r\n");
    }
    void TearDown() override {
        StoreSqfLines(Config("SatStart.SQF"), {{1, "-"}, {2, "-"}, {4, "-"}, {11, "-"}});
        ServerProgramTest::TearDown();
    }
    // ISS (ZARYA) of the bundled elements rises at 23:25:07 and sets at 23:35:28.
    void StartPass(QProcess& track) {
        track.start(QStringLiteral(ORBIVOX_CLI),
                    {"track", "--now", "2026-03-01T23:20:00Z", "--until", "2026-03-01T23:40:00Z"});
    }
    bool ServerEnded() {
        return Spin([&] { return OwnLog().contains(" ended\n"); }, 20000);
    }
};

TEST_F(CatServerPass, TrackNowTunesThePassThroughRigctld) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    Rigctld rigctld(port, scratch.filePath("rigctld.log"));
    SetUpKctMode(port);
    QProcess track;
    StartPass(track);
    ASSERT_TRUE(track.waitForFinished(180000));
    ASSERT_EQ(track.exitCode(), 0) << track.readAllStandardError().toStdString();
    ASSERT_TRUE(ServerEnded()) << OwnLog().toStdString();
    EXPECT_TRUE(QFileInfo(Config("KCT/ServerKCT")).isExecutable());

    const QByteArray own = OwnLog();
    const QSet<long long> sent = SentFrequencies(own);
    const QList<long long> tuned = SetFrequencies(rigctld.Log());
    ASSERT_GE(tuned.size(), 10) << own.toStdString();
    for (const long long hertz : tuned) {
        EXPECT_TRUE(sent.contains(hertz)) << hertz;
    }
    // The first ISS entry: 437800 kHz FM down, 145990 kHz FM up.
    const auto [downlink, uplink] = LastPair(own);
    EXPECT_NEAR(static_cast<double>(downlink), 437.8e6, 15e3);
    EXPECT_NEAR(static_cast<double>(uplink), 145.99e6, 5e3);
    EXPECT_EQ(ReadBack(port), (QStringList{QString::number(downlink), "FM", QString::number(uplink),
                                           "FM", "0", "VFOA"}));
    // The end of the run switched split off ("RaClose") and closed the server once.
    EXPECT_EQ(own.count(" macro RaClose\n"), 1) << own.toStdString();
    EXPECT_EQ(own.count(" macro Close\n"), 1) << own.toStdString();
    EXPECT_TRUE(own.contains(" command M FM 0\n"));
    EXPECT_TRUE(own.contains(" macro ClientOn\n"));
    EXPECT_TRUE(own.contains(" macro SMFM FM\n"));
    EXPECT_TRUE(own.contains(" macro Close\n"));
    EXPECT_FALSE(own.contains("refused")) << own.toStdString();
}

TEST_F(CatServerPass, RigctldRestartedMidPassCostsCommandsNotTheRun) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    auto rigctld = std::make_unique<Rigctld>(port, scratch.filePath("first.log"));
    SetUpKctMode(port);
    QProcess track;
    StartPass(track);
    ASSERT_TRUE(Spin([&] { return SetFrequencies(rigctld->Log()).size() >= 4; }, 60000))
        << OwnLog().toStdString();
    rigctld.reset();
    ASSERT_TRUE(Spin([&] { return OwnLog().contains("cannot reach rigctld"); }, 60000));
    Rigctld again(port, scratch.filePath("second.log"));
    ASSERT_TRUE(track.waitForFinished(180000));
    ASSERT_EQ(track.exitCode(), 0) << track.readAllStandardError().toStdString();
    ASSERT_TRUE(ServerEnded()) << OwnLog().toStdString();
    const auto [downlink, uplink] = LastPair(OwnLog());
    EXPECT_EQ(ReadBack(port), (QStringList{QString::number(downlink), "FM", QString::number(uplink),
                                           "FM", "0", "VFOA"}))
        << OwnLog().toStdString();
}

TEST_F(CatServerPass, AsTheRotorServerTooOneProgramServesBothConversations) {
    const quint16 rigPort = FreePort();
    const quint16 rotPort = FreePort();
    QTemporaryDir scratch;
    Rigctld rigctld(rigPort, scratch.filePath("rigctld.log"));
    HamlibDaemon rotctld("rotctld", rotPort, scratch.filePath("rotctld.log"));
    SetUpKctMode(rigPort);
    WriteBytes(Config("RotctldSrv.SQF"), "127.0.0.1\r\n" + QByteArray::number(rotPort) + "\r\n");
    // "Hamlib ServerKCT" chosen and stored in the Rotor Setup, the rotor switched on.
    RotorSettings settings;
    RecordingNotifier notifier;
    RotorSetup setup(folders_, settings, notifier);
    setup.Load(false, {});
    const auto& entries = setup.Entries();
    const auto bridge = std::find_if(entries.begin(), entries.end(),
                                     [](const auto& e) { return e.name == "Hamlib ServerKCT"; });
    ASSERT_NE(bridge, entries.end());
    setup.SelectInterface(static_cast<int>(bridge - entries.begin()));
    ASSERT_TRUE(setup.RotorServerFlag()) << notifier.texts.join('\n').toStdString();
    setup.Store();
    StoreSqfLines(Config("SatStart.SQF"), {{1, "+"}});

    QProcess track;
    StartPass(track);
    ASSERT_TRUE(track.waitForFinished(180000));
    ASSERT_EQ(track.exitCode(), 0) << track.readAllStandardError().toStdString();
    ASSERT_TRUE(ServerEnded()) << OwnLog().toStdString();
    const QByteArray own = OwnLog();
    EXPECT_EQ(own.count(" started\n"), 1) << own.toStdString();
    EXPECT_FALSE(own.contains("cannot serve"));
    EXPECT_GE(SetFrequencies(rigctld.Log()).size(), 10);
    EXPECT_GE(rotctld.Log().count("rot_set_position called"), 50);
    EXPECT_GE(own.count(" position "), 50);
}

}  // namespace
}  // namespace orbivox::servers

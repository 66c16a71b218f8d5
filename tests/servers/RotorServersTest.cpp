// The rotor server programs we ship, run as Orbivox32 runs them and fed over the real
// conversation: RotctldSrv against Hamlib's own rotctld (dummy rotator, on a free port of
// 127.0.0.1), GS232Srv against a pseudo-terminal, and a server that dies under us.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "links/ClientConversation.h"
#include "rotator/RotorInterface.h"
#include "rotator/RotorSetup.h"
#include "settings/SqfFile.h"
#include "tests/servers/ServerPrograms.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/RecordingSocketServer.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

// Hamlib's rotctld with its dummy rotator.
class Rotctld : public HamlibDaemon {
public:
    Rotctld(quint16 port, const QString& log) : HamlibDaemon("rotctld", port, log) {}
};

// `orbivox emulate gs232`: a GS-232B on a pseudo-terminal, logging what it was told.
class Gs232Emulator {
public:
    Gs232Emulator() {
        process_.start(QStringLiteral(ORBIVOX_CLI), {"emulate", "gs232"});
        EXPECT_TRUE(process_.waitForStarted(5000));
        EXPECT_TRUE(Spin([&] { return process_.canReadLine(); }));
        device = QString::fromLatin1(process_.readLine()).trimmed();
    }
    ~Gs232Emulator() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    // Waits for a decoded line of the emulator's log.
    bool Logged(const QString& line) {
        return Spin([&] {
            while (process_.canReadLine()) {
                log.append(QString::fromLatin1(process_.readLine()).trimmed());
            }
            return log.contains(line);
        });
    }
    QString device;
    QStringList log;

private:
    QProcess process_;
};

class RotorServers : public ServerProgramTest {};

TEST_F(RotorServers, RotctldSrvForwardsEverySetPointAndLogsARefusal) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    Rotctld rotctld(port, scratch.filePath("rotctld.log"));
    WriteBytes(Config("RotctldSrv.SQF"), "127.0.0.1\r\n" + QByteArray::number(port) + "\r\n");
    StartServer("RotctldSrv");
    conversation_.ExecuteMacro("123.4 045.0");
    conversation_.ExecuteMacro("200,5 030,0");  // a comma as the decimal separator
    conversation_.ExecuteMacro("010.0 150.0");  // flipped: the dummy refuses above 90
    conversation_.ExecuteMacro("011.0 149.0");  // and tracking goes on
    conversation_.ExecuteMacro("Close");
    ASSERT_TRUE(Ended());
    const QByteArray log = rotctld.Log();
    EXPECT_TRUE(log.contains("rot_set_position called az=123.40 el=45.00")) << log.toStdString();
    EXPECT_TRUE(log.contains("rot_set_position called az=200.50 el=30.00"));
    EXPECT_TRUE(log.contains("rot_set_position called az=10.00 el=150.00"));
    EXPECT_TRUE(log.contains("rot_set_position called az=11.00 el=149.00"));
    const QByteArray own = FileText(Config("RotctldSrv.log"));
    EXPECT_TRUE(own.contains("ClientOn")) << own.toStdString();
    EXPECT_TRUE(own.contains("rotctld refused P 10.00 150.00: RPRT"));
    EXPECT_TRUE(own.contains(" Close\n"));
}

TEST_F(RotorServers, RotctldSrvConnectsAgainWhenRotctldRestarts) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    auto rotctld = std::make_unique<Rotctld>(port, scratch.filePath("first.log"));
    WriteBytes(Config("RotctldSrv.SQF"), "127.0.0.1\r\n" + QByteArray::number(port) + "\r\n");
    StartServer("RotctldSrv");
    conversation_.ExecuteMacro("100.0 010.0");
    ASSERT_TRUE(Spin([&] { return rotctld->Log().contains("az=100.00 el=10.00"); }));
    rotctld.reset();
    conversation_.ExecuteMacro("101.0 011.0");  // nobody there: logged, dropped
    ASSERT_TRUE(Spin([&] {
        return FileText(Config("RotctldSrv.log")).contains("cannot reach rotctld") ||
               FileText(Config("RotctldSrv.log")).contains("no answer from rotctld");
    }));
    Rotctld again(port, scratch.filePath("second.log"));
    conversation_.ExecuteMacro("102.0 012.0");
    conversation_.ExecuteMacro("103.0 013.0");
    ASSERT_TRUE(Spin([&] { return again.Log().contains("az=103.00 el=13.00"); }))
        << FileText(Config("RotctldSrv.log")).toStdString();
    // The program that started it goes away without "Close": the server ends too.
    conversation_.CloseLink();
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(FileText(Config("RotctldSrv.log")).contains("conversation closed"));
}

TEST_F(RotorServers, Gs232SrvWritesWCommandsToItsPort) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    WriteBytes(Config("ComPorts.SQF"),
               QByteArray("; the test's pseudo-terminal\r\n7=") + name + "\r\n");
    WriteBytes(Config("GS232Srv.SQF"), "7\r\n9600\r\n");
    StartServer("GS232Srv");
    conversation_.ExecuteMacro("123.4 045.0");
    conversation_.ExecuteMacro("405,0 170,0");  // overlap and flip, as the controller takes them
    conversation_.ExecuteMacro("not a position");
    QByteArray received;
    ASSERT_TRUE(Spin([&] {
        char buffer[256];
        const int bytes = static_cast<int>(::read(master, buffer, sizeof buffer));
        if (bytes > 0) {
            received.append(buffer, bytes);
        }
        return received.count('\r') >= 2;
    }));
    EXPECT_EQ(received, "W123 045\rW405 170\r");
    conversation_.ExecuteMacro("Close");
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(FileText(Config("GS232Srv.log")).contains("not a position: not a position"));
    ::close(master);
    ::close(slave);
}

TEST_F(RotorServers, Gs232SrvDrivesTheEmulatorAndHamlibReadsItBack) {
    Gs232Emulator emulator;
    ASSERT_TRUE(emulator.device.startsWith("/dev/")) << emulator.device.toStdString();
    WriteBytes(Config("ComPorts.SQF"), "3=" + emulator.device.toLatin1() + "\r\n");
    WriteBytes(Config("GS232Srv.SQF"), "3\r\n9600\r\n");
    StartServer("GS232Srv");
    for (const char* position : {"208.9 000.0", "210.3 004.2", "405.0 012.0"}) {
        conversation_.ExecuteMacro(position);
    }
    EXPECT_TRUE(emulator.Logged("move to azimuth 405, elevation 12"))
        << emulator.log.join('\n').toStdString();
    EXPECT_EQ(emulator.log.mid(0, 3),
              (QStringList{"move to azimuth 209, elevation 0", "move to azimuth 210, elevation 4",
                           "move to azimuth 405, elevation 12"}));
    conversation_.ExecuteMacro("Close");
    ASSERT_TRUE(Ended());

    // Hamlib's own GS-232B backend sets and reads a position on the emulator.
    QProcess rotctl;
    rotctl.start("rotctl",
                 {"-m", "603", "-r", emulator.device, "-s", "9600", "P", "123", "45", "p"});
    ASSERT_TRUE(rotctl.waitForFinished(30000));
    EXPECT_EQ(rotctl.exitCode(), 0) << rotctl.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromLatin1(rotctl.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
              (QStringList{"123.00", "45.00"}));
    EXPECT_TRUE(emulator.Logged("read position: azimuth 123, elevation 45"));
}

// The positions of a log's lines "<prefix>az el" (az and el as numbers), in order.
std::vector<std::pair<double, double>> Positions(const QByteArray& log, const QString& prefix) {
    std::vector<std::pair<double, double>> positions;
    for (const QString& line : QString::fromLatin1(log).split('\n')) {
        const qsizetype at = line.indexOf(prefix);
        if (at >= 0) {
            const QStringList fields = line.mid(at + prefix.size()).split(' ');
            positions.emplace_back(fields.value(0).remove("az=").toDouble(),
                                   fields.value(1).remove("el=").toDouble());
        }
    }
    return positions;
}

TEST_F(RotorServers, TrackNowFliesAWholePassThroughRotctld) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    Rotctld rotctld(port, scratch.filePath("rotctld.log"));
    WriteBytes(Config("RotctldSrv.SQF"), "127.0.0.1\r\n" + QByteArray::number(port) + "\r\n");
    QFile::remove(Config("RotctldSrv.log"));
    // "Hamlib rotctld" chosen and stored in the Rotor Setup, the rotor switched on.
    RotorSettings settings;
    RecordingNotifier notifier;
    RotorSetup setup(folders_, settings, notifier);
    setup.Load(false, {});
    const auto& entries = setup.Entries();
    const auto hamlib = std::find_if(entries.begin(), entries.end(),
                                     [](const auto& e) { return e.name == "Hamlib rotctld"; });
    ASSERT_NE(hamlib, entries.end());
    setup.SelectInterface(static_cast<int>(hamlib - entries.begin()));
    ASSERT_TRUE(setup.RotorServerFlag()) << notifier.texts.join('\n').toStdString();
    setup.Store();
    StoreSqfLines(Config("SatStart.SQF"), {{1, "+"}});

    // ISS (ZARYA) of the bundled elements rises at 23:25:07 and sets at 23:35:28.
    QProcess track;
    track.start(QStringLiteral(ORBIVOX_CLI),
                {"track", "--now", "2026-03-01T23:20:00Z", "--until", "2026-03-01T23:40:00Z"});
    ASSERT_TRUE(track.waitForFinished(120000));
    ASSERT_EQ(track.exitCode(), 0) << track.readAllStandardError().toStdString();
    ASSERT_TRUE(
        Spin([&] { return FileText(Config("RotctldSrv.log")).contains(" ended\n"); }, 20000));

    const QByteArray own = FileText(Config("RotctldSrv.log"));
    const auto sent = Positions(own, " position ");
    const auto arrived = Positions(rotctld.Log(), "rot_set_position called ");
    // Every ten seconds from the lead before AOS to LOS: about 65 set points.
    ASSERT_GE(sent.size(), 55u) << own.toStdString();
    ASSERT_LE(sent.size(), 75u);
    EXPECT_EQ(arrived, sent);
    EXPECT_NEAR(sent.front().first, 209, 3);  // the AOS azimuth, at the horizon
    EXPECT_EQ(sent.front().second, 0);
    EXPECT_NEAR(sent.back().first, 77, 3);  // near the LOS azimuth
    double highest = 0;
    for (const auto& [az, el] : sent) {
        highest = std::max(highest, el);
    }
    EXPECT_NEAR(highest, 19, 1);  // the pass's maximum elevation
    const QStringList lines = QString::fromLatin1(own).split('\n', Qt::SkipEmptyParts);
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const QString& l) { return l.contains(" position "); });
    ASSERT_NE(first, lines.begin());
    EXPECT_TRUE(std::prev(first)->endsWith(" ClientOn"));
    EXPECT_TRUE(lines.value(lines.size() - 2).endsWith(" Close"));
}

TEST_F(RotorServers, AServerKilledMidPassCostsPositionsNotAStall) {
    const QString program = QStringLiteral(ORBIVOX_SERVER_FOLDER) + "/RotctldSrv";
    StartServer("RotctldSrv");  // the test's own conversation keeps it running
    // The rotor interface of a run, with the server already started above.
    class NoLaunch : public ServerStarter {
    public:
        bool Start(const QString&, const QString&) override { return true; }
        void Wait(int) override {}
    } starter;
    RecordingNotifier notifier;
    ClientConversations conversations(runtime_);
    RotorInterface rotor(conversations, starter, notifier);
    rotor.StartRotorServer(true, program, false, folders_.programFolder);
    rotor.SendToRotor("100.0", "010.0");
    ASSERT_TRUE(
        Spin([&] { return FileText(Config("RotctldSrv.log")).contains("position 100.0"); }));
    server_.kill();
    server_.waitForFinished(5000);
    for (int k = 0; k < 200; ++k) {
        rotor.SendToRotor(QString::number(100 + k * 0.5, 'f', 1), "010.0");
        QCoreApplication::processEvents();
    }
    rotor.CloseRotorServer();
    EXPECT_TRUE(notifier.texts.isEmpty());
}

}  // namespace
}  // namespace orbivox

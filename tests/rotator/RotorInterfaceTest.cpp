// Starting, feeding and closing the rotor server over real local sockets, with the program
// launch and the waits written down: the general and the ARS style, "DDE", a missing
// server program, and the CAT server that is the rotor server too.
#include "rotator/RotorInterface.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <utility>

#include "links/ConversationProtocol.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/RecordingSocketServer.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

class RecordingStarter : public ServerStarter {
public:
    bool Start(const QString& program, const QString& workingFolder) override {
        started.push_back({program, workingFolder});
        return true;
    }
    void Wait(int milliseconds) override { waits.push_back(milliseconds); }
    std::vector<std::pair<QString, QString>> started;
    std::vector<int> waits;
};

class RotorInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime_.isValid() && program_.isValid());
        programFolder_ = program_.path() + "/";
    }
    QString Socket(const QString& service) const {
        return ServiceSocketPath(runtime_.path(), service);
    }

    QTemporaryDir runtime_;
    QTemporaryDir program_;
    QString programFolder_;
    ClientConversations conversations_{runtime_.path()};
    RecordingStarter starter_;
    RecordingNotifier notifier_;
    RotorInterface rotor_{conversations_, starter_, notifier_};
};

TEST_F(RotorInterfaceTest, RelativeServerIsLaunchedFromTheProgramFolderAndGetsMacros) {
    QDir(programFolder_).mkpath("Rotor");
    WriteBytes(programFolder_ + "Rotor/IF100Srv", "");
    RecordingServer server(Socket("IF100Srv"));
    rotor_.StartRotorServer(true, "Rotor\\IF100Srv", false, programFolder_);
    EXPECT_TRUE(notifier_.texts.isEmpty());
    ASSERT_EQ(starter_.started.size(), 1u);
    EXPECT_EQ(starter_.started[0].first, programFolder_ + "Rotor/IF100Srv");
    EXPECT_EQ(starter_.started[0].second, programFolder_ + "Rotor");
    EXPECT_EQ(starter_.waits, std::vector<int>{1200});

    rotor_.SendToRotor("123.4", "045.0");
    rotor_.CloseRotorServer();
    ASSERT_TRUE(server.WaitLines(4));
    EXPECT_EQ(server.lines, (std::vector<QByteArray>{"CONNECT RotServConv", "EXECUTE ClientOn",
                                                     "EXECUTE 123.4 045.0", "EXECUTE Close"}));
    EXPECT_EQ(starter_.waits, (std::vector<int>{1200, 1000}));
}

TEST_F(RotorInterfaceTest, ArsInCapitalsPokesTwiceAPositionAndOpensWhenItCan) {
    rotor_.StartRotorServer(true, "C:\\ARS\\ARSWIN32", false, programFolder_);
    EXPECT_TRUE(rotor_.ArsStyle());
    ASSERT_EQ(notifier_.texts.size(), 1);  // not in the program folder: warned, not launched
    EXPECT_TRUE(starter_.started.empty());
    rotor_.SendToRotor("010.0", "005.0");  // nobody there: dropped without a word
    RecordingServer server(Socket("arswin32"));
    rotor_.SendToRotor("123.4", "045.0");
    ASSERT_TRUE(server.WaitLines(3));
    EXPECT_EQ(server.lines, (std::vector<QByteArray>{"CONNECT RCI", "POKE AZIMUTH GA:123.4",
                                                     "POKE AZIMUTH GE:045.0"}));
    rotor_.CloseRotorServer();
    EXPECT_TRUE(starter_.waits.empty());  // nothing started, and the ARS link closes without a wait
}

TEST_F(RotorInterfaceTest, NoServerFlagOrASecondCopyStartsAndSendsNothing) {
    RecordingServer server(Socket("none"));
    rotor_.StartRotorServer(false, "none", false, programFolder_);  // "DDE" stores flag "-"
    rotor_.SendToRotor("123", "045");
    rotor_.CloseRotorServer();
    RotorInterface second(conversations_, starter_, notifier_);
    second.StartRotorServer(true, "Rotor\\IF100Srv", true, programFolder_);
    second.SendToRotor("123", "045");
    Spin([] { return false; }, 50);
    EXPECT_TRUE(starter_.started.empty());
    EXPECT_TRUE(starter_.waits.empty());
    EXPECT_EQ(server.connections, 0);
    EXPECT_FALSE(rotor_.RotorServerActive());
}

TEST_F(RotorInterfaceTest, MissingServerProgramIsNamedAndTheLaunchStillTried) {
    rotor_.StartRotorServer(true, "Servers/Gone", false, programFolder_);
    ASSERT_EQ(notifier_.texts.size(), 1);
    EXPECT_EQ(notifier_.texts[0], "Server program " + programFolder_ +
                                      "Servers/Gone not found!\r"
                                      "Open menu Setup/Rotor Setup and search the server file.");
    EXPECT_EQ(starter_.started.size(), 1u);
    rotor_.SendToRotor("123", "045");  // goes nowhere, no second message
    EXPECT_EQ(notifier_.texts.size(), 1);
}

// A path written on Windows names a program in the program folder, without its drive; one
// that is not there is refused by name and nothing is run, whatever lies under that name
// in the working folder.
TEST_F(RotorInterfaceTest, AWindowsServerPathRunsOnlyWhatTheProgramFolderHolds) {
    QTemporaryDir working;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(working.path()));
    QDir(working.path()).mkpath("C:/Progs/Rotor");
    WriteBytes(working.path() + "/C:/Progs/Rotor/IF100Srv", "#!/bin/sh\n");
    rotor_.StartRotorServer(true, "C:\\Progs\\Rotor\\IF100Srv", false, programFolder_);
    QDir::setCurrent(before);
    EXPECT_TRUE(starter_.started.empty());
    ASSERT_EQ(notifier_.texts.size(), 1);
    EXPECT_EQ(notifier_.texts[0], "Server program C:\\Progs\\Rotor\\IF100Srv (RotorServer.SQF) is not "
                                  "in the program folder " + programFolder_ + " and is not started.\r"
                                  "Open menu Setup/Rotor Setup and search the server file.");

    QDir(programFolder_).mkpath("Progs/Rotor");
    WriteBytes(programFolder_ + "Progs/Rotor/IF100Srv", "");
    RotorInterface again(conversations_, starter_, notifier_);
    again.StartRotorServer(true, "C:\\Progs\\Rotor\\IF100Srv", false, programFolder_);
    ASSERT_EQ(starter_.started.size(), 1u);
    EXPECT_EQ(starter_.started[0].first, programFolder_ + "Progs/Rotor/IF100Srv");
    EXPECT_EQ(ServerProgramLocation("\\Rotor\\IF100Srv", "/opt/o"), "/opt/o/Rotor/IF100Srv");
    EXPECT_EQ(ServerProgramLocation("/opt/o/data/KCT\\ServerKCT", "/x"), "/opt/o/data/KCT/ServerKCT");
}

TEST_F(RotorInterfaceTest, CatServerThatIsTheRotorServerIsLaunchedOnce) {
    const QString data = programFolder_ + "data/";
    QDir().mkpath(data + "KCT");
    WriteBytes(data + "KCT/ServerKCT", "");
    RecordingServer server(Socket("ServerKCT"));
    rotor_.StartRotorServer(true, data + "KCT\\ServerKCT", false, programFolder_);
    rotor_.StartCatServer(true, data);
    EXPECT_EQ(starter_.started.size(), 1u);
    ASSERT_TRUE(server.WaitLines(4));
    EXPECT_EQ(server.lines, (std::vector<QByteArray>{"CONNECT RotServConv", "EXECUTE ClientOn",
                                                     "CONNECT CatServConv", "EXECUTE ClientOn"}));
    rotor_.CloseCatServer();
    rotor_.CloseRotorServer();
    ASSERT_TRUE(server.WaitLines(6));
    EXPECT_EQ(server.lines[4], "EXECUTE Close");
    EXPECT_EQ(server.lines[5], "EXECUTE Close");
    EXPECT_EQ(starter_.waits, (std::vector<int>{1200, 1000, 1000}));
}

TEST(ServerPaths, AbsoluteFileNameAndArsStyle) {
    EXPECT_TRUE(IsAbsoluteServerPath("/usr/lib/orbivox32/RotctldSrv"));
    EXPECT_TRUE(IsAbsoluteServerPath("C:\\Programme\\WiSat\\Rot"));
    EXPECT_FALSE(IsAbsoluteServerPath("..\\..\\lib\\orbivox32\\RotctldSrv"));
    EXPECT_EQ(ServerFileName("ARS\\ArsWin32"), "ArsWin32");
    EXPECT_EQ(ServerFileName("..\\..\\lib\\orbivox32\\GS232Srv"), "GS232Srv");
    EXPECT_TRUE(IsArsServer("x\\ARSWIN"));
    EXPECT_FALSE(IsArsServer("x\\ARSWIN64"));
    EXPECT_EQ(ServerProgramPath("/opt/o/share/Orbivox32/..\\..\\lib\\orbivox32\\RotctldSrv"),
              "/opt/o/lib/orbivox32/RotctldSrv");
}

}  // namespace
}  // namespace orbivox

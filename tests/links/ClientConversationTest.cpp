// Our client conversations against a recording server on a real socket: opening with the
// link or on request, reopening after a late start or a loss, dropping what cannot be
// delivered, and never waiting on a server that does not read.
#include "links/ClientConversation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "links/ConversationProtocol.h"
#include "tests/support/RecordingSocketServer.h"

namespace orbivox {
namespace {

class ClientConversationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path();
    }
    QString Path(const QString& service) const { return ServiceSocketPath(folder_, service); }

    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(ClientConversationTest, RotorLinkOpensWhenSetAndSendsItsTexts) {
    RecordingServer server(Path("WiSatRot"));
    ClientConversation rot(ClientOpening::WhenLinked, folder_);
    rot.SetLink("WiSatRot", "RotorServer");
    EXPECT_TRUE(rot.IsOpen());
    rot.ExecuteMacro("AZ123 EL45");
    rot.Poke("Position", "multi\nline \\ text");
    ASSERT_TRUE(server.WaitLines(3));
    EXPECT_EQ(server.lines[0], "CONNECT RotorServer");
    EXPECT_EQ(server.lines[1], "EXECUTE AZ123 EL45");
    EXPECT_EQ(server.lines[2], "POKE Position multi\\nline \\\\ text");
    rot.CloseLink();
    rot.CloseLink();  // twice: no effect
    EXPECT_FALSE(rot.IsOpen());
}

TEST_F(ClientConversationTest, ServerThatStartsLateOrGoesAwayIsReachedAtTheNextSend) {
    ClientConversation cat(ClientOpening::WhenLinked, folder_);
    cat.SetLink("CatServer", "CatTopic");
    EXPECT_FALSE(cat.IsOpen());
    cat.ExecuteMacro("dropped: nobody listens");  // no message, no wait
    {
        RecordingServer late(Path("CatServer"));
        cat.ExecuteMacro("first");
        ASSERT_TRUE(late.WaitLines(2));
        EXPECT_EQ(late.lines, (std::vector<QByteArray>{"CONNECT CatTopic", "EXECUTE first"}));
    }
    // The server went away; a text sent before we noticed is lost, the next one reaches
    // the new server over a new connection.
    ASSERT_TRUE(Spin([&] { return !cat.IsOpen(); }));
    cat.ExecuteMacro("lost or not");
    RecordingServer again(Path("CatServer"));
    ASSERT_TRUE(Spin([&] { return !cat.IsOpen(); }));
    cat.ExecuteMacro("second");
    ASSERT_TRUE(again.WaitLines(2));
    EXPECT_EQ(again.lines.front(), "CONNECT CatTopic");
    EXPECT_EQ(again.lines.back(), "EXECUTE second");
}

TEST_F(ClientConversationTest, ArsLinkOpensOnlyOnRequestAndPokesItsItem) {
    ClientConversation ars(ClientOpening::OnRequest, folder_);
    ars.SetItem("AZIMUTH");
    ars.SetLink("ARSWIN", "RCI");
    EXPECT_FALSE(ars.OpenLink());  // nobody there yet
    RecordingServer server(Path("ARSWIN"));
    ars.PokeItem("dropped: not opened");
    Spin([] { return false; }, 50);
    EXPECT_EQ(server.connections, 0);
    ASSERT_TRUE(ars.OpenLink());
    EXPECT_TRUE(ars.OpenLink());  // stays open
    ars.PokeItem("123");
    ASSERT_TRUE(server.WaitLines(2));
    EXPECT_EQ(server.lines, (std::vector<QByteArray>{"CONNECT RCI", "POKE AZIMUTH 123"}));
    EXPECT_EQ(server.connections, 1);
}

TEST_F(ClientConversationTest, ServerThatNeverReadsCostsDroppedTextsNotAStall) {
    const int deaf = DeafServer(Path("WiSatRot"));
    ASSERT_GE(deaf, 0);
    ClientConversation rot(ClientOpening::WhenLinked, folder_);
    rot.SetLink("WiSatRot", "RotorServer");
    ASSERT_TRUE(rot.IsOpen());
    const QString text(4096, QLatin1Char('x'));
    // Far more than the socket and our limit hold; each send returns at once.
    for (int k = 0; k < 500; ++k) {
        rot.ExecuteMacro(text);
        QCoreApplication::processEvents();
        ASSERT_LE(rot.Pending(), ClientConversation::kPendingLimit);
    }
    EXPECT_GT(rot.Pending(), 0);
    ::close(deaf);
}

// A runtime folder that is not the user's own may hold anyone's socket: the client refuses it
// as the server does, sends nothing and says why once. Handing a folder to another user
// needs root; the other cases run for anyone.
TEST_F(ClientConversationTest, ARuntimeFolderNotOurOwnGetsNothing) {
    const QString open = folder_ + "/open";
    ASSERT_TRUE(QDir().mkdir(open));
    ::chmod(QFile::encodeName(open).constData(), 0755);
    const QString theirs = folder_ + "/theirs";
    ASSERT_TRUE(QDir().mkdir(theirs));
    ::chmod(QFile::encodeName(theirs).constData(), 0700);
    const bool root = ::chown(QFile::encodeName(theirs).constData(), ::getuid() + 1,
                              static_cast<gid_t>(-1)) == 0;
    const QString target = folder_ + "/target";
    ASSERT_TRUE(QDir().mkdir(target));
    ::chmod(QFile::encodeName(target).constData(), 0700);
    const QString link = folder_ + "/link";
    ASSERT_TRUE(QFile::link(target, link));
    const struct {
        QString folder;
        const char* why;
    } cases[] = {
        {open, "is open to other users"},
        {theirs, "belongs to another user"},
        {link, "is not a folder"},
    };
    for (const auto& c : cases) {
        if (c.folder == theirs && !root) {
            continue;
        }
        SCOPED_TRACE(c.why);
        RecordingServer server(ServiceSocketPath(c.folder, "WiSatRot"));
        std::vector<QString> told;
        ClientConversation rot(ClientOpening::WhenLinked, c.folder);
        rot.SetRefusalNotice([&](const QString& message) { told.push_back(message); });
        rot.SetLink("WiSatRot", "RotorServer");
        rot.ExecuteMacro("123 45");
        EXPECT_FALSE(rot.OpenLink());
        EXPECT_FALSE(rot.IsOpen());
        Spin([] { return false; }, 50);
        EXPECT_EQ(server.connections, 0);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_TRUE(told[0].contains(c.folder + " " + c.why)) << told[0].toStdString();
    }
}

}  // namespace
}  // namespace orbivox

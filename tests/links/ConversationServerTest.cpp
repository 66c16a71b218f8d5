// The conversation server over real local sockets: the protocol's answers, advise loops,
// hostile and careless clients, and a second instance that must not take the socket.
#include "links/ConversationServer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "links/ConversationProtocol.h"
#include "links/DataItems.h"
#include "links/EventPass.h"
#include "tests/support/Spin.h"

namespace orbivox {
namespace {

// Lets the event loop run for a while, for pacing only: no result waits on it.
void SpinFor(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// A client on a QLocalSocket that collects whole lines.
class Client {
public:
    explicit Client(const QString& path) {
        QObject::connect(&socket_, &QLocalSocket::readyRead, [this] {
            while (socket_.canReadLine()) {
                QByteArray line = socket_.readLine();
                line.chop(1);
                lines.push_back(line);
            }
        });
        socket_.connectToServer(path);
    }
    bool Connected() {
        return Spin([this] { return socket_.state() == QLocalSocket::ConnectedState; });
    }
    void Send(const QByteArray& bytes) {
        socket_.write(bytes);
        socket_.flush();
    }
    bool WaitLines(size_t n) {
        return Spin([&] { return lines.size() >= n; });
    }
    bool WaitClosed() {
        return Spin([this] { return socket_.state() == QLocalSocket::UnconnectedState; });
    }
    QLocalSocket& Socket() { return socket_; }
    std::vector<QByteArray> lines;

private:
    QLocalSocket socket_;
};

class ConversationServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.filePath(QStringLiteral("run"));
        server_ = std::make_unique<ConversationServer>(kDataService);
        DataItems::AddTo(*server_);
        server_->SetTopicOpened([this](const QString& topic) { opened_.push_back(topic); });
        ASSERT_EQ(server_->Listen(folder_), ListenOutcome::Listening);
    }
    QString Path() const { return ServiceSocketPath(folder_, kDataService); }

    QTemporaryDir dir_;
    QString folder_;
    std::unique_ptr<ConversationServer> server_;
    std::vector<QString> opened_;
};

TEST_F(ConversationServerTest, SocketIsTheServiceNameInLowerCaseInAPrivateFolder) {
    EXPECT_EQ(server_->SocketPath(), folder_ + QStringLiteral("/orbivox32"));
    EXPECT_EQ(QFile::permissions(folder_) &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::ExeGroup | QFile::ExeOther),
              QFile::Permissions{});
}

TEST_F(ConversationServerTest, RequestAdviseAndUnadvise) {
    server_->PublishItem(kDataTopic, kDataItem, QStringLiteral("first"));
    Client client(Path());
    ASSERT_TRUE(client.Connected());
    client.Send("CONNECT OrbivoxDdeConv\nREQUEST OrbivoxDdeItem\n");
    ASSERT_TRUE(client.WaitLines(1));
    EXPECT_EQ(client.lines[0], "DATA OrbivoxDdeItem first");

    // Advise gives the current text at once, then every publication, changed or not.
    client.Send("ADVISE OrbivoxDdeItem\n");
    ASSERT_TRUE(client.WaitLines(2));
    server_->PublishItem(kDataTopic, kDataItem, QStringLiteral("first"));
    server_->PublishItem(kDataTopic, kDataItem, kNoSatelliteText);
    server_->PublishItem(kNameTopic, kNameItem, QStringLiteral("other topic"));
    ASSERT_TRUE(client.WaitLines(4));
    EXPECT_EQ(client.lines[1], "DATA OrbivoxDdeItem first");
    EXPECT_EQ(client.lines[2], "DATA OrbivoxDdeItem first");
    EXPECT_EQ(client.lines[3], "DATA OrbivoxDdeItem ** NO SATELLITE **\\n");

    // An unknown command's error answer shows how far the server has read.
    client.Send("UNADVISE OrbivoxDdeItem\nHELLO\n");
    ASSERT_TRUE(client.WaitLines(5));
    server_->PublishItem(kDataTopic, kDataItem, QStringLiteral("not sent"));
    client.Send("REQUEST OrbivoxDdeItem\nHELLO\n");
    ASSERT_TRUE(client.WaitLines(7));
    EXPECT_EQ(client.lines[4], "ERROR unknown command HELLO");
    EXPECT_EQ(client.lines[5], "DATA OrbivoxDdeItem not sent");
    EXPECT_EQ(client.lines[6], "ERROR unknown command HELLO");
    EXPECT_EQ(client.lines.size(), 7u);
    EXPECT_TRUE(opened_ == std::vector<QString>{kDataTopic});
}

TEST_F(ConversationServerTest, OpeningTheNameTopicIsReported) {
    Client client(Path());
    ASSERT_TRUE(client.Connected());
    client.Send("CONNECT DdeServConv\nREQUEST DdeServItem\n");
    ASSERT_TRUE(client.WaitLines(1));
    EXPECT_EQ(client.lines[0], "DATA DdeServItem ");
    EXPECT_TRUE(opened_ == std::vector<QString>{kNameTopic});
}

TEST_F(ConversationServerTest, BadLinesGetAnErrorAndTheConversationGoesOn) {
    struct Case {
        QByteArray sent;
        QByteArray answer;
    };
    const Case cases[] = {
        {"REQUEST OrbivoxDdeItem\n", "ERROR no topic: CONNECT first"},
        {"CONNECT NoSuchTopic\n", "ERROR unknown topic NoSuchTopic"},
        {"HELLO there\n", "ERROR unknown command HELLO"},
        {"DATA OrbivoxDdeItem x\n", "ERROR unknown command DATA"},
        {"\n", "ERROR unknown command "},
        {"CONNECT Orbivox\xff\xfe\n", "ERROR line is not UTF-8"},
        {"CONNECT OrbivoxDdeConv\nREQUEST DdeServItem\n", "ERROR unknown item DdeServItem"},
        {"ADVISE \xc3\n", "ERROR line is not UTF-8"},
    };
    Client client(Path());
    ASSERT_TRUE(client.Connected());
    size_t n = 0;
    for (const Case& c : cases) {
        client.Send(c.sent);
        ASSERT_TRUE(client.WaitLines(++n)) << c.sent.toStdString();
        EXPECT_EQ(client.lines[n - 1], c.answer) << c.sent.toStdString();
    }
    // Pokes and executes are taken without an answer; the connection still serves.
    client.Send("POKE OrbivoxDdeItem x\nEXECUTE [Close]\nREQUEST OrbivoxDdeItem\r\n");
    ASSERT_TRUE(client.WaitLines(++n));
    EXPECT_EQ(client.lines[n - 1], "DATA OrbivoxDdeItem ");
}

TEST_F(ConversationServerTest, OverlongLineClosesOnlyThatConnection) {
    Client good(Path());
    Client bad(Path());
    ASSERT_TRUE(good.Connected() && bad.Connected());
    good.Send("CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n");
    ASSERT_TRUE(good.WaitLines(1));
    bad.Send("CONNECT OrbivoxDdeConv\nPOKE OrbivoxDdeItem " +
             QByteArray(kMaxConversationLine, 'x'));
    ASSERT_TRUE(bad.WaitClosed());
    // Exactly the limit is still a line.
    Client edge(Path());
    ASSERT_TRUE(edge.Connected());
    edge.Send("CONNECT OrbivoxDdeConv\nEXECUTE " + QByteArray(kMaxConversationLine - 8, 'x') +
              "\nREQUEST OrbivoxDdeItem\n");
    ASSERT_TRUE(edge.WaitLines(1));
    server_->PublishItem(kDataTopic, kDataItem, QStringLiteral("still here"));
    ASSERT_TRUE(good.WaitLines(2));
    EXPECT_EQ(good.lines[1], "DATA OrbivoxDdeItem still here");
    EXPECT_EQ(server_->ClientCount(), 2);
}

// A raw socket that advises and then never reads a byte.
int DeafClient(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    const char advise[] = "CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n";
    if (::write(fd, advise, sizeof advise - 1) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// As `printf ... | socat` does it: the request, then the client's side closed at once.
TEST_F(ConversationServerTest, ClientThatClosesItsSideAfterTheRequestStillGetsTheAnswer) {
    server_->PublishItem(kNameTopic, kNameItem, QStringLiteral("ISS (ZARYA) Standby"));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(Path());
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const char request[] = "CONNECT DdeServConv\nREQUEST DdeServItem\n";
    ASSERT_EQ(::write(fd, request, sizeof request - 1), static_cast<ssize_t>(sizeof request - 1));
    ::shutdown(fd, SHUT_WR);
    QByteArray received;
    Spin([&] {
        char buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            received.append(buffer, n);
        }
        return received.endsWith('\n');
    });
    ::close(fd);
    EXPECT_EQ(received, "DATA DdeServItem ISS (ZARYA) Standby\n");
}

TEST_F(ConversationServerTest, ClientThatNeverReadsIsDroppedAndTheOthersKeepReceiving) {
    server_->SetPendingLimit(64 * 1024);
    const int deaf = DeafClient(Path());
    ASSERT_GE(deaf, 0);
    std::vector<std::unique_ptr<Client>> clients;
    for (int k = 0; k < 20; ++k) {
        clients.push_back(std::make_unique<Client>(Path()));
        ASSERT_TRUE(clients.back()->Connected());
        clients.back()->Send("CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n");
    }
    ASSERT_TRUE(Spin([&] { return server_->ClientCount() == 21; }));
    for (auto& c : clients) {
        ASSERT_TRUE(c->WaitLines(1));
    }
    // Far more than the deaf client's socket and our limit can hold.
    const QString text(16 * 1024, QLatin1Char('x'));
    constexpr int kTicks = 80;
    for (int tick = 0; tick < kTicks; ++tick) {
        server_->PublishItem(kDataTopic, kDataItem, text + QString::number(tick));
        SpinFor(5);
    }
    for (auto& c : clients) {
        ASSERT_TRUE(c->WaitLines(kTicks + 1));
        EXPECT_EQ(c->lines.size(), size_t{kTicks + 1});
        EXPECT_TRUE(c->lines.back().endsWith(QByteArray::number(kTicks - 1)));
    }
    EXPECT_EQ(server_->ClientCount(), 20);
    ::close(deaf);
}

// Many clients that never read, each under its own limit, together over the total: the
// slowest go until the rest fit, and a client that reads keeps receiving.
TEST_F(ConversationServerTest, ClientsThatNeverReadAreHeldToATotal) {
    constexpr qint64 kTotal = 512 * 1024;
    server_->SetTotalPendingLimit(kTotal);
    std::vector<int> deaf;
    for (int k = 0; k < 12; ++k) {
        deaf.push_back(DeafClient(Path()));
        ASSERT_GE(deaf.back(), 0);
    }
    Client reader(Path());
    ASSERT_TRUE(reader.Connected());
    reader.Send("CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n");
    ASSERT_TRUE(Spin([&] { return server_->ClientCount() == 13; }));
    ASSERT_TRUE(reader.WaitLines(1));
    const QString text(16 * 1024, QLatin1Char('x'));
    constexpr int kTicks = 120;  // 2 MB for each client, far more than the total
    for (int tick = 0; tick < kTicks; ++tick) {
        server_->PublishItem(kDataTopic, kDataItem, text + QString::number(tick));
        EXPECT_LE(server_->PendingTotal(), kTotal);
        SpinFor(2);
    }
    ASSERT_TRUE(reader.WaitLines(kTicks + 1));
    EXPECT_TRUE(reader.lines.back().endsWith(QByteArray::number(kTicks - 1)));
    EXPECT_LT(server_->ClientCount(), 13);
    EXPECT_GE(server_->ClientCount(), 1);
    for (const int fd : deaf) {
        ::close(fd);
    }
}

// In a loop of our own (the stepped clock's), clients dropped with their unsent data are
// deleted, and the memory is handed back once their buffers are gone, not for each client.
TEST_F(ConversationServerTest, DroppedClientsAreDeletedInALoopOfOurOwnAndTheirMemoryHandedBack) {
    server_->SetPendingLimit(256 * 1024);
    int returned = 0;
    server_->SetMemoryReturn([&] { ++returned; });
    const auto passUntil = [](const std::function<bool()>& done) {
        const QDeadlineTimer deadline(kWaitDeadlineMs);
        while (!done() && !deadline.hasExpired()) {
            RunEventPass();
        }
        return done();
    };
    std::vector<int> deaf;
    for (int k = 0; k < 8; ++k) {  // 2 MiB unsent when all are dropped
        deaf.push_back(DeafClient(Path()));
        ASSERT_GE(deaf.back(), 0);
    }
    ASSERT_TRUE(passUntil([&] { return server_->ClientCount() == 8; }));
    const QString text(16 * 1024, QLatin1Char('x'));
    ASSERT_TRUE(passUntil([&] {
        server_->PublishItem(kDataTopic, kDataItem, text);
        return server_->ClientCount() == 0;
    }));
    EXPECT_TRUE(passUntil([&] { return returned > 0; }));
    for (int pass = 0; pass < 10; ++pass) {
        RunEventPass();
    }
    EXPECT_LE(returned, 2);
    for (const int fd : deaf) {
        ::close(fd);
    }
}

TEST_F(ConversationServerTest, HundredClientsAndClientsThatVanish) {
    std::vector<std::unique_ptr<Client>> clients;
    for (int k = 0; k < 100; ++k) {
        clients.push_back(std::make_unique<Client>(Path()));
        ASSERT_TRUE(clients.back()->Connected());
        clients.back()->Send("CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n");
    }
    // Every advise answered before the first publication: an advise the server reads later
    // is answered with that publication's text, one line fewer than counted here.
    for (auto& c : clients) {
        ASSERT_TRUE(c->WaitLines(1));
    }
    constexpr int kTicks = 30;
    for (int tick = 0; tick < kTicks; ++tick) {
        // Clients that connect, advise or half-send a line, and go.
        for (int v = 0; v < 5; ++v) {
            Client vanishing(Path());
            vanishing.Connected();
            vanishing.Send(v % 2 ? "CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n"
                                 : "CONNECT Orbivox");
            vanishing.Socket().abort();
        }
        server_->PublishItem(kDataTopic, kDataItem, QStringLiteral("tick %1").arg(tick));
        SpinFor(5);
    }
    for (auto& c : clients) {
        ASSERT_TRUE(c->WaitLines(kTicks + 1));
        EXPECT_EQ(c->lines.back(),
                  QByteArray("DATA OrbivoxDdeItem tick ") + QByteArray::number(kTicks - 1));
    }
    ASSERT_TRUE(Spin([&] { return server_->ClientCount() == 100; }));
}

// Connections beyond the limit are refused (the newest), a connection that opens no topic is
// closed after a while, and the clients at work are served throughout; the operator hears
// of the refusals once.
TEST_F(ConversationServerTest, TooManyOrIdleConnectionsAreClosedAndTheOthersServed) {
    std::vector<QString> told;
    server_->SetNotice([&](const QString& message) { told.push_back(message); });
    server_->SetClientLimit(3);
    Client working(Path());
    ASSERT_TRUE(working.Connected());
    working.Send("CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n");
    ASSERT_TRUE(working.WaitLines(1));
    Client idle(Path());
    ASSERT_TRUE(idle.Connected());
    std::vector<std::unique_ptr<Client>> more;
    for (int k = 0; k < 3; ++k) {
        more.push_back(std::make_unique<Client>(Path()));
        more.back()->Send("CONNECT OrbivoxDdeConv\n");
    }
    // The third connection fills the limit; the two after it are refused.
    EXPECT_TRUE(more[1]->WaitClosed());
    EXPECT_TRUE(more[2]->WaitClosed());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].contains("newer ones are refused")) << told[0].toStdString();
    // The one that never named a topic goes after the wait; the others stay.
    server_->SetTopicWait(std::chrono::milliseconds(200));
    EXPECT_TRUE(idle.WaitClosed());
    EXPECT_TRUE(Spin([&] { return server_->ClientCount() == 2; }));
    server_->PublishItem(kDataTopic, kDataItem, QStringLiteral("still served"));
    ASSERT_TRUE(working.WaitLines(2));
    EXPECT_EQ(working.lines.back(), "DATA OrbivoxDdeItem still served");
    EXPECT_EQ(more[0]->Socket().state(), QLocalSocket::ConnectedState);
}

// Accepting fails when the process has no file descriptor left, and the socket stops
// serving (its file is gone); once descriptors are free again the server listens anew.
TEST_F(ConversationServerTest, ListensAgainAfterRunningOutOfFileDescriptors) {
    std::vector<QString> told;
    server_->SetNotice([&](const QString& message) { told.push_back(message); });
    {
        // One conversation first, while descriptors are plenty: the undefined-behaviour
        // checker looks up each class once and needs a descriptor of its own to do it.
        Client warmUp(Path());
        ASSERT_TRUE(warmUp.Connected());
    }
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    rlimit low = limit;
    low.rlim_cur = std::min<rlim_t>(limit.rlim_cur, 512);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    std::vector<int> held;
    for (int fd; (fd = ::dup(0)) >= 0;) {
        held.push_back(fd);
    }
    ASSERT_FALSE(held.empty());
    ::close(held.back());  // one left: for the client's end, none for the server's
    held.pop_back();
    {
        Client client(Path());
        EXPECT_TRUE(Spin([&] { return !server_->IsListening(); }));
    }
    for (const int fd : held) {
        ::close(fd);
    }
    ::setrlimit(RLIMIT_NOFILE, &limit);
    ASSERT_TRUE(Spin([&] { return server_->IsListening() && QFile::exists(Path()); }));
    ASSERT_GE(told.size(), 1u);
    EXPECT_TRUE(told[0].contains("stopped serving")) << told[0].toStdString();
    server_->PublishItem(kDataTopic, kDataItem, QStringLiteral("again"));
    Client client(Path());
    ASSERT_TRUE(client.Connected());
    client.Send("CONNECT OrbivoxDdeConv\nREQUEST OrbivoxDdeItem\n");
    ASSERT_TRUE(client.WaitLines(1));
    EXPECT_EQ(client.lines[0], "DATA OrbivoxDdeItem again");
}

TEST_F(ConversationServerTest, SecondInstanceLeavesTheRunningOneAlone) {
    ConversationServer second(kDataService);
    DataItems::AddTo(second);
    EXPECT_EQ(second.Listen(folder_), ListenOutcome::OtherInstance);
    EXPECT_FALSE(second.IsListening());
    server_->PublishItem(kDataTopic, kDataItem, QStringLiteral("first instance"));
    Client client(Path());
    ASSERT_TRUE(client.Connected());
    client.Send("CONNECT OrbivoxDdeConv\nREQUEST OrbivoxDdeItem\n");
    ASSERT_TRUE(client.WaitLines(1));
    EXPECT_EQ(client.lines[0], "DATA OrbivoxDdeItem first instance");
}

TEST(ConversationServerStart, StaleSocketIsReplacedOtherFilesAreNot) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("run"));
    {
        // A socket file nobody listens on, as a crashed run leaves it.
        ConversationServer crashed(kDataService);
        ASSERT_EQ(crashed.Listen(folder), ListenOutcome::Listening);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(ServiceSocketPath(folder, kDataService) + "2");
        std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);  // bound, never listened: connecting is refused
    }
    ConversationServer second(kDataService + "2");
    EXPECT_EQ(second.Listen(folder), ListenOutcome::Listening);

    QFile other(ServiceSocketPath(folder, QStringLiteral("plain")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("keep me");
    other.close();
    ConversationServer plain(QStringLiteral("Plain"));
    EXPECT_EQ(plain.Listen(folder), ListenOutcome::Failed);
    EXPECT_TRUE(QFile::exists(other.fileName()));
}

TEST(ConversationProtocol, PayloadEscapesRoundTrip) {
    const QString texts[] = {
        QStringLiteral(""),      QStringLiteral("plain"), QStringLiteral("** NO SATELLITE **\n"),
        QStringLiteral("a\\nb"), QStringLiteral("\\"),    QStringLiteral("\n\n\\\\")};
    for (const QString& text : texts) {
        EXPECT_EQ(UnescapePayload(EscapePayload(text)), text) << text.toStdString();
        EXPECT_FALSE(EscapePayload(text).contains(QLatin1Char('\n')));
    }
    EXPECT_EQ(EscapePayload(QStringLiteral("a\\b\n")), QStringLiteral("a\\\\b\\n"));
    const ConversationLine poke = ParseConversationLine("POKE AZIMUTH 123 \\\\ x\\n");
    EXPECT_EQ(poke.verb, ConversationVerb::Poke);
    EXPECT_EQ(poke.name, QStringLiteral("AZIMUTH"));
    EXPECT_EQ(poke.text, QStringLiteral("123 \\ x\n"));
    EXPECT_EQ(FormatConversationLine(ConversationVerb::Poke, "AZIMUTH", "1\n2"),
              QByteArray("POKE AZIMUTH 1\\n2\n"));
}

}  // namespace
}  // namespace orbivox

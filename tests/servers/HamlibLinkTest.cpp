// The server programs' link to rigctld and rotctld against daemons that misbehave: an answer
// that dribbles in without end, an endless line, lines that never say "RPRT". Each answer has
// one deadline and a size cap: the link hangs up on such a daemon (the daemon sees its
// connection go while it still had bytes to send), logs why and holds off.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <thread>

#include "servers/HamlibLink.h"
#include "tests/servers/ServerPrograms.h"

namespace orbivox::servers {
namespace {

// A daemon on 127.0.0.1 that takes one connection, reads one command line, then sends
// `piece` `count` times with `pause` between pieces and closes. `cutOff` tells whether the
// link hung up before the daemon was done.
class MisbehavingDaemon {
public:
    MisbehavingDaemon(QByteArray piece, int count, std::chrono::milliseconds pause)
        : listener_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        EXPECT_EQ(::bind(listener_, reinterpret_cast<sockaddr*>(&address), length), 0);
        EXPECT_EQ(::listen(listener_, 1), 0);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this, piece, count, pause] { Serve(piece, count, pause); });
    }
    ~MisbehavingDaemon() {
        Finish();
        ::close(listener_);
    }
    quint16 port() const { return port_; }
    bool cutOff() {
        Finish();
        return cutOff_;
    }

private:
    void Finish() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    void Serve(const QByteArray& piece, int count, std::chrono::milliseconds pause) {
        const int connection = ::accept(listener_, nullptr, nullptr);
        char c = 0;
        while (::recv(connection, &c, 1, 0) == 1 && c != '\n') {
        }
        for (int k = 0; k < count && !cutOff_; ++k) {
            cutOff_ = ::send(connection, piece.constData(), static_cast<size_t>(piece.size()),
                             MSG_NOSIGNAL) < 0;
            std::this_thread::sleep_for(pause);
        }
        ::close(connection);
    }

    int listener_;
    quint16 port_ = 0;
    std::thread thread_;
    std::atomic<bool> cutOff_ = false;
};

TEST(HamlibLink, AnAnswerThatNeverEndsIsGivenUpAndTheConnectionDropped) {
    using namespace std::chrono_literals;
    const struct {
        const char* what;
        QByteArray piece;
        int count;
        std::chrono::milliseconds pause;
        const char* logged;
    } cases[] = {
        // 20 s of one byte every 50 ms: each byte came well within the wait for the next.
        {"a dribble", "x", 400, 50ms, "the answer from rotctld to P 10 20 did not end in 3 s"},
        {"an endless line", QByteArray(4096, 'x'), 1024, 0ms, "ran past 16384 bytes"},
        {"lines without RPRT", QByteArray(4096, '\n'), 1024, 0ms, "ran past 16384 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ServerLog log(dir.filePath("RotctldSrv.log"));
        MisbehavingDaemon daemon(c.piece, c.count, c.pause);
        HamlibLink link("rotctld", {"127.0.0.1", daemon.port()}, log);
        EXPECT_FALSE(link.Send("P 10 20"));
        EXPECT_FALSE(link.IsConnected());
        EXPECT_TRUE(daemon.cutOff());
        EXPECT_TRUE(FileText(log.Path()).contains(c.logged)) << FileText(log.Path()).toStdString();
        // Held off: the next command is dropped at once, so "Close" is served meanwhile.
        EXPECT_FALSE(link.Send("P 11 21"));
    }
}

// The reader itself, fed in pieces: an answer ends at its "RPRT" line whatever came before,
// and more than the cap without one is given up.
TEST(HamlibAnswerReader, EndsAtRprtOrGivesUpPastTheCap) {
    using State = RigctldAnswerReader::State;
    RigctldAnswerReader extended;
    EXPECT_EQ(extended.Take("get_pos:\nAzimuth: 10\nElev"), State::Waiting);
    EXPECT_EQ(extended.Take("ation: 20\nRP"), State::Waiting);
    EXPECT_EQ(extended.Take("RT 0\nstale"), State::Complete);
    EXPECT_EQ(extended.ReportLine(), "RPRT 0");

    RigctldAnswerReader endless;
    EXPECT_EQ(endless.Take(QByteArray(RigctldAnswerReader::kMaxBytes, 'x')), State::Waiting);
    EXPECT_EQ(endless.Take("\nRPRT 0\n"), State::TooLong);
}

}  // namespace
}  // namespace orbivox::servers

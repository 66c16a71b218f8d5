#pragma once
// Local-socket stand-ins for the programs our conversations talk to: a server that writes
// down every line its clients send, and one that accepts and never reads.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <cstring>
#include <vector>

#include "tests/support/Spin.h"

namespace orbivox {

// A server that writes down every line its clients send.
class RecordingServer {
public:
    explicit RecordingServer(const QString& path) {
        QObject::connect(&server_, &QLocalServer::newConnection, [this] {
            while (QLocalSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                QObject::connect(socket, &QLocalSocket::readyRead, [this, socket] {
                    while (socket->canReadLine()) {
                        QByteArray line = socket->readLine();
                        line.chop(1);
                        lines.push_back(line);
                    }
                });
            }
        });
        EXPECT_TRUE(server_.listen(path)) << path.toStdString();
    }
    bool WaitLines(size_t n) {
        return Spin([&] { return lines.size() >= n; });
    }
    std::vector<QByteArray> lines;
    int connections = 0;

private:
    QLocalServer server_;
};

// A listening socket whose connections are accepted and never read.
inline int DeafServer(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace orbivox

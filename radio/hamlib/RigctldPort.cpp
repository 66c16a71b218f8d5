// rigctld over TCP as a radio's line.
#include "radio/hamlib/RigctldPort.h"

namespace orbivox {
namespace {

// How long a write may take to leave; a local daemon takes it at once.
constexpr int kWriteWaitMs = 200;

}  // namespace

RigctldPort::RigctldPort(QString host, int port)
    : host_(std::move(host)),
      port_(static_cast<quint16>(port)),
      device_(QStringLiteral("%1:%2").arg(host_).arg(port)) {}

bool RigctldPort::Connect() {
    // The connection goes ahead with the event loop between ticks; a refused or lost one
    // falls back to unconnected there, and the next write starts it again.
    if (socket_.state() == QAbstractSocket::UnconnectedState) {
        socket_.connectToHost(host_, port_);
    }
    return Connected();
}

bool RigctldPort::ConnectWithin(int ms, QString* reason) {
    Connect();
    if (!Connected() && !socket_.waitForConnected(ms)) {
        *reason = socket_.errorString();
        socket_.abort();
        return false;
    }
    return true;
}

bool RigctldPort::Write(const QByteArray& bytes) {
    if (!Connect()) {
        return false;
    }
    if (socket_.write(bytes) != bytes.size()) {
        socket_.abort();
        return false;
    }
    while (socket_.bytesToWrite() > 0) {
        if (!socket_.waitForBytesWritten(kWriteWaitMs)) {
            socket_.abort();
            return false;
        }
    }
    return true;
}

qint64 RigctldPort::Pending() {
    if (!Connected()) {
        return 0;
    }
    socket_.waitForReadyRead(0);
    return socket_.bytesAvailable();
}

QByteArray RigctldPort::ReadAll() {
    if (Pending() == 0) {
        return {};
    }
    return socket_.readAll();
}

void RigctldPort::Purge() {
    ReadAll();
}

bool RigctldPort::WaitForInput(int ms) {
    if (!Connected()) {
        return false;
    }
    const bool more = socket_.waitForReadyRead(ms);
    if (!more && socket_.state() != QAbstractSocket::ConnectedState) {
        socket_.abort();  // rigctld went away: connect again at the next write
    }
    return more;
}

}  // namespace orbivox

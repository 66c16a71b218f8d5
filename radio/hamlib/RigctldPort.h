#pragma once
// The Hamlib family's line: a TCP connection to rigctld in place of a serial port. It is
// made when the first command goes out and made again, the same way, after rigctld went
// away; a connection under way never holds the tick up (it goes ahead with the event loop
// between ticks; writes until it stands are dropped,
// and the missing answers are what the operator is told about).
#include <QTcpSocket>

#include "radio/CatPort.h"

namespace orbivox {

class RigctldPort : public CatPort {
public:
    RigctldPort(QString host, int port);

    // Always: the daemon is reached on demand.
    bool IsOpen() const override { return true; }
    const QString& Device() const override { return device_; }
    bool Write(const QByteArray& bytes) override;
    qint64 Pending() override;
    QByteArray ReadAll() override;
    void Purge() override;
    bool WaitForInput(int ms) override;

    bool Connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    // Starts a connection unless one stands or is under way; true once it stands.
    bool Connect();
    // For a test the operator asked for: waits up to `ms` for the connection. False with
    // the reason.
    bool ConnectWithin(int ms, QString* reason);

private:
    QString host_;
    quint16 port_ = 0;
    QString device_;
    QTcpSocket socket_;
};

}  // namespace orbivox

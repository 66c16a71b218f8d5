#pragma once
// A connection to one of Hamlib's network daemons (rigctld, rotctld) as the server
// programs use it: made when the first command needs it, every command's answer read up
// to its "RPRT n" line, a refusal logged, and a lost connection made again, so a daemon
// that was restarted is found again without anyone noticing.
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTcpSocket>
#include <functional>

#include "net/DaemonAddress.h"
#include "net/RigctldAnswer.h"
#include "servers/RotorServerFrame.h"

namespace orbivox::servers {

// A daemon's address from lines 1 (host) and 2 (port) of its settings file. A missing
// file gives `defaults`; a bad line is logged and its default kept.
DaemonAddress ReadHamlibAddress(const QString& path, DaemonAddress defaults, ServerLog& log);

class HamlibLink {
public:
    // `daemon` names it in the log ("rigctld").
    HamlibLink(QString daemon, DaemonAddress address, ServerLog& log);

    // Sends one command line. True when the daemon answered "RPRT 0"; a refusal, no answer
    // or no daemon is logged and gives false. A connection that broke since the last
    // command is made again and the command sent once more on it. An answer has a few
    // seconds in all, however its bytes dribble in, and a size cap. After a daemon kept us
    // waiting in vain (a hung daemon, a host that does not answer) or talked past either
    // limit, the connection is dropped and commands are dropped at once for a few seconds,
    // so the macros behind them do not pile up stale and "Close" is served meanwhile; then
    // the link connects again.
    bool Send(const QString& command);
    // Connects unless connected; false when the daemon cannot be reached (logged).
    bool EnsureConnected() { return IsConnected() || (!HoldingOff() && Connect()); }
    void Disconnect();
    bool IsConnected() const { return socket_.state() == QAbstractSocket::ConnectedState; }

    // Called after every new connection, before the command that needed it: what the
    // daemon must be told again after a restart.
    std::function<void()> onConnected;

private:
    // Silent: nothing came in time; Overdue: bytes came, the "RPRT" line not in time;
    // TooLong: more bytes than an answer has.
    enum class Outcome { Answered, Broken, Silent, Overdue, TooLong, Unreachable };
    Outcome Attempt(const QString& command, QString& answer);
    bool Connect();
    Outcome ReadAnswer(QString& answer);
    void HoldOff();
    bool HoldingOff() const;

    QString daemon_;
    DaemonAddress address_;
    ServerLog& log_;
    QTcpSocket socket_;
    bool connecting_ = false;
    QElapsedTimer heldOff_;  // valid while commands are dropped
};

}  // namespace orbivox::servers

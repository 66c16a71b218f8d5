// The server programs' connection to rigctld and rotctld.
#include "servers/HamlibLink.h"

#include "net/DaemonAddress.h"

namespace orbivox::servers {
namespace {

constexpr int kConnectWaitMs = 2000;
constexpr int kAnswerWaitMs = 3000;
constexpr int kHoldOffMs = 5000;

}  // namespace

HamlibAddress ReadHamlibAddress(const QString& path, HamlibAddress defaults, ServerLog& log) {
    QString problem;
    const DaemonAddress address = ReadDaemonAddress(path, {defaults.host, defaults.port}, &problem);
    if (!problem.isEmpty()) {
        log.Line(problem);
    }
    return {address.host, static_cast<quint16>(address.port)};
}

HamlibLink::HamlibLink(QString daemon, HamlibAddress address, ServerLog& log)
    : daemon_(std::move(daemon)), address_(std::move(address)), log_(log) {
    log_.Line(QStringLiteral("%1 at %2:%3").arg(daemon_, address_.host).arg(address_.port));
}

bool HamlibLink::Send(const QString& command) {
    if (HoldingOff()) {
        return false;
    }
    const bool wasConnected = IsConnected();
    QString answer;
    Outcome outcome = Attempt(command, answer);
    if (outcome == Outcome::Broken && wasConnected) {
        // The daemon went away since the last command (restarted, say): once more on a
        // new connection.
        outcome = Attempt(command, answer);
    }
    switch (outcome) {
        case Outcome::Unreachable:
            return false;
        case Outcome::Broken:
            log_.Line(
                QStringLiteral("no answer from %1 to %2; connecting again at the next command")
                    .arg(daemon_, command));
            return false;
        case Outcome::Silent:
            log_.Line(QStringLiteral("no answer from %1 to %2 in time").arg(daemon_, command));
            HoldOff();
            return false;
        case Outcome::Answered:
            break;
    }
    if (answer != QLatin1String("RPRT 0")) {
        log_.Line(QStringLiteral("%1 refused %2: %3").arg(daemon_, command, answer));
        return false;
    }
    return true;
}

void HamlibLink::Disconnect() {
    if (IsConnected()) {
        log_.Line(QStringLiteral("disconnected from ") + daemon_);
    }
    socket_.disconnectFromHost();
    socket_.abort();
}

HamlibLink::Outcome HamlibLink::Attempt(const QString& command, QString& answer) {
    if (!IsConnected() && !Connect()) {
        return Outcome::Unreachable;
    }
    socket_.write((command + QLatin1Char('\n')).toLatin1());
    socket_.flush();
    answer = ReadAnswer();
    if (answer.isEmpty()) {
        // Waiting in vain is worse than a closed connection: that one is made again at once.
        const bool silent = socket_.error() == QAbstractSocket::SocketTimeoutError;
        socket_.abort();
        return silent ? Outcome::Silent : Outcome::Broken;
    }
    return Outcome::Answered;
}

bool HamlibLink::Connect() {
    socket_.abort();
    socket_.connectToHost(address_.host, address_.port);
    if (!socket_.waitForConnected(kConnectWaitMs)) {
        log_.Line(QStringLiteral("cannot reach %1: %2").arg(daemon_, socket_.errorString()));
        const bool timedOut = socket_.error() == QAbstractSocket::SocketTimeoutError;
        socket_.abort();
        if (timedOut) {
            HoldOff();
        }
        return false;
    }
    log_.Line(QStringLiteral("connected to ") + daemon_);
    // What the new connection needs first; a failure there leaves the link unconnected.
    if (onConnected && !connecting_) {
        connecting_ = true;
        onConnected();
        connecting_ = false;
    }
    return IsConnected();
}

void HamlibLink::HoldOff() {
    log_.Line(QStringLiteral("commands to %1 dropped for %2 s, then connecting again")
                  .arg(daemon_)
                  .arg(kHoldOffMs / 1000));
    heldOff_.start();
}

bool HamlibLink::HoldingOff() const {
    return heldOff_.isValid() && !heldOff_.hasExpired(kHoldOffMs);
}

// The "RPRT n" line that ends every answer (extended answers have lines before it).
QString HamlibLink::ReadAnswer() {
    while (true) {
        while (socket_.canReadLine()) {
            const QString line = QString::fromLatin1(socket_.readLine()).trimmed();
            if (line.startsWith(QLatin1String("RPRT"))) {
                return line;
            }
        }
        if (!socket_.waitForReadyRead(kAnswerWaitMs)) {
            return {};
        }
    }
}

}  // namespace orbivox::servers

// The server programs' connection to rigctld and rotctld.
#include "servers/HamlibLink.h"

#include <QDeadlineTimer>


namespace orbivox::servers {
namespace {

constexpr int kConnectWaitMs = 2000;
constexpr int kAnswerWaitMs = 3000;  // for the whole answer, not for each byte of it
constexpr int kHoldOffMs = 5000;

}  // namespace

DaemonAddress ReadHamlibAddress(const QString& path, DaemonAddress defaults, ServerLog& log) {
    QString problem;
    DaemonAddress address = ReadDaemonAddress(path, std::move(defaults), &problem);
    if (!problem.isEmpty()) {
        log.Line(problem);
    }
    return address;
}

HamlibLink::HamlibLink(QString daemon, DaemonAddress address, ServerLog& log)
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
        case Outcome::Overdue:
            log_.Line(QStringLiteral("the answer from %1 to %2 did not end in %3 s")
                          .arg(daemon_, command)
                          .arg(kAnswerWaitMs / 1000));
            HoldOff();
            return false;
        case Outcome::TooLong:
            log_.Line(QStringLiteral("the answer from %1 to %2 ran past %3 bytes without \"RPRT\"")
                          .arg(daemon_, command)
                          .arg(RigctldAnswerReader::kMaxBytes));
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
    const Outcome outcome = ReadAnswer(answer);
    if (outcome != Outcome::Answered) {
        // Whatever is still on its way belongs to no command: the connection goes. Waiting
        // in vain is worse than a closed connection, which is made again at once.
        socket_.abort();
    }
    return outcome;
}

bool HamlibLink::Connect() {
    socket_.abort();
    socket_.connectToHost(address_.host, static_cast<quint16>(address_.port));
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

// The "RPRT n" line that ends every answer (extended answers have lines before it), within
// one deadline for the whole answer.
HamlibLink::Outcome HamlibLink::ReadAnswer(QString& answer) {
    RigctldAnswerReader reader;
    const QDeadlineTimer deadline(kAnswerWaitMs);
    while (true) {
        switch (reader.Take(socket_.readAll())) {
            case RigctldAnswerReader::State::Complete:
                answer = reader.ReportLine();
                return Outcome::Answered;
            case RigctldAnswerReader::State::TooLong:
                return Outcome::TooLong;
            case RigctldAnswerReader::State::Waiting:
                break;
        }
        if (!socket_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            if (!deadline.hasExpired() &&
                socket_.error() != QAbstractSocket::SocketTimeoutError) {
                return Outcome::Broken;
            }
            return reader.Started() ? Outcome::Overdue : Outcome::Silent;
        }
    }
}

}  // namespace orbivox::servers

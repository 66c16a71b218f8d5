// The CAT delays and reply waits: plain sleeps and blocking reads on the port.
#include "radio/CatLink.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

namespace orbivox {

void CatLink::ReportWritesWithoutPort(const void* owner, std::function<void()> report) {
    if (report) {
        unsentWriteOwner_ = owner;
        unsentWriteReport_ = std::move(report);
    } else if (owner == unsentWriteOwner_) {
        unsentWriteOwner_ = nullptr;
        unsentWriteReport_ = nullptr;
    }
}

void CatLink::Send(const QByteArray& bytes) {
    if (!HasPort() && unsentWriteReport_) {
        unsentWriteReport_();
        return;
    }
    if (onSend) {
        onSend(bytes);
    }
    if (HasPort()) {
        port_->Write(bytes);
    }
}

void CatLink::SendEach(const QList<QByteArray>& commands) {
    for (const QByteArray& command : commands) {
        Send(command);
        Delay();
    }
}

void CatLink::Delay(int times) const {
    if (catDelayMs_ > 0 && times > 0) {
        QThread::msleep(static_cast<unsigned long>(catDelayMs_) * times);
    }
}

void CatLink::HalfDelay() const {
    if (catDelayMs_ > 1) {
        QThread::msleep(static_cast<unsigned long>(catDelayMs_ / 2));
    }
}

void CatLink::ClearInput() {
    if (HasPort()) {
        port_->Purge();
    }
}

QByteArray CatLink::AwaitReply(int moreThan) {
    if (!HasPort()) {
        return {};
    }
    const int limitMs = std::max(2 * catDelayMs_, kShortestReplyWaitMs);
    QElapsedTimer clock;
    clock.start();
    while (HasPort() && port_->Pending() <= moreThan) {
        const qint64 left = limitMs - clock.elapsed();
        if (left <= 0) {
            break;
        }
        port_->WaitForInput(static_cast<int>(left));
    }
    return HasPort() ? port_->ReadAll() : QByteArray();
}

QByteArray CatLink::AwaitAnswer(const std::function<bool(const QByteArray&)>& complete,
                                int leastWaitMs) {
    QByteArray answer;
    if (!HasPort()) {
        return answer;
    }
    const int limitMs = std::max({2 * catDelayMs_, kShortestReplyWaitMs, leastWaitMs});
    QElapsedTimer clock;
    clock.start();
    while (HasPort()) {
        answer += port_->ReadAll();
        if (complete(answer)) {
            break;
        }
        const qint64 left = limitMs - clock.elapsed();
        if (left <= 0) {
            break;
        }
        port_->WaitForInput(static_cast<int>(left));
    }
    return answer;
}

}  // namespace orbivox

#pragma once
// Waiting for something to happen rather than for a time: the event loop turns until a
// condition holds or a deadline passes. The deadline is generous because the suite also
// runs under the sanitizers on a two-core machine that is busy with other work.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

namespace orbivox {

inline constexpr int kWaitDeadlineMs = 20000;

// Turns the event loop until `done` or the deadline; false when the deadline came first.
inline bool Spin(const std::function<bool()>& done, int ms = kWaitDeadlineMs) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace orbivox

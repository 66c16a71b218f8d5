// Catching what escapes an event handler and showing it as an error box.
#include "app/desktop/GuardedApplication.h"

#include <exception>

namespace orbivox {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        notifier_.Error(QString::fromUtf8(failure.what()));
    } catch (...) {
        notifier_.Error(QStringLiteral("Unknown error"));
    }
    return false;
}

}  // namespace orbivox

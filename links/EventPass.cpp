#include "links/EventPass.h"

#include <QCoreApplication>
#include <QEvent>

namespace orbivox {

void RunEventPass() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace orbivox

#pragma once
// The desktop program's application object. A failure that no window handles (a settings
// file that cannot be written, a value that does not convert) ends only the event it
// happened in: its text is shown in an error box and the program goes on with the next
// event, instead of the exception leaving the event loop and ending the program.
#include <QApplication>

#include "settings/Notifier.h"

namespace orbivox {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv, Notifier& notifier)
        : QApplication(argc, argv), notifier_(notifier) {}

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Notifier& notifier_;
};

}  // namespace orbivox

#pragma once
// Message boxes and beeps as the engine sees them. The desktop program shows boxes, the
// command-line tool prints, tests record.
#include <QString>

namespace orbivox {

class Notifier {
public:
    virtual ~Notifier() = default;
    // An information or error box with an OK button; "\r" separates lines.
    virtual void Message(const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    virtual void Beep() {}
};

}  // namespace orbivox

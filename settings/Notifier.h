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

// The program's messages separate their lines with "\r", as its settings files and the
// texts its users know do; a box or a terminal shows them with "\n".
inline QString DisplayLines(const QString& text) {
    return QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace orbivox

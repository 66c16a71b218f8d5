#pragma once
// Message boxes and beeps as the engine and the dialogs see them: one seam for every word
// the program says to the operator outside its own windows. The desktop program shows
// boxes over its active window, the command-line tool prints, tests record.
#include <QString>

namespace orbivox {

enum class MessageKind { Information, Warning, Error };

// One box. Its text separates lines with "\r"; an empty caption is the program's name.
struct OperatorMessage {
    QString text;
    MessageKind kind = MessageKind::Information;
    QString caption;
    QString detail;          // a smaller second paragraph, when there is one
    bool defaultNo = false;  // a question whose safe answer is No offers No first
};

class Notifier {
public:
    virtual ~Notifier() = default;
    // A box with an OK button.
    virtual void Show(const OperatorMessage& message) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool Ask(const OperatorMessage& question) = 0;
    virtual void Beep() {}

    void Message(const QString& text) { Show({text, MessageKind::Information, {}, {}, false}); }
    void Warning(const QString& text) { Show({text, MessageKind::Warning, {}, {}, false}); }
    void Error(const QString& text) { Show({text, MessageKind::Error, {}, {}, false}); }
    bool AskYesNo(const QString& text) {
        return Ask({text, MessageKind::Information, {}, {}, false});
    }
};

// Said by every dialog whose stored values are read only when the program starts.
inline const QString kRestartToTakeEffect =
    QStringLiteral("Changes require a restart of Orbivox32 to take effect!");

// The program's messages separate their lines with "\r", as its settings files and the
// texts its users know do; a box or a terminal shows them with "\n".
inline QString DisplayLines(const QString& text) {
    return QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace orbivox

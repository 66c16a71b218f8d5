#pragma once
// The desktop program's notifier: message boxes over the window the operator is working
// in, and the system beep.
#include <QApplication>
#include <QMessageBox>

#include "settings/Notifier.h"

namespace orbivox {

class MessageBoxNotifier : public Notifier {
public:
    void Show(const OperatorMessage& message) override {
        QMessageBox box(IconOf(message.kind), Caption(message), DisplayLines(message.text),
                        QMessageBox::Ok, ActiveWindow());
        box.setInformativeText(message.detail);
        box.exec();
    }
    bool Ask(const OperatorMessage& question) override {
        QMessageBox box(IconOf(question.kind), Caption(question), DisplayLines(question.text),
                        QMessageBox::Yes | QMessageBox::No, ActiveWindow());
        box.setInformativeText(question.detail);
        box.setDefaultButton(question.defaultNo ? QMessageBox::No : QMessageBox::Yes);
        // Esc and the close button answer No, whatever the style's button roles say.
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    void Beep() override { QApplication::beep(); }

private:
    // A modal dialog first, so a box raised from it stays above it.
    static QWidget* ActiveWindow() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            return modal;
        }
        return QApplication::activeWindow();
    }
    static QString Caption(const OperatorMessage& message) {
        return message.caption.isEmpty() ? QStringLiteral("Orbivox32") : message.caption;
    }
    static QMessageBox::Icon IconOf(MessageKind kind) {
        switch (kind) {
            case MessageKind::Warning:
                return QMessageBox::Warning;
            case MessageKind::Error:
                return QMessageBox::Critical;
            case MessageKind::Information:
                break;
        }
        return QMessageBox::Information;
    }
};

}  // namespace orbivox

#pragma once
// Notifier for the desktop program: message boxes and the system beep.
#include <QApplication>
#include <QMessageBox>

#include "settings/Notifier.h"

namespace orbivox {

class MessageBoxNotifier : public Notifier {
public:
    void Message(const QString& text) override {
        QMessageBox::information(nullptr, QStringLiteral("Orbivox32"), DisplayLines(text));
    }
    bool AskYesNo(const QString& text) override {
        return QMessageBox::information(nullptr, QStringLiteral("Orbivox32"), DisplayLines(text),
                                        QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    void Beep() override { QApplication::beep(); }
};

}  // namespace orbivox

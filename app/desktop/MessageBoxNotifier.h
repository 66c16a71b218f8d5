#pragma once
// Notifier for the desktop program: message boxes and the system beep.
#include <QApplication>
#include <QMessageBox>

#include "tracking/Notifier.h"

namespace orbivox {

class MessageBoxNotifier : public Notifier {
public:
    void Message(const QString& text) override {
        QMessageBox::information(nullptr, QStringLiteral("Orbivox32"), Lines(text));
    }
    bool AskYesNo(const QString& text) override {
        return QMessageBox::information(nullptr, QStringLiteral("Orbivox32"), Lines(text),
                                        QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    void Beep() override { QApplication::beep(); }

private:
    static QString Lines(const QString& text) {
        return QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
};

}  // namespace orbivox

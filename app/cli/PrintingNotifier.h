#pragma once
// Messages go to standard error, one line per "\r" line; the second-instance question is
// answered "yes": the tool then runs without rotor, CAT and radio port, which is all it
// ever needs.
#include <ostream>

#include "settings/Notifier.h"

namespace orbivox::cli {

class PrintingNotifier : public Notifier {
public:
    explicit PrintingNotifier(std::ostream& err) : err_(err) {}
    void Message(const QString& text) override { Print(text); }
    bool AskYesNo(const QString& text) override {
        Print(text);
        err_ << "(yes: running as a second instance)\n";
        return true;
    }

private:
    void Print(const QString& text) {
        err_ << DisplayLines(text).toStdString() << '\n';
    }
    std::ostream& err_;
};

}  // namespace orbivox::cli

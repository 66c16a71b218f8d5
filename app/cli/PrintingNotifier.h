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
    void Show(const OperatorMessage& message) override { Print(message); }
    bool Ask(const OperatorMessage& question) override {
        Print(question);
        err_ << "(yes: running as a second instance)\n";
        return true;
    }

private:
    void Print(const OperatorMessage& message) {
        err_ << DisplayLines(message.text).toStdString() << '\n';
        if (!message.detail.isEmpty()) {
            err_ << DisplayLines(message.detail).toStdString() << '\n';
        }
    }
    std::ostream& err_;
};

}  // namespace orbivox::cli

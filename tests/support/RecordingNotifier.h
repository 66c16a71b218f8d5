#pragma once
// Test stand-ins for the operator seams: a notifier that records every box and answers
// questions from `answer`, and a screen of fixed size and resolution.
#include <QStringList>
#include <vector>

#include "settings/Notifier.h"
#include "settings/ScreenMetrics.h"

namespace orbivox {

class RecordingNotifier : public Notifier {
public:
    void Show(const OperatorMessage& message) override {
        boxes.push_back(message);
        messages.append(message.text);
        texts.append(message.text);
    }
    bool Ask(const OperatorMessage& question) override {
        boxes.push_back(question);
        questions.append(question.text);
        texts.append(question.text);
        return answer;
    }
    void Beep() override { ++beeps; }

    std::vector<OperatorMessage> boxes;  // shown and asked, in order
    QStringList messages;                // texts of the boxes with OK
    QStringList questions;               // texts of the Yes/No boxes
    QStringList texts;                   // both, in order
    bool answer = false;
    int beeps = 0;
};

class FixedScreen : public ScreenMetrics {
public:
    explicit FixedScreen(int dpi = 96, QSize workArea = QSize(1920, 1040), int width = 1920)
        : dpi_(dpi), workArea_(workArea), width_(width) {}
    int LogicalDpi() const override { return dpi_; }
    QSize WorkArea() const override { return workArea_; }
    int ScreenWidth() const override { return width_; }

private:
    int dpi_;
    QSize workArea_;
    int width_;
};

}  // namespace orbivox

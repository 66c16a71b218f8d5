#pragma once
// A status-bar text is never cut: its panel is at least as wide as the text, and the window
// grows with it (a narrow window, W1, would squeeze every panel otherwise).
#include <QLabel>
#include <QString>

namespace orbivox {

inline void ShowWhole(QLabel* panel, const QString& text) {
    panel->setText(text);
    panel->setMinimumWidth(panel->sizeHint().width());
}

}  // namespace orbivox

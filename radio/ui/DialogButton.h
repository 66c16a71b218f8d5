#pragma once
// A push button of the radio dialogs: named like the control the operators' notes know, with
// its hint, and never the default button, so Enter in a field does not press it.
#include <QPushButton>

namespace orbivox {

inline QPushButton* DialogButton(QWidget* parent, const char* name, const QString& text,
                                 const QString& hint = {}) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace orbivox

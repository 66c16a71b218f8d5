#pragma once
// THilfeObsF: the help window of the Observer Setup dialog, one text per list item.
#include <QDialog>
#include <QStringList>

#include "map/ObserverSetup.h"

class QPlainTextEdit;

namespace orbivox {

// The help lines of an item.
QStringList ObserverHelpLines(ObserverItem item);

class THilfeObsF : public QDialog {
public:
    // Placed 30 pixels above and 90 left of `setup` (not beyond the screen's top or left).
    THilfeObsF(ObserverItem item, bool dpi120, QWidget* setup);
    QPlainTextEdit* text() const { return text_; }

private:
    QPlainTextEdit* text_;
};

}  // namespace orbivox

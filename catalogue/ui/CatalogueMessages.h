#pragma once
// How the catalogue dialogs talk to the operator outside their own windows: message boxes
// and the open-file dialog. Tests replace it with one that records texts and answers from
// a script. Texts use "\r" between lines, as the program's messages are written.
#include <QString>
#include <QStringList>

class QWidget;

namespace orbivox {

class CatalogueMessages {
public:
    virtual ~CatalogueMessages() = default;
    virtual void Information(QWidget* parent, const QString& text);
    virtual void Warning(QWidget* parent, const QString& text);
    // A warning with Yes and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text);
    // An open dialog on folder with the filters (the first one active); empty when cancelled.
    virtual QString OpenFile(QWidget* parent, const QString& folder, const QStringList& filters);
};

// Dialogs placed relative to another window scale their offsets on 120-dpi screens.
bool IsLargeFontScreen(const QWidget* widget);

}  // namespace orbivox

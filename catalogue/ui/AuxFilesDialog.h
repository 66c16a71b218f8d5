#pragma once
// The Auxiliary Files Editor (TModAux), a plain line editor for the program's settings and
// list files, and its help window (TAuxFilesHelp). The lines live in AuxFilesEditor; this
// shows them and forwards the buttons.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "catalogue/AuxFilesEditor.h"
#include "catalogue/Launcher.h"
#include "settings/Notifier.h"

namespace orbivox {

class TAuxFilesHelp : public QDialog {
public:
    explicit TAuxFilesHelp(QWidget* parent);
    QPlainTextEdit* Memo1;
};

// The help window's text, one entry a line.
extern const QStringList kAuxFilesHelpLines;
// The help's lines as the field shows them: the lines of a paragraph joined by a blank, the
// empty lines between paragraphs kept.
QString HelpParagraphs(const QStringList& lines);

class TModAux : public QDialog {
public:
    TModAux(Notifier& notifier, QWidget* parent);

    // Step 1 of showing the editor: reads the file and sets the caption.
    void Prepare(const AuxiliaryFile& file);

    void lstSqfFilesClick();
    void cmdAddClick();
    void cmdDeleteClick();
    void cmdModifyClick();
    void cmdSaveClick();
    void cmdHelpClick();

    const AuxFilesEditor& editor() const { return editor_; }
    TAuxFilesHelp* help() const { return help_; }

    QListWidget* lstSqfFiles;
    QLabel* lblEdit;
    QLineEdit* edFusszeile;
    QPushButton* cmdAdd;
    QPushButton* cmdDelete;
    QPushButton* cmdModify;
    QPushButton* cmdHelp;
    QPushButton* cmdCancel;
    QPushButton* cmdSave;
    QPushButton* cmdLoad;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::optional<int> Marked() const;
    void Mark(std::optional<int> row);
    void ShowLines();

    Notifier& notifier_;
    AuxFilesEditor editor_;
    TAuxFilesHelp* help_;
};

}  // namespace orbivox

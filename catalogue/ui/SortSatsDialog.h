#pragma once
// TSortSats ("Sort Selected Satellites"): a group's members in a new order. An entry of
// "New Order" is moved by pressing the mouse on it and letting go over its new place, or
// with Ctrl+Up and Ctrl+Down. "Save" rewrites the group file; the program takes the new
// order at its next start.
#include <QDialog>

#include "catalogue/GroupFiles.h"
#include "settings/Notifier.h"

class QListWidget;
class QPushButton;

namespace orbivox {

inline const QString kSortHelpText = QStringLiteral(
    "Choose a group in \"Sat Groups\".\r"
    "Move a satellite in \"New Order\": press the mouse button on it\r"
    "and let go over its new place (or Ctrl+Up / Ctrl+Down).\r"
    "\"Save\" stores the new order in the group file.");

class TSortSats : public QDialog {
public:
    TSortSats(QString configFolder, Notifier& notifier, QWidget* parent = nullptr);

    void ChooseGroup(int row);
    // Takes the entry at from out of "New Order" and puts it in at to.
    void MoveNewOrderEntry(int from, int to);
    void SaveClick();
    void HelpClick();
    bool saved() const { return saved_; }

    QListWidget* lstGroups = nullptr;  // "Sat Groups"
    QListWidget* lstOld = nullptr;     // "Old Order"
    QListWidget* lstNew = nullptr;     // "New Order"
    QPushButton* btnSave = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList NewOrder() const;

    QString configFolder_;
    Notifier& notifier_;
    QString group_;
    QList<GroupMember> oldOrder_;
    int pressedRow_ = -1;
    bool saved_ = false;
};

}  // namespace orbivox

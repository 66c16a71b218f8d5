#pragma once
// The small group dialogs: TAddGroup ("New Group") asks for a name, TDelGroup ("Remove
// Group") removes the named group after asking. Both change the files through GroupFiles.
#include <QDialog>

#include "settings/Notifier.h"

class QLineEdit;
class QPushButton;

namespace orbivox {

class TAddGroup : public QDialog {
public:
    explicit TAddGroup(QWidget* parent = nullptr);
    QString name() const;

    QLineEdit* edNewGroup = nullptr;
    QPushButton* btnOK = nullptr;
};

class TDelGroup : public QDialog {
public:
    // The group in use cannot be removed while it is in use.
    TDelGroup(QString configFolder, QString sourceListPath, QString groupInUse,
              const QString& preset, Notifier& notifier, QWidget* parent = nullptr);

    // "Remove": refuses "Standard" and the group in use, asks, removes, closes.
    void RemoveClick();

    QLineEdit* EdGroupName = nullptr;
    QPushButton* btnRemove = nullptr;

private:
    QString configFolder_;
    QString sourceListPath_;
    QString groupInUse_;
    Notifier& notifier_;
};

inline const QString kGroupInUse =
    QStringLiteral("This group is in use and must not be deleted!\rChoose another group first.");

}  // namespace orbivox

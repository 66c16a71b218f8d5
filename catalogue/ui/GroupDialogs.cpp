// The "New Group" name prompt and the "Remove Group" dialog, which asks first and removes a
// listed group by its place in the list.
#include "catalogue/ui/GroupDialogs.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/GroupFiles.h"
#include "catalogue/Selection.h"
#include "settings/SqfFile.h"

namespace orbivox {

TAddGroup::TAddGroup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAddGroup"));
    setWindowTitle(QStringLiteral("New Group"));
    edNewGroup = new QLineEdit(this);
    edNewGroup->setObjectName(QStringLiteral("edNewGroup"));
    edNewGroup->setMaxLength(60);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Name of the new group:"), this));
    layout->addWidget(edNewGroup);
    layout->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    edNewGroup->setFocus();
}

QString TAddGroup::name() const {
    return edNewGroup->text().trimmed();
}

TDelGroup::TDelGroup(QString configFolder, QString sourceListPath, QString groupInUse,
                     const QString& preset, Notifier& notifier, QWidget* parent)
    : QDialog(parent),
      configFolder_(std::move(configFolder)),
      sourceListPath_(std::move(sourceListPath)),
      groupInUse_(std::move(groupInUse)),
      notifier_(notifier) {
    setObjectName(QStringLiteral("TDelGroup"));
    setWindowTitle(QStringLiteral("Remove Group"));
    EdGroupName = new QLineEdit(preset, this);
    EdGroupName->setObjectName(QStringLiteral("EdGroupName"));
    btnRemove = new QPushButton(QStringLiteral("Remove"), this);
    btnRemove->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnRemove);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Group to remove:"), this));
    layout->addWidget(EdGroupName);
    layout->addLayout(buttons);
    connect(btnRemove, &QPushButton::clicked, this, &TDelGroup::RemoveClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    btnRemove->setFocus();
}

void TDelGroup::RemoveClick() {
    const QString name = EdGroupName->text();
    if (name == kStandardGroup) {
        notifier_.Warning(QStringLiteral("This group must not be deleted!"));
        return;
    }
    QStringList groups;
    try {
        groups = ReadGroupList(QDir(configFolder_).filePath(QStringLiteral("SatFiles.SQF")));
    } catch (const SqfError& error) {
        notifier_.Warning(QString::fromUtf8(error.what()));
        return;
    }
    // Only a listed group is removed, by its place in the list: its source line goes with it.
    const qsizetype index = groups.indexOf(name);
    if (index < 0) {
        notifier_.Warning(QStringLiteral("The group ") + name +
                          QStringLiteral(" is not in the list!"));
        return;
    }
    if (name == groupInUse_) {
        notifier_.Warning(kGroupInUse);
        return;
    }
    if (!notifier_.Ask({kAreYouSure, MessageKind::Warning, {}, {}, true})) {
        return;
    }
    try {
        const GroupChange change =
            RemoveGroup(configFolder_, sourceListPath_, static_cast<int>(index));
        if (!change.done) {
            notifier_.Warning(change.message);
            return;
        }
    } catch (const SqfError& error) {
        notifier_.Warning(QString::fromUtf8(error.what()));
        return;
    }
    accept();
}

}  // namespace orbivox

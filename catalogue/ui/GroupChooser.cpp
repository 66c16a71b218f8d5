// The two group choosers' layouts and buttons, the shared group switch that reports a missing
// group file, and adding and removing groups from the "Sat-Groups" dialog.
#include "catalogue/ui/GroupChooser.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/SourceFilePick.h"
#include "catalogue/ui/GroupDialogs.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

QListWidget* GroupList(QWidget* parent, const QStringList& groups, int current) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("lstGroups"));
    list->addItems(groups);
    list->setCurrentRow(current >= 0 && current < groups.size() ? current : 0);
    return list;
}

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

GroupSwitchResult RunGroupSwitch(SatelliteChoice& choice, int index, Notifier& notifier,
                                 FileChooser& files) {
    QString message;
    if (!choice.SwitchGroup(index, &message)) {
        if (message.isEmpty()) {
            return GroupSwitchResult::NotListed;
        }
        notifier.Message(message);
        return GroupSwitchResult::GroupFileMissing;
    }
    if (!choice.SourceExists()) {
        notifier.Warning(MissingSourceWarning(choice.group()));
        SourceFilePick pick(notifier, files, false);
        const QString picked = pick.ReplaceMissing(
            choice.sourceFile(), choice.context().configFolder, choice.context().sourceMask);
        if (picked.isEmpty()) {
            choice.RestoreGroup();
            return GroupSwitchResult::NoSource;
        }
        choice.ChooseMissingSource(picked);
    }
    return choice.FinishGroupSwitch() ? GroupSwitchResult::Switched : GroupSwitchResult::NoMembers;
}

TSatFiles::TSatFiles(SatelliteChoice& choice, Notifier& notifier, FileChooser& files,
                     QWidget* parent)
    : QDialog(parent), choice_(choice), notifier_(notifier), files_(files) {
    setObjectName(QStringLiteral("TSatFiles"));
    setWindowTitle(QStringLiteral("Sat-Groups"));
    choice_.BeginGroupChoice();
    lstGroups = GroupList(this, choice_.ReadGroups(), choice_.groupIndex());
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = Button(QStringLiteral("Cancel"), this);
    btnEdit = Button(QStringLiteral("Edit"), this);
    btnRemove = Button(QStringLiteral("Remove"), this);
    btnNew = Button(QStringLiteral("New"), this);
    btnEdit->setToolTip(QStringLiteral("Switch to the group and edit it in the satellites dialog"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnOK, btnCancel, btnEdit, btnRemove, btnNew}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstGroups, 1);
    layout->addLayout(buttons);

    connect(lstGroups, &QListWidget::itemDoubleClicked, this, [this] { OKClick(); });
    connect(btnOK, &QPushButton::clicked, this, &TSatFiles::OKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSatFiles::CancelClick);
    connect(btnEdit, &QPushButton::clicked, this, &TSatFiles::EditClick);
    connect(btnRemove, &QPushButton::clicked, this, &TSatFiles::RemoveClick);
    connect(btnNew, &QPushButton::clicked, this, &TSatFiles::NewClick);
    lstGroups->setFocus();
}

void TSatFiles::FillGroups(int selectIndex) {
    lstGroups->clear();
    lstGroups->addItems(choice_.ReadGroups());
    lstGroups->setCurrentRow(selectIndex);
}

void TSatFiles::Choose(bool edit) {
    const int row = lstGroups->currentRow();
    if (row < 0) {
        return;
    }
    switch (RunGroupSwitch(choice_, row, notifier_, files_)) {
        case GroupSwitchResult::Switched:
            result_ = edit ? Result::Edit : Result::Chosen;
            done(QDialog::Accepted);
            return;
        case GroupSwitchResult::NoMembers:
            if (edit) {
                result_ = Result::Edit;
                done(QDialog::Accepted);
                return;
            }
            // Stays open: another group, Edit, or Cancel back to the one in use.
            notifier_.Message(kNoDataForGroup);
            return;
        case GroupSwitchResult::GroupFileMissing:
            result_ = Result::Closed;
            done(QDialog::Rejected);
            return;
        case GroupSwitchResult::NoSource:
        case GroupSwitchResult::NotListed:
            return;
    }
}

void TSatFiles::CancelClick() {
    choice_.RestoreGroup();
    result_ = Result::Cancelled;
    done(QDialog::Rejected);
}

void TSatFiles::NewClick() {
    TAddGroup add(this);
    if (add.exec() != QDialog::Accepted) {
        return;
    }
    try {
        const GroupChange change =
            AddGroup(choice_.context().configFolder, choice_.context().sourceListPath, add.name());
        if (!change.done) {
            notifier_.Warning(change.message);
            return;
        }
    } catch (const SqfError& error) {
        notifier_.Warning(QString::fromUtf8(error.what()));
        return;
    }
    choice_.GroupListChanged();
    FillGroups(0);
}

void TSatFiles::RemoveClick() {
    const QListWidgetItem* item = lstGroups->currentItem();
    TDelGroup remove(choice_.context().configFolder, choice_.context().sourceListPath,
                     choice_.running().group, item != nullptr ? item->text() : QString(), notifier_,
                     this);
    if (remove.exec() != QDialog::Accepted) {
        return;
    }
    choice_.GroupListChanged();
    FillGroups(0);
}

TSatFilesII::TSatFilesII(SatelliteChoice& choice, Notifier& notifier, FileChooser& files,
                         QWidget* parent)
    : QDialog(parent), choice_(choice), notifier_(notifier), files_(files) {
    setObjectName(QStringLiteral("TSatFilesII"));
    setWindowTitle(QStringLiteral("Satellite Groups"));
    choice_.BeginGroupChoice();
    lstGroups = GroupList(this, choice_.ReadGroups(), choice_.groupIndex());
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = Button(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstGroups, 1);
    layout->addLayout(buttons);
    connect(lstGroups, &QListWidget::itemDoubleClicked, this, &TSatFilesII::OKClick);
    connect(btnOK, &QPushButton::clicked, this, &TSatFilesII::OKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    lstGroups->setFocus();
}

void TSatFilesII::OKClick() {
    const int row = lstGroups->currentRow();
    if (row < 0) {
        return;
    }
    switch (RunGroupSwitch(choice_, row, notifier_, files_)) {
        case GroupSwitchResult::Switched:
            choice_.TakeGroup();
            switched_ = true;
            accept();
            return;
        case GroupSwitchResult::NoMembers:
            // The tracker keeps the group it has; the operator edits the other one first.
            notifier_.Message(kNoDataForGroupClosing);
            choice_.RestoreGroup();
            reject();
            return;
        case GroupSwitchResult::GroupFileMissing:
            reject();
            return;
        case GroupSwitchResult::NoSource:
        case GroupSwitchResult::NotListed:
            return;
    }
}

}  // namespace orbivox

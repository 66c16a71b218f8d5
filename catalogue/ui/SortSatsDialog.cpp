// The sort dialog's three lists, moving an entry by drag or Ctrl+Up/Down, saving the new order
// and the short help note.
#include "catalogue/ui/SortSatsDialog.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include "catalogue/GroupSort.h"
#include "catalogue/Selection.h"
#include "settings/SqfFile.h"

namespace orbivox {

TSortSats::TSortSats(QString configFolder, Notifier& notifier, QWidget* parent)
    : QDialog(parent), configFolder_(std::move(configFolder)), notifier_(notifier) {
    setObjectName(QStringLiteral("TSortSats"));
    setWindowTitle(QStringLiteral("Sort Selected Satellites"));
    lstGroups = new QListWidget(this);
    lstOld = new QListWidget(this);
    lstNew = new QListWidget(this);
    lstOld->setFocusPolicy(Qt::NoFocus);
    lstOld->setSelectionMode(QAbstractItemView::NoSelection);
    btnSave = new QPushButton(QStringLiteral("Save"), this);
    btnHelp = new QPushButton(QStringLiteral("Help"), this);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton* button : {btnSave, btnHelp, btnClose}) {
        button->setAutoDefault(false);
    }
    btnSave->setEnabled(false);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Sat Groups"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Old Order"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("New Order"), this), 0, 2);
    grid->addWidget(lstGroups, 1, 0);
    grid->addWidget(lstOld, 1, 1);
    grid->addWidget(lstNew, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    try {
        lstGroups->addItems(ReadGroupListSkippingComments(
            QDir(configFolder_).filePath(QStringLiteral("SatFiles.SQF"))));
    } catch (const SqfError& error) {
        notifier_.Warning(QString::fromUtf8(error.what()));
    }
    lstNew->viewport()->installEventFilter(this);
    lstNew->installEventFilter(this);
    connect(lstGroups, &QListWidget::currentRowChanged, this, &TSortSats::ChooseGroup);
    connect(btnSave, &QPushButton::clicked, this, &TSortSats::SaveClick);
    connect(btnHelp, &QPushButton::clicked, this, &TSortSats::HelpClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    lstGroups->setFocus();
}

void TSortSats::ChooseGroup(int row) {
    lstOld->clear();
    lstNew->clear();
    oldOrder_.clear();
    group_ = row >= 0 && lstGroups->item(row) != nullptr ? lstGroups->item(row)->text() : QString();
    btnSave->setEnabled(false);
    if (group_.isEmpty()) {
        return;
    }
    try {
        oldOrder_ = ReadGroupFile(FindGroupFile(configFolder_, group_));
    } catch (const SqfError&) {
        notifier_.Message(MissingGroupFileMessage(group_));
        return;
    }
    for (const GroupMember& member : oldOrder_) {
        lstOld->addItem(member.name);
        lstNew->addItem(member.name);
    }
    lstNew->setCurrentRow(0);
    btnSave->setEnabled(!oldOrder_.isEmpty());
}

QStringList TSortSats::NewOrder() const {
    QStringList order;
    for (int i = 0; i < lstNew->count(); ++i) {
        order.append(lstNew->item(i)->text());
    }
    return order;
}

void TSortSats::MoveNewOrderEntry(int from, int to) {
    QStringList order = NewOrder();
    MoveEntry(order, from, to);
    lstNew->clear();
    lstNew->addItems(order);
    lstNew->setCurrentRow(std::clamp(to, 0, static_cast<int>(order.size()) - 1));
}

bool TSortSats::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstNew->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            pressedRow_ =
                lstNew->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).row();
        } else if (event->type() == QEvent::MouseButtonRelease && pressedRow_ >= 0) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            int target = lstNew->indexAt(at).row();
            if (target < 0) {
                target = lstNew->count() - 1;  // let go below the last entry
            }
            const int from = pressedRow_;
            pressedRow_ = -1;
            if (target != from) {
                MoveNewOrderEntry(from, target);
                return true;
            }
        }
    } else if (watched == lstNew && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = lstNew->currentRow();
        if (key->modifiers() & Qt::ControlModifier && row >= 0) {
            if (key->key() == Qt::Key_Up && row > 0) {
                MoveNewOrderEntry(row, row - 1);
                return true;
            }
            if (key->key() == Qt::Key_Down && row + 1 < lstNew->count()) {
                MoveNewOrderEntry(row, row + 1);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSortSats::SaveClick() {
    if (group_.isEmpty()) {
        return;
    }
    try {
        SaveSortedGroup(configFolder_, group_, oldOrder_, NewOrder());
    } catch (const SqfError& error) {
        notifier_.Warning(QString::fromUtf8(error.what()));
        return;
    }
    saved_ = true;
    notifier_.Message(kRestartAfterSort);
    accept();
}

void TSortSats::HelpClick() {
    // THelpSort: a short note, a little up and left of this dialog.
    QMessageBox help(QMessageBox::NoIcon, QStringLiteral("Help"), DisplayLines(kSortHelpText),
                     QMessageBox::Ok, this);
    help.setObjectName(QStringLiteral("THelpSort"));
    help.move(pos() - QPoint(50, 50));
    help.exec();
}

}  // namespace orbivox

// The element display dialog: two fixed-font lists side by side, one set shown at a time, and
// the buttons and keys that step through the file.
#include "catalogue/ui/ElementDisplayDialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue/ElementDisplay.h"

namespace orbivox {

TTLEDisplDfm::TTLEDisplDfm(const orbit::SetTable& sets, int startIndex, const QString& caption,
                           QWidget* parent)
    : QDialog(parent), sets_(sets) {
    setObjectName(QStringLiteral("TTLEDisplDfm"));
    setWindowTitle(caption);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    Memo1 = new QListWidget(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->addItems(ElementDisplayLabels());
    Memo1->setSelectionMode(QAbstractItemView::NoSelection);
    Memo1->setFocusPolicy(Qt::NoFocus);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    for (QListWidget* list : {Memo1, ListBox1}) {
        list->setFont(fixed);
        list->setMinimumHeight(list->sizeHintForRow(0) * 14 + 2 * list->frameWidth() + 4);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    Memo1->setFixedWidth(Memo1->sizeHintForColumn(0) + 2 * Memo1->frameWidth() + 8);
    ListBox1->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0')) * 26);

    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    btnPrev = new QPushButton(QStringLiteral("Prev."), this);
    btnNext = new QPushButton(QStringLiteral("Next"), this);
    Button1 = new QPushButton(QStringLiteral("Quit"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    for (QPushButton* button : {btnPrev, btnNext}) {
        button->setAutoDefault(false);
    }
    btnPrev->setToolTip(QStringLiteral("Previous element set (Left arrow)"));
    btnNext->setToolTip(QStringLiteral("Next element set (Right arrow)"));

    auto* lists = new QHBoxLayout;
    lists->setSpacing(0);
    lists->addWidget(Memo1);
    lists->addWidget(ListBox1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label4);
    buttons->addStretch(1);
    buttons->addWidget(btnPrev);
    buttons->addWidget(btnNext);
    buttons->addSpacing(12);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(btnPrev, &QPushButton::clicked, this, &TTLEDisplDfm::PrevClick);
    connect(btnNext, &QPushButton::clicked, this, &TTLEDisplDfm::NextClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(Button1, btnNext);
    setTabOrder(btnNext, btnPrev);
    setTabOrder(btnPrev, ListBox1);
    ShowSet(startIndex);
    Button1->setFocus();
}

void TTLEDisplDfm::ShowSet(int index) {
    const int count = sets_.Count();
    if (count < 1) {
        ListBox1->clear();
        Label4->setText(QStringLiteral("El-Set: "));
        btnPrev->setEnabled(false);
        btnNext->setEnabled(false);
        return;
    }
    index_ = std::clamp(index, 1, count);
    ListBox1->clear();
    ListBox1->addItems(ElementDisplayValues(sets_[index_]));
    Label4->setText(QStringLiteral("El-Set: ") + QString::number(index_));
    btnPrev->setEnabled(index_ > 1);
    btnNext->setEnabled(index_ < count);
}

void TTLEDisplDfm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_PageUp:
            PrevClick();
            return;
        case Qt::Key_Right:
        case Qt::Key_PageDown:
            NextClick();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace orbivox

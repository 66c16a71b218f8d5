// The editor's controls, their placement and the button handlers.
#include "catalogue/ui/AuxFilesDialog.h"

#include <QFont>

#include "orbit/DisplayFormat.h"

namespace orbivox {

namespace {
constexpr int kButtonWidth = 65;
constexpr int kButtonHeight = 21;
constexpr int kMargin = 8;

QFont CourierFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(12);
    return font;
}
}  // namespace

QString HelpParagraphs(const QStringList& lines) {
    QStringList paragraphs;
    bool inParagraph = false;
    for (const QString& line : lines) {
        if (inParagraph && !line.isEmpty()) {
            paragraphs.last() += QLatin1Char(' ') + line;
        } else {
            paragraphs << line;
        }
        inParagraph = !line.isEmpty();
    }
    return paragraphs.join(QLatin1Char('\n'));
}

const QStringList kAuxFilesHelpLines = {
    QString(),
    QStringLiteral("To modify a data set mark it in the list. A copy will appear in the"),
    QStringLiteral("text window below the list. Edit this copy, then click on 'Modify'."),
    QString(),
    QStringLiteral("To add a new data set to the list mark the data line located"),
    QStringLiteral("above the target data line and click on 'Duplicate'. A copy of"),
    QStringLiteral("the data line will be inserted and show up in the text field."),
    QStringLiteral("Edit the text line, then click on 'Modify'."),
    QString(),
    QStringLiteral("To remove a data set mark it in the list and click on 'Delete'."),
    QString(),
    QStringLiteral("When all changes are finished click on 'Save':"),
    QString(),
    QStringLiteral("Changes require a program restart to take effect."),
    QString(),
};

TAuxFilesHelp::TAuxFilesHelp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAuxFilesHelp"));
    setWindowTitle(QStringLiteral("Help Auxiliary Files"));
    setModal(false);
    setFixedSize(316, 203);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(1, 2, 314, 198);
    // The lines of a paragraph are wider than the field: shown as one text each, a paragraph
    // wraps at the field's width between words, not after every line's last word.
    Memo1->setWordWrapMode(QTextOption::WordWrap);
    Memo1->setPlainText(HelpParagraphs(kAuxFilesHelpLines));
}

TModAux::TModAux(Notifier& notifier, QWidget* parent) : QDialog(parent), notifier_(notifier) {
    setObjectName(QStringLiteral("TModAux"));
    setWindowTitle(QStringLiteral("Auxiliary Files Editor"));
    setModal(true);
    setSizeGripEnabled(true);

    lstSqfFiles = new QListWidget(this);
    lstSqfFiles->setObjectName(QStringLiteral("lstSqfFiles"));
    lstSqfFiles->setFont(CourierFont());
    lstSqfFiles->setUniformItemSizes(true);
    lblEdit = new QLabel(QStringLiteral("Edit:"), this);
    lblEdit->setObjectName(QStringLiteral("lblEdit"));
    edFusszeile = new QLineEdit(this);
    edFusszeile->setObjectName(QStringLiteral("edFusszeile"));
    edFusszeile->setFont(CourierFont());

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->resize(kButtonWidth, kButtonHeight);
        return b;
    };
    cmdAdd = button("cmdAdd", "Duplicate");
    cmdDelete = button("cmdDelete", "Delete");
    cmdModify = button("cmdModify", "Modify");
    cmdHelp = button("cmdHelp", "Help");
    cmdCancel = button("cmdCancel", "Cancel");
    cmdSave = button("cmdSave", "Save");
    cmdLoad = button("cmdLoad", "Quit");

    connect(lstSqfFiles, &QListWidget::itemClicked, this, [this] { lstSqfFilesClick(); });
    connect(cmdAdd, &QPushButton::clicked, this, &TModAux::cmdAddClick);
    connect(cmdDelete, &QPushButton::clicked, this, &TModAux::cmdDeleteClick);
    connect(cmdModify, &QPushButton::clicked, this, &TModAux::cmdModifyClick);
    connect(cmdHelp, &QPushButton::clicked, this, &TModAux::cmdHelpClick);
    connect(cmdSave, &QPushButton::clicked, this, &TModAux::cmdSaveClick);
    // Quit and Cancel both close without saving.
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdLoad, &QPushButton::clicked, this, &QDialog::reject);

    help_ = new TAuxFilesHelp(this);
    resize(595, 344);
}

void TModAux::Prepare(const AuxiliaryFile& file) {
    setWindowTitle(QStringLiteral("Auxiliary Files Editor [") + file.folder + file.name +
                   QStringLiteral("]"));
    const QString warning = editor_.Load(file.path);
    ShowLines();
    edFusszeile->clear();
    if (!warning.isEmpty()) {
        notifier_.Warning(warning);
    }
}

void TModAux::ShowLines() {
    lstSqfFiles->clear();
    lstSqfFiles->addItems(editor_.lines());
}

std::optional<int> TModAux::Marked() const {
    const int row = lstSqfFiles->currentRow();
    if (row < 0 || !lstSqfFiles->currentItem() || !lstSqfFiles->currentItem()->isSelected()) {
        return std::nullopt;
    }
    return row;
}

void TModAux::Mark(std::optional<int> row) {
    if (!row) {
        lstSqfFiles->setCurrentRow(-1);
        lstSqfFiles->clearSelection();
        return;
    }
    lstSqfFiles->setCurrentRow(*row);
    lstSqfFilesClick();
}

void TModAux::lstSqfFilesClick() {
    if (const auto row = Marked()) {
        edFusszeile->setText(lstSqfFiles->item(*row)->text());
    }
}

void TModAux::cmdAddClick() {
    const int row = editor_.Duplicate(Marked(), edFusszeile->text());
    lstSqfFiles->insertItem(row, edFusszeile->text());
    Mark(row);
}

void TModAux::cmdModifyClick() {
    const auto row = Marked();
    editor_.Modify(row, edFusszeile->text());
    if (row) {
        lstSqfFiles->item(*row)->setText(edFusszeile->text());
    }
}

void TModAux::cmdDeleteClick() {
    const auto row = Marked();
    if (!row) {
        return;
    }
    const auto after = editor_.Delete(row);
    delete lstSqfFiles->takeItem(*row);
    Mark(after);
}

void TModAux::cmdSaveClick() {
    const QString error = editor_.Save();
    if (!error.isEmpty()) {
        notifier_.Error(error);
    }
}

void TModAux::cmdHelpClick() {
    const QRect editor = geometry();
    help_->move(editor.left() + orbit::RealToPixel((editor.width() - help_->width()) / 2.0),
                editor.top() + orbit::RealToPixel(editor.height() / 2.0 - help_->height() / 2.0));
    help_->show();
}

void TModAux::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int buttonX = w - kMargin - kButtonWidth;
    int y = kMargin;
    for (QPushButton* b : {cmdAdd, cmdDelete, cmdModify, cmdHelp}) {
        b->setGeometry(buttonX, y, kButtonWidth, kButtonHeight);
        y += kButtonHeight + 6;
    }
    y += 2 * kButtonHeight;
    for (QPushButton* b : {cmdCancel, cmdSave, cmdLoad}) {
        b->setGeometry(buttonX, y, kButtonWidth, kButtonHeight);
        y += kButtonHeight + 6;
    }
    const int editHeight = edFusszeile->sizeHint().height();
    const int labelHeight = lblEdit->sizeHint().height();
    const int listWidth = w - kMargin - kButtonWidth - 10 - kMargin;
    const int listHeight = h - editHeight - labelHeight - 6 - 2 * kMargin;
    lstSqfFiles->setGeometry(kMargin, kMargin, listWidth, listHeight);
    lblEdit->setGeometry(kMargin, kMargin + listHeight + 3, listWidth, labelHeight);
    edFusszeile->setGeometry(kMargin, h - kMargin - editHeight, listWidth, editHeight);
}

}  // namespace orbivox

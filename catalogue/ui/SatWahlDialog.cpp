// Building the satellites dialog's three lists and their buttons, keeping them in step with
// SatelliteChoice, and opening the download, names, sort and group dialogs from it.
#include "catalogue/ui/SatWahlDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "catalogue/ui/DownloadKepsDialog.h"
#include "catalogue/ui/ElementDisplayDialog.h"
#include "catalogue/ui/GroupChooser.h"
#include "catalogue/ui/SatelliteNameDialog.h"
#include "catalogue/ui/SortSatsDialog.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QListWidget* List(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumWidth(180);
    return list;
}

}  // namespace

TSatWahl::TSatWahl(SatelliteChoice& choice, Notifier& notifier, FileChooser& files,
                   const ScreenMetrics& screen, QWidget* parent)
    : QDialog(parent), choice_(choice), notifier_(notifier), files_(files), screen_(screen) {
    setObjectName(QStringLiteral("TSatWahl"));
    setWindowTitle(QStringLiteral("Satellites"));

    lblPfad = new QLabel(this);
    lblPfad->setObjectName(QStringLiteral("lblPfad"));
    lblPfad->setWordWrap(true);
    filSource = List(QStringLiteral("filSource"), this);
    filSource->setFixedWidth(160);  // the satellite lists take any change of width
    Label26 = new QLabel(this);
    Label26->setObjectName(QStringLiteral("Label26"));
    edtFilter = new QLineEdit(this);
    edtFilter->setObjectName(QStringLiteral("edtFilter"));
    edtFilter->setPlaceholderText(QStringLiteral("Filter: name or number"));
    edtFilter->setClearButtonEnabled(true);
    lstAlleSat = List(QStringLiteral("lstAlleSat"), this);
    lstAlleSat->setToolTip(QStringLiteral("Double click or Enter: add to the chosen satellites"));
    lblCount = new QLabel(this);
    lblAuswahl = new QLabel(this);
    lblAuswahl->setObjectName(QStringLiteral("lblAuswahl"));
    lstAuswahl = List(QStringLiteral("lstAuswahl"), this);
    lstAuswahl->setToolTip(
        QStringLiteral("Double click or Del: remove from the chosen satellites"));
    lstAuswahl->setUniformItemSizes(true);
    lstAuswahl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));

    // One row per entry: the list, its star and its letter share the row height.
    const int rowHeight = fontMetrics().height() + 4;
    lstAuswahl->setFixedHeight(rowHeight * kMaxGroupMembers + 2 * lstAuswahl->frameWidth());
    auto* starColumn = new QVBoxLayout;
    auto* letterColumn = new QVBoxLayout;
    for (QVBoxLayout* column : {starColumn, letterColumn}) {
        column->setSpacing(0);
        column->setContentsMargins(0, lstAuswahl->frameWidth(), 0, 0);
    }
    for (int row = 0; row < kMaxGroupMembers; ++row) {
        auto* star = new QLabel(QStringLiteral("*"), this);
        star->setFixedSize(10, rowHeight);
        star->setAlignment(Qt::AlignCenter);
        // A hidden star keeps its row's place, so each star stays beside its own entry.
        QSizePolicy keepPlace = star->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        star->setSizePolicy(keepPlace);
        star->setVisible(false);
        stars[static_cast<size_t>(row)] = star;
        starColumn->addWidget(star);
        auto* letter = new QLabel(QString(QChar(QLatin1Char('A' + row))), this);
        letter->setFixedSize(14, rowHeight);
        letter->setAlignment(Qt::AlignCenter);
        letterColumn->addWidget(letter);
    }
    starColumn->addStretch(1);
    letterColumn->addStretch(1);

    cmdFileOK = Button(QStringLiteral("OK"), QStringLiteral("cmdFileOK"), this);
    cmdFileOK->setDefault(true);
    btnCancel = Button(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);
    btnDelete = Button(QStringLiteral("Delete"), QStringLiteral("btnDelete"), this);
    btnShowOnOff = Button(QStringLiteral("Show On/Off"), QStringLiteral("btnShowOnOff"), this);
    btnShowOnOff->setToolTip(
        QStringLiteral("Draw the satellite on the map when several are shown"));
    btnActiveSat = Button(QStringLiteral("Active Sat."), QStringLiteral("btnActiveSat"), this);
    Button2 = Button(QStringLiteral("Display Data"), QStringLiteral("Button2"), this);
    btnUpdateKeps = Button(QStringLiteral("Update Keps"), QStringLiteral("btnUpdateKeps"), this);
    btnSatNames = Button(QStringLiteral("Sat. Names"), QStringLiteral("btnSatNames"), this);
    btnSort = Button(QStringLiteral("Sort"), QStringLiteral("btnSort"), this);
    btnGroups = Button(QStringLiteral("Groups"), QStringLiteral("btnGroups"), this);
    btnWider = new QToolButton(this);
    btnWider->setText(QStringLiteral("+"));
    btnNarrower = new QToolButton(this);
    btnNarrower->setText(QStringLiteral("-"));

    auto* left = new QVBoxLayout;
    left->addWidget(lblPfad);
    left->addWidget(filSource, 1);
    left->addWidget(Label26);
    // Both satellite lists in one grid: the same start width and half of any change each.
    // The stars and letters sit in columns of their own, row for row beside the chosen list.
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(2);
    lists->addWidget(new QLabel(QStringLiteral("All satellites:"), this), 0, 0);
    lists->addWidget(lblAuswahl, 0, 1, 1, 3);
    auto* allColumn = new QVBoxLayout;
    allColumn->addWidget(edtFilter);
    allColumn->addWidget(lstAlleSat, 1);
    lists->addLayout(allColumn, 1, 0);
    lists->addWidget(lstAuswahl, 1, 1, Qt::AlignTop);
    lists->addLayout(starColumn, 1, 2);
    lists->addLayout(letterColumn, 1, 3);
    lists->addWidget(lblCount, 2, 0);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    lists->setRowStretch(1, 1);
    lists->setColumnMinimumWidth(0, 180);
    lists->setColumnMinimumWidth(1, 180);
    lblAuswahl->setSizePolicy(QSizePolicy::Ignored, lblAuswahl->sizePolicy().verticalPolicy());
    lblAuswahl->setMinimumWidth(0);
    for (QListWidget* list : {lstAlleSat, lstAuswahl}) {
        list->setSizePolicy(QSizePolicy::Ignored, list->sizePolicy().verticalPolicy());
    }
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdFileOK, btnCancel, btnDelete, btnShowOnOff, btnActiveSat,
                                Button2, btnUpdateKeps, btnSatNames, btnSort, btnGroups}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("Windowsize: +/-"), this));
    sizeRow->addWidget(btnWider);
    sizeRow->addWidget(btnNarrower);
    buttons->addLayout(sizeRow);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(lists, 1);
    columns->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(lblInfo);

    connect(filSource, &QListWidget::currentRowChanged, this, &TSatWahl::FileClick);
    connect(lstAlleSat, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { AddClick(item->text()); });
    connect(lstAuswahl, &QListWidget::currentRowChanged, this, &TSatWahl::EntryClick);
    connect(lstAuswahl, &QListWidget::itemDoubleClicked, this, [this] { DeleteClick(); });
    connect(edtFilter, &QLineEdit::textChanged, this, [this] { ShowAllSatellites(); });
    edtFilter->installEventFilter(this);
    lstAlleSat->installEventFilter(this);
    lstAuswahl->installEventFilter(this);
    connect(cmdFileOK, &QPushButton::clicked, this, &TSatWahl::cmdFileOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSatWahl::CancelClick);
    connect(btnDelete, &QPushButton::clicked, this, &TSatWahl::DeleteClick);
    connect(btnShowOnOff, &QPushButton::clicked, this, &TSatWahl::ShowOnOffClick);
    connect(btnActiveSat, &QPushButton::clicked, this, &TSatWahl::ActiveSatClick);
    connect(Button2, &QPushButton::clicked, this, &TSatWahl::DisplayDataClick);
    connect(btnUpdateKeps, &QPushButton::clicked, this, &TSatWahl::UpdateKepsClick);
    connect(btnSatNames, &QPushButton::clicked, this, &TSatWahl::SatNamesClick);
    connect(btnSort, &QPushButton::clicked, this, &TSatWahl::SortClick);
    connect(btnGroups, &QPushButton::clicked, this, &TSatWahl::GroupsClick);
    connect(btnWider, &QToolButton::clicked, this, [this] { resize(width() + 20, height()); });
    connect(btnNarrower, &QToolButton::clicked, this, [this] { resize(width() - 20, height()); });
}

void TSatWahl::Prepare(const SelectionState& running, bool fromMenu, const QString& openedFile) {
    choice_.Open(running, fromMenu);
    if (!openedFile.isEmpty()) {
        choice_.ChooseSourceFile(openedFile);
    }
    rememberedFile_ = choice_.sourceFile();
    fromFileOpen_ = !openedFile.isEmpty();
    ShowFiles();
    ShowChoice();
    SetGroupCaption(QStringLiteral("Selected"));
    btnUpdateKeps->setFocus();
}

void TSatWahl::showEvent(QShowEvent* event) {
    if (!centred_ && parentWidget() != nullptr) {
        centred_ = true;
        move(parentWidget()->frameGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TSatWahl::SetGroupCaption(const QString& word) {
    lblAuswahl->setText(word + QStringLiteral(": [") + choice_.group() + QStringLiteral("]"));
}

void TSatWahl::ShowFiles() {
    const QSignalBlocker quiet(filSource);
    filSource->clear();
    filSource->addItems(choice_.SourceFiles());
    const QString own = QFileInfo(choice_.sourceFile()).fileName();
    for (int row = 0; row < filSource->count(); ++row) {
        if (filSource->item(row)->text().compare(own, Qt::CaseInsensitive) == 0) {
            filSource->setCurrentRow(row);
        }
    }
    // File | Open shows the folder text the station settings keep for it.
    const QString openFolderText = choice_.context().openFolderText;
    lblPfad->setText(fromFileOpen_ && !openFolderText.isEmpty()
                         ? openFolderText
                         : QStringLiteral("Path: ") +
                               QDir::toNativeSeparators(choice_.sourceFolder()));
    Label26->setText(choice_.SourceDateText());
}

void TSatWahl::FileClick(int row) {
    const QListWidgetItem* item = filSource->item(row);
    if (item == nullptr) {
        return;
    }
    choice_.ChooseSourceFile(QDir(choice_.sourceFolder()).filePath(item->text()));
    Label26->setText(choice_.SourceDateText());
    ShowChoice();
}

void TSatWahl::ShowChoice() {
    ShowAllSatellites();
    lblCount->setText(QString::number(choice_.sets().Count()));
    Button2->setEnabled(choice_.displayEnabled());
    ShowChosenList();
}

void TSatWahl::ShowAllSatellites() {
    lstAlleSat->setUpdatesEnabled(false);
    lstAlleSat->clear();
    lstAlleSat->addItems(choice_.filter().Matching(edtFilter->text()));
    lstAlleSat->setCurrentRow(0);
    lstAlleSat->setUpdatesEnabled(true);
}

void TSatWahl::ShowChosenList() {
    const int row = lstAuswahl->currentRow();
    const QSignalBlocker quiet(lstAuswahl);
    lstAuswahl->clear();
    const QList<GroupMember>& chosen = choice_.chosen();
    const int rowHeight = fontMetrics().height() + 4;
    for (const GroupMember& member : chosen) {
        auto* item = new QListWidgetItem(member.name, lstAuswahl);
        item->setSizeHint(QSize(0, rowHeight));
    }
    for (int i = 0; i < kMaxGroupMembers; ++i) {
        QLabel* star = stars[static_cast<size_t>(i)];
        star->setVisible(i < chosen.size() && chosen[i].onMap);
        star->setToolTip(i < chosen.size() ? chosen[i].name : QString());
    }
    if (row >= 0 && row < lstAuswahl->count()) {
        lstAuswahl->setCurrentRow(row);
    }
    lblInfo->setText(choice_.info());
    lblInfo->setVisible(!choice_.info().isEmpty());
    cmdFileOK->setEnabled(choice_.okEnabled());
    SetEntryButtons(lstAuswahl->currentRow() >= 0);
}

void TSatWahl::SetEntryButtons(bool enabled) {
    for (QPushButton* button : {btnShowOnOff, btnDelete, btnActiveSat}) {
        button->setEnabled(enabled);
    }
}

void TSatWahl::AddClick(const QString& name) {
    if (choice_.AddSatellite(name) == SatelliteChoice::AddResult::TooMany) {
        notifier_.Message(kTooManySatellites);
        return;
    }
    ShowChosenList();
}

void TSatWahl::EntryClick(int row) {
    SetEntryButtons(row >= 0);
}

void TSatWahl::DeleteClick() {
    const int row = lstAuswahl->currentRow();
    if (row < 0) {
        return;
    }
    choice_.DeleteEntry(row);
    ShowChosenList();
    lstAuswahl->setCurrentRow(-1);
    SetEntryButtons(false);
}

void TSatWahl::ShowOnOffClick() {
    choice_.ToggleOnMap(lstAuswahl->currentRow());
    ShowChosenList();
}

void TSatWahl::ActiveSatClick() {
    const int row = lstAuswahl->currentRow();
    if (row < 0) {
        return;
    }
    choice_.ActivateEntry(row);
    done(QDialog::Accepted);
}

void TSatWahl::DisplayDataClick() {
    if (choice_.sets().Count() < 1) {
        return;
    }
    TTLEDisplDfm display(choice_.sets(), choice_.DisplayStartIndex(),
                         QFileInfo(choice_.sourceFile()).fileName(), this);
    const bool large = screen_.Dpi120();
    display.move(pos() + QPoint(large ? 480 : 380, large ? 120 : 140));
    display.exec();
}

void TSatWahl::UpdateKepsClick() {
    TDownloadKeps download(choice_.context().mainDataFolder, notifier_, HttpOptions{}, this);
    download.move(pos() + QPoint(screen_.Dpi120() ? 380 : 280, 80));
    connect(&download, &TDownloadKeps::fileListChanged, this, [this] { ShowFiles(); });
    // Back from downloading: the file chosen before is read again, as a download may have
    // replaced it.
    const QString remembered = choice_.sourceFile();
    connect(&download, &TDownloadKeps::quitting, this, [this, remembered] {
        choice_.ChooseSourceFile(remembered);
        ShowFiles();
        ShowChoice();
    });
    download.exec();
}

void TSatWahl::SatNamesClick() {
    TSatelliteName names(
        QDir(choice_.context().configFolder).filePath(QLatin1String(kNameOptionsFile)), notifier_,
        this);
    // Cancel leaves the options as they were, whatever was clicked before it.
    if (names.exec() == QDialog::Accepted && nameOptionsChanged) {
        nameOptionsChanged(names.options());
    }
}

void TSatWahl::SortClick() {
    TSortSats sort(choice_.context().configFolder, notifier_, this);
    sort.exec();
    if (sort.saved()) {
        CancelClick();
    }
}

void TSatWahl::GroupsClick() {
    for (QPushButton* button : {cmdFileOK, btnCancel, btnGroups}) {
        button->setEnabled(false);
    }
    TSatFiles chooser(choice_, notifier_, files_, this);
    chooser.exec();
    btnCancel->setEnabled(true);
    btnGroups->setEnabled(true);
    switch (chooser.result()) {
        case TSatFiles::Result::Chosen:
            choice_.TakeGroup();
            done(QDialog::Accepted);
            return;
        case TSatFiles::Result::Edit:
            ShowFiles();
            ShowChoice();
            SetGroupCaption(QStringLiteral("Chosen"));
            return;
        case TSatFiles::Result::Cancelled:
        case TSatFiles::Result::Closed:
            CancelClick();
            return;
    }
}

void TSatWahl::cmdFileOKClick() {
    try {
        choice_.Accept();
    } catch (const SqfError& error) {
        notifier_.Warning(QString::fromUtf8(error.what()));
        return;
    }
    done(QDialog::Accepted);
}

void TSatWahl::CancelClick() {
    choice_.Cancel();
    done(QDialog::Rejected);
}

bool TSatWahl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    // In the filter field Enter adds the highlighted satellite rather than pressing OK, and
    // the arrow keys walk the narrowed list.
    if (watched == edtFilter && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (const QListWidgetItem* item = lstAlleSat->currentItem()) {
            AddClick(item->text());
        }
        return true;
    }
    if (watched == edtFilter && (key == Qt::Key_Down || key == Qt::Key_Up)) {
        QCoreApplication::sendEvent(lstAlleSat, event);
        return true;
    }
    if (watched == lstAlleSat && (key == Qt::Key_Return || key == Qt::Key_Enter ||
                                  key == Qt::Key_Space || key == Qt::Key_Insert)) {
        if (const QListWidgetItem* item = lstAlleSat->currentItem()) {
            AddClick(item->text());
        }
        return true;
    }
    if (watched == lstAuswahl && (key == Qt::Key_Delete || key == Qt::Key_Backspace)) {
        DeleteClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orbivox

// The observer setup dialog: the item list and its edit field, the checks on each keystroke,
// locator and degree conversion, the help window, the UTC clock, and storing SatIni.SQF.
#include "map/ui/ObserverSetupDialog.h"

#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "map/Locator.h"
#include "map/ui/ObserverHelp.h"
#include "orbit/DisplayFormat.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

constexpr std::array<const char*, 6> kItemLabels = {
    "Station altitude (meter)",   "Station grid locator", "Station longitude (-180..180)",
    "Station latitude (-90..90)", "UTC offset",           "Source file mask"};

constexpr int kItemCount = 6;

ObserverItem ItemAt(int row) {
    return static_cast<ObserverItem>(std::clamp(row, 0, kItemCount - 1));
}

int RowOf(ObserverItem item) {
    return static_cast<int>(item);
}

bool IsAuto(const QString& text) {
    return text.trimmed().compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0;
}

}  // namespace

TSatSetupObsF::TSatSetupObsF(const QString& satIniPath, Notifier& notifier,
                             const ScreenMetrics& screen, QWidget* parent)
    : QDialog(parent), satIniPath_(satIniPath), notifier_(notifier), screen_(screen) {
    const QStringList lines = ReadSqfLines(satIniPath);
    for (int i = 0; i < kItemCount; ++i) {
        values_[static_cast<size_t>(i)] = lines.value(kObserverLines[static_cast<size_t>(i)] - 1);
    }
    const QString& offset = values_[RowOf(ObserverItem::UtcOffset)];
    clockOffsetHours_ = IsAuto(offset) ? QDateTime::currentDateTime().offsetFromUtc() / 3600.0
                                       : ParseSqfReal(offset).value_or(0.0);

    setObjectName(QStringLiteral("TSatSetupObsF"));
    setWindowTitle(QStringLiteral("Observer Setup"));

    memo1_ = new QListWidget(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    lstValue_ = new QListWidget(this);
    lstValue_->setObjectName(QStringLiteral("lstValue"));
    for (int i = 0; i < kItemCount; ++i) {
        memo1_->addItem(QString::fromLatin1(kItemLabels[static_cast<size_t>(i)]));
        lstValue_->addItem(values_[static_cast<size_t>(i)]);
    }
    memo1_->setSelectionMode(QAbstractItemView::NoSelection);
    memo1_->setFocusPolicy(Qt::NoFocus);
    edtPers_ = new QLineEdit(this);
    edtPers_->setObjectName(QStringLiteral("edtPers"));
    edtPers_->setToolTip(QStringLiteral("Changes have to be done in this field"));
    korrektur_ = new QLabel(QString::fromLatin1(kPleaseCorrect), this);
    korrektur_->setObjectName(QStringLiteral("Korrektur"));
    korrektur_->setStyleSheet(QStringLiteral("color: red;"));
    korrektur_->setVisible(false);
    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("lblUhr"));

    locToDegs_ = new QPushButton(QStringLiteral("Locator > Degs."), this);
    degsToLoc_ = new QPushButton(QStringLiteral("Degs. > Locator"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    auto* store = new QPushButton(QStringLiteral("Store"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(memo1_, 0, 0, 1, 2);
    grid->addWidget(lstValue_, 0, 2, 1, 2);
    grid->addWidget(edtPers_, 1, 2, 1, 2);
    grid->addWidget(korrektur_, 1, 0, 1, 2);
    grid->addWidget(locToDegs_, 2, 0);
    grid->addWidget(degsToLoc_, 2, 1);
    grid->addWidget(help, 2, 2);
    grid->addWidget(clock_, 3, 0, 1, 2);
    grid->addWidget(store, 3, 2);
    grid->addWidget(cancel, 3, 3);
    memo1_->setFixedHeight(memo1_->sizeHintForRow(0) * kItemCount + 6);
    lstValue_->setFixedHeight(memo1_->height());

    connect(memo1_, &QListWidget::itemClicked, this, [this] {
        notifier_.Show({QStringLiteral("To select an item click the right list!"),
                        MessageKind::Information,
                        windowTitle(),
                        {},
                        false});
    });
    connect(lstValue_, &QListWidget::currentRowChanged, this,
            [this](int row) { SelectItem(ItemAt(row)); });
    connect(edtPers_, &QLineEdit::textEdited, this, &TSatSetupObsF::OnEdited);
    connect(locToDegs_, &QPushButton::clicked, this, &TSatSetupObsF::LocatorToDegs);
    connect(degsToLoc_, &QPushButton::clicked, this, &TSatSetupObsF::DegsToLocator);
    connect(help, &QPushButton::clicked, this, &TSatSetupObsF::ShowHelp);
    connect(store, &QPushButton::clicked, this, &TSatSetupObsF::Store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(&timer_, &QTimer::timeout, this, &TSatSetupObsF::ShowClock);
    timer_.start(1000);
    ShowClock();

    SelectItem(ObserverItem::Altitude);
    if (parent) {
        adjustSize();
        move(parent->frameGeometry().center() - rect().center());
    }
}

QPushButton* TSatSetupObsF::button(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == caption) {
            return b;
        }
    }
    return nullptr;
}

void TSatSetupObsF::SelectItem(ObserverItem item) {
    item_ = item;
    const int row = RowOf(item);
    if (lstValue_->currentRow() != row) {
        lstValue_->setCurrentRow(row);  // comes back here once
        return;
    }
    edtPers_->setText(lstValue_->item(row)->text());
    locToDegs_->setEnabled(item == ObserverItem::Locator);
    degsToLoc_->setEnabled(item == ObserverItem::Longitude || item == ObserverItem::Latitude);
}

void TSatSetupObsF::OnEdited(const QString& text) {
    korrektur_->setVisible(false);
    const ObserverEdit e = EditObserverItem(item_, text);
    if (e.beep) {
        notifier_.Beep();
    }
    korrektur_->setVisible(e.pleaseCorrect);
    lstValue_->item(RowOf(item_))->setText(e.shown);
    if (e.store) {
        values_[static_cast<size_t>(RowOf(item_))] = *e.store;
    }
    if (e.clockOffsetHours) {
        clockOffsetHours_ = *e.clockOffsetHours;
    } else if (item_ == ObserverItem::UtcOffset && e.store && IsAuto(*e.store)) {
        clockOffsetHours_ = QDateTime::currentDateTime().offsetFromUtc() / 3600.0;
    }
}

void TSatSetupObsF::LocatorToDegs() {
    const QString question =
        QStringLiteral(
            "Longitude and latitude will be calculated for the center of the sub "
            "square.\r") +
        QStringLiteral(
            "Therefore you should not continue if you entered already the exact "
            "longitude and") +
        QStringLiteral("\r") + QStringLiteral("latitude of your location.") + QStringLiteral("\r") +
        QStringLiteral("Do you want to continue?");
    if (!notifier_.Ask({question, MessageKind::Warning, windowTitle(), {}, false})) {
        return;
    }
    const auto degrees = LocatorDegreeTexts(edtPers_->text());
    if (!degrees) {
        notifier_.Beep();
        korrektur_->setVisible(true);
        return;
    }
    const auto& [lon, lat] = *degrees;
    values_[RowOf(ObserverItem::Longitude)] = lon;
    values_[RowOf(ObserverItem::Latitude)] = lat;
    lstValue_->item(RowOf(ObserverItem::Longitude))->setText(lon);
    lstValue_->item(RowOf(ObserverItem::Latitude))->setText(lat);
}

void TSatSetupObsF::DegsToLocator() {
    const auto longitude = ParseSqfReal(values_[RowOf(ObserverItem::Longitude)]);
    const auto latitude = ParseSqfReal(values_[RowOf(ObserverItem::Latitude)]);
    if (!longitude || !latitude) {
        return;
    }
    const QString locator = QString::fromStdString(DegreesToLocator(*longitude, *latitude));
    values_[RowOf(ObserverItem::Locator)] = locator;
    lstValue_->item(RowOf(ObserverItem::Locator))->setText(locator);
}

void TSatSetupObsF::ShowHelp() {
    THilfeObsF help(item_, screen_.Dpi120(), this);
    // The setup waits until the help is closed.
    help.exec();
}

void TSatSetupObsF::Store() {
    const QString& locator = values_[RowOf(ObserverItem::Locator)];
    // Six characters, and each a locator's: a wrong one would be stored for good.
    if (locator.size() != 6 || !CheckLocatorChars(locator.toStdString())) {
        SelectItem(ObserverItem::Locator);
        Warn(QStringLiteral("The QTH locator ") + locator + QStringLiteral(" is invalid,") +
             QStringLiteral("\r") + QStringLiteral("correct it, please."));
        return;
    }
    try {
        StoreObserverLines(satIniPath_, values_);
    } catch (const SqfError& error) {
        Warn(QString::fromUtf8(error.what()));
        return;
    }
    // The station is read when the program starts.
    notifier_.Show({kRestartToTakeEffect, MessageKind::Information, windowTitle(), {}, false});
    accept();
}

void TSatSetupObsF::Warn(const QString& text) {
    notifier_.Show({text, MessageKind::Warning, windowTitle(), {}, false});
}

void TSatSetupObsF::done(int result) {
    timer_.stop();
    if (storeWindowPosition) {
        storeWindowPosition();
    }
    QDialog::done(result);
}

void TSatSetupObsF::ShowClock() {
    // The PC clock's wall time less the offset is UTC.
    const QDateTime local = QDateTime::currentDateTime();
    const QDateTime utc =
        QDateTime(local.date(), local.time(), Qt::UTC).addSecs(qRound64(-clockOffsetHours_ * 3600));
    clock_->setText(QLocale::c().toString(utc, QStringLiteral("dd.MM.yyyy hh:mm:ss")) +
                    QStringLiteral(" U"));
}

}  // namespace orbivox

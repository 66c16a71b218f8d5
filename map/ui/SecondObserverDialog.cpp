// The second observer dialog: a locator checked as it is typed, shown in degrees, set or
// removed on the map, and the dialog's screen place saved when it moves.
#include "map/ui/SecondObserverDialog.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "map/LocPosFile.h"
#include "map/Locator.h"
#include "orbit/DisplayFormat.h"
#include "settings/FixedColours.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

QString TwoDecimals(double value) {
    return QString::fromStdString(orbit::FormatNumber(value, "0.00", '.'));
}

}  // namespace

TLocEingabe::TLocEingabe(const QString& locPosPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), locPosPath_(locPosPath) {
    setObjectName(QStringLiteral("TLocEingabe"));
    setWindowTitle(QStringLiteral("Observer 2 "));
    auto* label = new QLabel(QStringLiteral("Locator (4 or 6 digits) "), this);
    edLoc_ = new QLineEdit(this);
    edLoc_->setObjectName(QStringLiteral("edLoc"));
    edLoc_->installEventFilter(this);
    error_ = new QLabel(QStringLiteral(" Error!  "), this);
    error_->setStyleSheet(QStringLiteral("background-color: red; color: white;"));
    error_->setVisible(false);
    auto* remove = new QPushButton(QStringLiteral("Remove"), this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setEnabled(false);
    ok_->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    remove->setAutoDefault(false);
    cancel->setAutoDefault(false);

    lblErg_ = new QLabel(this);
    lblErg_->setObjectName(QStringLiteral("lblErg"));
    lblErg_->setAutoFillBackground(true);
    lblErg_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lblErg_->setVisible(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(edLoc_, 0, 1);
    grid->addWidget(error_, 0, 2);
    grid->addWidget(remove, 1, 0);
    grid->addWidget(ok_, 1, 1);
    grid->addWidget(cancel, 1, 2);
    grid->addWidget(lblErg_, 2, 0, 1, 3);

    connect(edLoc_, &QLineEdit::textChanged, this, &TLocEingabe::OnChanged);
    connect(ok_, &QPushButton::clicked, this, &TLocEingabe::Confirm);
    connect(remove, &QPushButton::clicked, this, &TLocEingabe::Remove);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    if (const auto at = ReadLocPos(locPosPath_)) {
        move(*at);
    }
}

void TLocEingabe::OnChanged(const QString& typed) {
    if (onCentreOff) {
        onCentreOff();
    }
    error_->setVisible(false);
    QString text = typed.trimmed();
    if (text.contains(QLatin1Char('-'))) {
        edLoc_->clear();  // "-" is the key for Remove, never part of a locator
        return;
    }
    text = text.toUpper();
    if (text != typed) {
        const int cursor = edLoc_->cursorPosition();
        edLoc_->setText(text);  // comes back here once, already upper case
        edLoc_->setCursorPosition(std::min<int>(cursor, text.size()));
        return;
    }
    if (text.size() >= 7) {
        error_->setVisible(true);
        ok_->setEnabled(false);
        return;
    }
    if (!CheckLocatorChars(text.toStdString())) {
        error_->setVisible(true);  // an emptied field is no locator either
    } else {
        const LocatorPosition p = LocatorToDegrees(text.toStdString());
        observer_.longitudeText = TwoDecimals(p.eastLongitude);
        observer_.latitudeText = TwoDecimals(p.latitude);
    }
    ok_->setEnabled(!error_->isVisibleTo(this) && (text.size() == 4 || text.size() == 6));
}

bool TLocEingabe::WantsReadout() const {
    return isVisible() && !observer_.locator.isEmpty();
}

void TLocEingabe::ShowReadout(const QString& text, bool aboveHorizon) {
    lblErg_->setText(text);
    lblErg_->setStyleSheet(
        FixedBackgroundStyle(aboveHorizon ? kWhiteBackground : kSilverBackground));
    lblErg_->setVisible(true);
}

void TLocEingabe::Confirm() {
    if (!ok_->isEnabled()) {
        return;
    }
    QString locator = edLoc_->text().trimmed().toUpper();
    if (locator.size() == 4) {
        locator += QStringLiteral("LL");
    }
    const LocatorPosition p = LocatorToDegrees(locator.toStdString());
    observer_.locator = locator;
    observer_.longitude = p.eastLongitude;
    observer_.latitude = p.latitude;
    observer_.longitudeText = TwoDecimals(p.eastLongitude);
    observer_.latitudeText = TwoDecimals(p.latitude);
    if (onConfirmed) {
        onConfirmed(observer_);
    }
}

void TLocEingabe::Remove() {
    observer_ = SecondObserver{};
    lblErg_->clear();
    lblErg_->setVisible(false);
    {
        const QSignalBlocker quiet(edLoc_);
        edLoc_->clear();
    }
    error_->setVisible(false);
    ok_->setEnabled(false);
    if (onRemoved) {
        onRemoved();
    }
    hide();
}

bool TLocEingabe::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        if (const auto at = ReadLocPos(locPosPath_)) {
            move(*at);
        }
    } else if (e->type() == QEvent::WindowDeactivate) {
        try {
            WriteLocPos(locPosPath_, pos());
        } catch (const SqfError&) {
            // the place is a comfort; losing it is no reason to interrupt the operator
        }
    }
    return QDialog::event(e);
}

void TLocEingabe::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TLocEingabe::eventFilter(QObject* watched, QEvent* e) {
    if (watched == edLoc_ && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Confirm();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
        if (key->key() == Qt::Key_Minus) {
            Remove();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace orbivox

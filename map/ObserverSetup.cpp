// Checking each keystroke in the observer setup by item (number ranges, locator letters, "auto"
// for the UTC offset) and writing the six observer lines back into SatIni.SQF.
#include "map/ObserverSetup.h"

#include <map>

#include "map/Locator.h"
#include "orbit/DisplayFormat.h"
#include "settings/SqfFile.h"

namespace orbivox {

namespace {

struct Range {
    double low;
    double high;
    bool minusLast;  // a trailing "-" passes the character rule
};

Range RangeOf(ObserverItem item) {
    switch (item) {
        case ObserverItem::Altitude:
            return {-1000, 10000, true};
        case ObserverItem::Longitude:
            return {-180, 180, false};
        case ObserverItem::Latitude:
            return {-90, 90, true};
        default:
            return {-15, 15, true};
    }
}

ObserverEdit Refused(ObserverEdit e) {
    e.beep = true;
    e.pleaseCorrect = true;
    e.store.reset();
    return e;
}

ObserverEdit EditNumber(ObserverItem item, QString text, ObserverEdit e) {
    const Range range = RangeOf(item);
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty()) {
        text = QStringLiteral("0");
        e.pleaseCorrect = true;
    }
    e.shown = text;
    const QChar last = text.back();
    // The UTC offset ends in a digit or "-"; "5." is refused until its fraction is typed.
    const bool pointAllowed = item != ObserverItem::UtcOffset;
    if (!last.isDigit() && !(last == QLatin1Char('.') && pointAllowed) &&
        !(last == QLatin1Char('-') && range.minusLast)) {
        return Refused(e);
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) {
        // Still being typed ("-", "-."): fine so far, but nothing to store yet.
        const QString digitsSoFar = QString(text).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
        if (digitsSoFar.isEmpty() && text.count(QLatin1Char('-')) <= 1 &&
            text.indexOf(QLatin1Char('-')) <= 0) {
            return e;
        }
        return Refused(e);
    }
    if (value < range.low || value > range.high) {
        return Refused(e);
    }
    e.store = text;
    if (item == ObserverItem::UtcOffset) {
        e.clockOffsetHours = value;
    }
    return e;
}

}  // namespace

ObserverEdit EditObserverItem(ObserverItem item, const QString& typed) {
    ObserverEdit e;
    QString text = typed.trimmed();
    e.shown = text;
    switch (item) {
        case ObserverItem::Locator:
            text = text.toUpper();
            e.shown = text;
            if (text.size() >= 7) {
                return Refused(e);
            }
            e.store = text;  // stored even when wrong; "Store" insists on a valid one
            if (!CheckLocatorChars(text.toStdString())) {
                e.beep = true;
                e.pleaseCorrect = true;
            }
            return e;
        case ObserverItem::SourceMask:
            if (text.size() >= 13) {
                return Refused(e);
            }
            e.store = text;
            return e;
        case ObserverItem::UtcOffset:
            if (text.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
                e.store = text;
                return e;
            }
            if (!text.isEmpty() &&
                QStringLiteral("auto").contains(text.back(), Qt::CaseInsensitive)) {
                // "a", "au", "aut" on the way to "auto": no complaint.
                return e;
            }
            return EditNumber(item, text, e);
        default:
            return EditNumber(item, text, e);
    }
}

void StoreObserverLines(const QString& satIniPath, const std::array<QString, 6>& values) {
    std::map<int, QString> lines;
    for (size_t i = 0; i < values.size(); ++i) {
        lines[kObserverLines[i]] = values[i];
    }
    StoreSqfLines(satIniPath, lines);
}

std::optional<std::pair<QString, QString>> LocatorDegreeTexts(const QString& locator) {
    const std::string text = locator.trimmed().toUpper().toStdString();
    // A locator of 4 characters means its middle sub-square; 5 is no locator at all.
    if (!CheckLocatorChars(text) || (text.size() != 4 && text.size() != 6)) {
        return std::nullopt;
    }
    const LocatorPosition p = LocatorToDegrees(text);
    const double longitude = p.eastLongitude > 180 ? p.eastLongitude - 360 : p.eastLongitude;
    return std::make_pair(QString::fromStdString(orbit::FormatNumber(longitude, "###0.00", '.')),
                          QString::fromStdString(orbit::FormatNumber(p.latitude, "###0.00", '.')));
}

QString ObserverPanelText(double longitude, double latitude, char decimalSeparator) {
    return QStringLiteral(" Obs.: ") +
           QString::fromStdString(orbit::FormatNumber(longitude, "##0.0", decimalSeparator)) +
           QStringLiteral(" / ") +
           QString::fromStdString(orbit::FormatNumber(latitude, "##0.0", decimalSeparator));
}

}  // namespace orbivox

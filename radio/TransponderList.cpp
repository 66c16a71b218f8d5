// Building the transponder list items of the working satellite.
#include "radio/TransponderList.h"

#include "orbit/DisplayFormat.h"

namespace orbivox {

QString TransponderKHzText(double kHz) {
    // "######.##" and "########.##" print alike: '#' adds no digit the value lacks.
    return QString::fromStdString(orbit::FormatNumber(kHz, "########.##", '.'));
}

QString TransponderListItem(const TransponderEntry& entry) {
    return TransponderKHzText(entry.downlinkKHz) + QLatin1Char('/') +
           TransponderKHzText(entry.uplinkKHz) + QLatin1Char(' ') + entry.downlinkMode +
           QLatin1Char('/') + entry.uplinkMode;
}

TransponderListItems FillTransponderList(const QList<TransponderEntry>& table,
                                         const QString& satelliteName, bool transponderFound,
                                         int listOffset) {
    TransponderListItems list;
    if (!transponderFound) {
        list.items.append(QStringLiteral(" "));
    }
    int added = 0;
    for (const TransponderEntry& entry : table) {
        if (entry.satelliteName == satelliteName) {
            list.items.append(TransponderListItem(entry));
            ++added;
        }
    }
    if (added > 0 && listOffset >= 0 && listOffset < list.items.size()) {
        list.selectedRow = listOffset;
    }
    return list;
}

}  // namespace orbivox

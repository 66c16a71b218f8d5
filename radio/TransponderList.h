#pragma once
// The CAT Tuning dialog's transponder list: one item per entry of the working satellite,
// "downlink/uplink downlink mode/uplink mode", and the row standing for the list offset.
#include <QList>
#include <QString>
#include <QStringList>

#include "radio/TransponderTable.h"

namespace orbivox {

struct TransponderListItems {
    QStringList items;
    int selectedRow = -1;  // -1: select nothing
};

// "145960/435140 USB/LSB": frequencies by "######.##" with "." whatever the locale.
QString TransponderListItem(const TransponderEntry& entry);

// Every entry of the satellite in table order (no limit on their number, so an entry beyond
// the hundredth can still be picked). When no transponder was found the list starts with a
// single blank item. The row of the list offset is selected when the list has it.
TransponderListItems FillTransponderList(const QList<TransponderEntry>& table,
                                         const QString& satelliteName, bool transponderFound,
                                         int listOffset);

// A frequency in kHz as the table and its list write it: "######.##" / "########.##" with
// "." (no leading zeros, at most two decimals, no trailing zeros; 0 gives an empty text).
QString TransponderKHzText(double kHz);

}  // namespace orbivox

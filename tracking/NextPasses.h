#pragma once
// The next-passes table of the sky view and of `orbivox passes --table`: the selected
// satellites' passes of a span (24 hours in the window) by rise time, one line of texts each.
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "orbit/PassList.h"

namespace orbivox {

struct NextPassLine {
    int setIndex = 0;
    QString name;
    QString aos;           // "yyyy-mm-dd hh:nn:ss" in the zone shown
    QString los;           // the same; "never sets" for a pass the search saw no end of
    QString maxElevation;  // degrees, one decimal
    QString duration;      // "hh:nn:ss"
    QString aosAzimuth;    // degrees, one decimal
};

// A UTC day number as `pattern` (orbit::FormatDateTime's) shows it in the zone shown.
QString ZoneTimeText(double utcDayNumber, double zoneShiftDays, const char* pattern);

// The table's column titles, the zone's name in the two time columns ("UTC", "local").
QStringList NextPassTitles(const QString& zone);
// One line's cells in the columns' order, and whether a column holds numbers (right-aligned).
QStringList NextPassCells(const NextPassLine& line);
bool IsNextPassNumberColumn(int column);

// The lines of `rows`; `zoneShiftDays` is added to UTC day numbers for the zone shown.
QList<NextPassLine> NextPassLines(const std::vector<orbit::PassRow>& rows, double zoneShiftDays);

// The lines as a text table with aligned columns, one line a pass, titles first.
QString NextPassTableText(const QList<NextPassLine>& lines, const QString& zone);

}  // namespace orbivox

// The next-passes table's texts, shared by the sky view window and the command line.
#include "tracking/NextPasses.h"

#include <algorithm>

#include "orbit/DisplayFormat.h"
#include "orbit/TimeScales.h"

namespace orbivox {
namespace {

QString InstantText(double utcDayNumber, double zoneShiftDays) {
    return ZoneTimeText(utcDayNumber, zoneShiftDays, "yyyy-mm-dd hh:nn:ss");
}

QString DegreesText(double degrees) {
    return QString::fromStdString(orbit::FormatNumber(degrees, "##0.0"));
}

}  // namespace

QString ZoneTimeText(double utcDayNumber, double zoneShiftDays, const char* pattern) {
    return QString::fromStdString(orbit::FormatDateTime(
        utcDayNumber + zoneShiftDays + orbit::kDayNumberToJulianDate, pattern));
}

QStringList NextPassTitles(const QString& zone) {
    return {QStringLiteral("AOS (%1)").arg(zone),
            QStringLiteral("LOS (%1)").arg(zone),
            QStringLiteral("Max El"),
            QStringLiteral("Duration"),
            QStringLiteral("AOS Az"),
            QStringLiteral("Satellite")};
}

QStringList NextPassCells(const NextPassLine& line) {
    return {line.aos, line.los, line.maxElevation, line.duration, line.aosAzimuth, line.name};
}

bool IsNextPassNumberColumn(int column) {
    return column >= 2 && column <= 4;
}

QList<NextPassLine> NextPassLines(const std::vector<orbit::PassRow>& rows, double zoneShiftDays) {
    QList<NextPassLine> lines;
    for (const orbit::PassRow& row : rows) {
        const orbit::PassData& pass = row.pass;
        NextPassLine line;
        line.setIndex = row.setIndex;
        line.name = QString::fromStdString(row.name);
        line.aos = InstantText(pass.aosTime, zoneShiftDays);
        line.los = pass.neverSets ? QStringLiteral("never sets")
                                  : InstantText(pass.losTime, zoneShiftDays);
        line.maxElevation = DegreesText(pass.maxElevation);
        line.duration = pass.neverSets ? QString()
                                       : QString::fromStdString(orbit::FormatDuration(
                                             pass.losTime - pass.aosTime, "hh:nn:ss"));
        line.aosAzimuth = DegreesText(pass.aosAzimuth);
        lines.append(line);
    }
    return lines;
}

QString NextPassTableText(const QList<NextPassLine>& lines, const QString& zone) {
    QList<QStringList> cells{NextPassTitles(zone)};
    for (const NextPassLine& l : lines) {
        cells.append(NextPassCells(l));
    }
    QList<int> widths(cells.front().size(), 0);
    for (const QStringList& row : cells) {
        for (int c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], static_cast<int>(row[c].size()));
        }
    }
    QString text;
    for (const QStringList& row : cells) {
        QString line;
        for (int c = 0; c < row.size(); ++c) {
            // Numbers right-aligned, texts left; the last column unpadded.
            const bool number = IsNextPassNumberColumn(c);
            if (c + 1 == row.size()) {
                line += row[c];
            } else {
                line +=
                    (number ? row[c].rightJustified(widths[c]) : row[c].leftJustified(widths[c])) +
                    QStringLiteral("  ");
            }
        }
        text += line + '\n';
    }
    return text;
}

}  // namespace orbivox

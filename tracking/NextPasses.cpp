// The next-passes table's texts, shared by the sky view window and the command line.
#include "tracking/NextPasses.h"

#include <algorithm>

#include "orbit/DisplayFormat.h"
#include "orbit/TimeScales.h"

namespace orbivox {
namespace {

QString InstantText(double utcDayNumber, double zoneShiftDays) {
    return QString::fromStdString(orbit::FormatDateTime(
        utcDayNumber + zoneShiftDays + orbit::kDayNumberToJulianDate, "yyyy-mm-dd hh:nn:ss"));
}

QString DegreesText(double degrees) {
    return QString::fromStdString(orbit::FormatNumber(degrees, "##0.0"));
}

}  // namespace

QStringList NextPassTitles(const QString& zone) {
    return {QStringLiteral("AOS (%1)").arg(zone),
            QStringLiteral("LOS (%1)").arg(zone),
            QStringLiteral("Max El"),
            QStringLiteral("Duration"),
            QStringLiteral("AOS Az"),
            QStringLiteral("Satellite")};
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
        cells.append({l.aos, l.los, l.maxElevation, l.duration, l.aosAzimuth, l.name});
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
            const bool number = c >= 2 && c <= 4;
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

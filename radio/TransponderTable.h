#pragma once
// The transponder table, Doppler.SQF: one line per transponder or beacon, the entries of
// one satellite on consecutive lines, ";" lines comments.
//
//   name,downlink kHz,uplink kHz,downlink mode,uplink mode,REV|NOR,downlink offset,uplink offset
//
// Every entry remembers the line it came from (its number in the file and its text), so a
// later store rewrites exactly that line and can tell when the file changed under it.
#include <QList>
#include <QString>

namespace orbivox {

struct TransponderEntry {
    QString satelliteName;         // 1  compared whole and case-sensitively
    double downlinkKHz = 0;        // 2  at the satellite
    double uplinkKHz = 0;          // 3  0 = no uplink
    QString downlinkMode;          // 4  "USB", "LSB", "CW", "FM", "FMN", "PKT", ...
    QString uplinkMode;            // 5
    QString sense;                 // 6  "REV" inverting, anything else not
    double downlinkOffsetKHz = 0;  // 7  removed before the frequency goes to a radio
    double uplinkOffsetKHz = 0;    // 8

    QString line;        // the whole line as read (the CAT Tuning dialog's "Data Line")
    int lineNumber = 0;  // 1-based physical line in the file

    bool inverting() const { return sense == QLatin1String("REV"); }
};

// All data lines of the file in order; there is no limit on their number. A line with
// fewer fields still becomes an entry (missing texts empty, missing numbers 0); text after
// an eighth comma is ignored. Throws SqfError for a missing file or a number field that
// holds text other than a number (naming the line).
QList<TransponderEntry> ReadTransponderTable(const QString& path);

// One data line cut into its fields as above; lineNumber is used in the failure text.
// Throws SqfError named fileName.
TransponderEntry ParseTransponderLine(const QString& fileName, const QString& line, int lineNumber);

}  // namespace orbivox

#pragma once
// The transponder table, Doppler.SQF: one line per transponder or beacon, ";" lines
// comments.
//
//   name,downlink kHz,uplink kHz,downlink mode,uplink mode,REV|NOR,downlink offset,uplink offset
//
// Every entry remembers the line it came from (its number in the file and its text), so a
// later store rewrites exactly that line and can tell when the file changed under it.
//
// Sizes: the table has no limit on its entries, nor a satellite on its entries. Files with
// more than 2000 data lines or more than 100 transponders for one satellite exist (merged
// lists); they are read whole, every entry can be selected and listed, and a store rewrites
// one line of the whole file, never dropping the lines after the 2000th.
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

struct TransponderTableRead {
    QList<TransponderEntry> entries;
    // Empty, or one line naming the file and the first line whose number field holds text
    // that is no number (and how many more such lines follow): the start-up warning.
    QString problem;
};

// All data lines of the file in order. A line with fewer fields still becomes an entry
// (missing texts empty, missing numbers 0); text after an eighth comma is ignored. A number
// field holding text that is no number reads as 0, so one typo does not stop the program;
// `problem` says where. Throws SqfError for a missing or unreadable file.
TransponderTableRead ReadTransponderTableWithProblems(const QString& path);

// The same, for callers that show no warning.
QList<TransponderEntry> ReadTransponderTable(const QString& path);

// One data line cut into its fields as above. The numbers of the fields that held no number
// are appended to badFields, when given.
TransponderEntry ParseTransponderLine(const QString& line, int lineNumber,
                                      QList<int>* badFields = nullptr);

}  // namespace orbivox

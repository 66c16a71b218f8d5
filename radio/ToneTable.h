#pragma once
// The subaudible tone table, SubTone.SQF: the satellites whose uplink must carry a CTCSS
// tone. ";" lines are comments; every other line is
//
//   name,tone Hz,code for the classic Yaesu radios,code for Kenwood and YaesuII radios
//
// A satellite with a second tone has a second line with the same name right after the first.
#include <QList>
#include <QString>

namespace orbivox {

struct ToneEntry {
    QString satelliteName;  // compared whole and case-sensitively
    double toneHz = 0;      // for Icom radios and the one-VFO Yaesu radios
    int code1 = 0;          // tone code for the classic Yaesu radios with tone codes
    int code2 = 0;          // tone number for Kenwood and YaesuII radios
};

// Each data line is cut at its first three commas; missing numbers are 0. Throws SqfError
// for a missing file or a field that holds text other than a number.
QList<ToneEntry> ReadToneTable(const QString& path);

}  // namespace orbivox

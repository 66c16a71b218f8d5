#pragma once
// The subaudible tone table, SubTone.SQF: the satellites whose uplink must carry a CTCSS
// tone. ";" lines are comments; every other line is
//
//   name,tone Hz,FT-847 tone code,Kenwood tone number
//
// Radios that count their tones otherwise (the FT-736R, YaesuII) take theirs from the Hz.
//
// A satellite with a second tone has a second line with the same name right after the first.
#include <QList>
#include <QString>

namespace orbivox {

struct ToneEntry {
    QString satelliteName;  // compared whole and case-sensitively
    double toneHz = 0;      // for Icom, the one-VFO Yaesu radios, the FT-736R and YaesuII
    int code1 = 0;          // tone code for the FT-847
    int code2 = 0;          // tone number for Kenwood radios
};

// Each data line is cut at its first three commas; missing numbers are 0. Throws SqfError
// for a missing file or a field that holds text other than a number.
QList<ToneEntry> ReadToneTable(const QString& path);

}  // namespace orbivox

#pragma once
// Choosing the transponder entry of the satellite being worked, and what follows from it:
// the band pair of the two radios and the window a frequency read back from a radio must
// fall into.
#include <QList>
#include <QString>

#include "radio/TransponderTable.h"

namespace orbivox {

enum class BandPair { VU, UV };

struct SelectedTransponder {
    bool found = false;                // an entry matched the satellite; otherwise nothing is tuned
    int entryIndex = -1;               // 0-based index into the table of the selected entry
    int listOffset = 0;                // position within the satellite's entries
    double downlinkKHz = 0;            // fD
    double uplinkKHz = 0;              // fU (0 = no uplink)
    QString downlinkMode, uplinkMode;  // current modes (the CW switch overwrites)
    QString savedDownlinkMode, savedUplinkMode;  // copies the CW switch restores from
    bool inverting = false;                      // sense "REV"
    double downlinkOffsetKHz = 0, uplinkOffsetKHz = 0;
    QString dataLine;  // the whole line ("Data Line"), empty when none found
};

// The (listOffset+1)-th entry whose name equals the satellite's name (whole string,
// case-sensitive). The satellite's entries need not stand on consecutive lines: an entry of
// another satellite in between is never picked. An offset beyond the satellite's entries
// finds nothing.
SelectedTransponder SelectEntryForSatellite(const QList<TransponderEntry>& table,
                                            const QString& satelliteName, int listOffset);

// Band pair after a selection: it changes only when both frequencies lie between 120000 and
// 450000 kHz (exclusive): "VU" for a downlink above the uplink, else "UV".
BandPair NextBandPair(BandPair previous, double downlinkKHz, double uplinkKHz);
QString BandPairText(BandPair pair);  // "VU" / "UV"

// The readback window: centre - 50000 < value < centre + 50000 (kHz).
bool InsideReadbackWindow(double centreKHz, double valueKHz);

}  // namespace orbivox

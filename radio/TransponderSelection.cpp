// Walking the transponder table for the working satellite's entries and deriving the band
// pair and readback window from the chosen one.
#include "radio/TransponderSelection.h"

namespace orbivox {

SelectedTransponder SelectEntryForSatellite(const QList<TransponderEntry>& table,
                                            const QString& satelliteName, int listOffset) {
    SelectedTransponder selected;
    selected.listOffset = listOffset;
    if (listOffset < 0) {
        return selected;
    }
    int seen = 0;
    for (int i = 0; i < table.size(); ++i) {
        if (table[i].satelliteName != satelliteName) {
            continue;
        }
        if (seen++ < listOffset) {
            continue;
        }
        const TransponderEntry& entry = table[i];
        selected.found = true;
        selected.entryIndex = i;
        selected.downlinkKHz = entry.downlinkKHz;
        selected.uplinkKHz = entry.uplinkKHz;
        selected.downlinkMode = selected.savedDownlinkMode = entry.downlinkMode;
        selected.uplinkMode = selected.savedUplinkMode = entry.uplinkMode;
        selected.inverting = entry.inverting();
        selected.downlinkOffsetKHz = entry.downlinkOffsetKHz;
        selected.uplinkOffsetKHz = entry.uplinkOffsetKHz;
        selected.dataLine = entry.line;
        break;
    }
    return selected;
}

BandPair NextBandPair(BandPair previous, double downlinkKHz, double uplinkKHz) {
    const auto inRange = [](double kHz) { return kHz > 120000 && kHz < 450000; };
    if (!inRange(downlinkKHz) || !inRange(uplinkKHz)) {
        return previous;
    }
    return downlinkKHz > uplinkKHz ? BandPair::VU : BandPair::UV;
}

QString BandPairText(BandPair pair) {
    return pair == BandPair::VU ? QStringLiteral("VU") : QStringLiteral("UV");
}

bool InsideReadbackWindow(double centreKHz, double valueKHz) {
    return valueKHz > centreKHz - 50000 && valueKHz < centreKHz + 50000;
}

}  // namespace orbivox

// Choosing the working satellite's transponder entry, the band pair and the readback window.
#include "radio/TransponderSelection.h"

#include <gtest/gtest.h>

namespace orbivox {
namespace {

TransponderEntry Entry(const QString& name, double downlink, double uplink,
                       const QString& sense = QStringLiteral("NOR")) {
    TransponderEntry entry;
    entry.satelliteName = name;
    entry.downlinkKHz = downlink;
    entry.uplinkKHz = uplink;
    entry.downlinkMode = QStringLiteral("USB");
    entry.uplinkMode = QStringLiteral("LSB");
    entry.sense = sense;
    entry.line = QStringLiteral("%1,%2,%3").arg(name).arg(downlink).arg(uplink);
    return entry;
}

// AO-7 and AO-73 share a prefix; FO-29's entries are split by another satellite's line, as
// happens when a new transponder is appended at the end of the file.
const QList<TransponderEntry> kTable = {
    Entry("AO-73", 145960, 435140, "REV"),  // 0
    Entry("AO-7", 145975, 432125, "REV"),   // 1
    Entry("AO-7", 29502, 145900),           // 2
    Entry("AO-7", 435100, 0),               // 3
    Entry("FO-29", 435850, 145950, "REV"),  // 4
    Entry("SO-50", 436795, 145850),         // 5
    Entry("FO-29", 435795, 0),              // 6
};

TEST(TransponderSelection, PicksTheNthEntryOfTheSatelliteByWholeName) {
    struct Case {
        const char* name;
        int offset;
        bool found;
        int index;
    } const cases[] = {
        {"AO-7", 0, true, 1},  // the prefix of nothing: AO-73 stands first and is skipped
        {"AO-7", 2, true, 3},  // the third of a consecutive run
        {"AO-73", 0, true, 0},   {"ao-7", 0, false, -1},  // names compare case-sensitively
        {"AO", 0, false, -1},                             // ... and whole
        {"FO-29", 1, true, 6},    // not SO-50, which stands next to FO-29's first entry
        {"FO-29", 2, false, -1},  // beyond the satellite's entries
        {"AO-7", -1, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " offset " + std::to_string(c.offset));
        const auto selected = SelectEntryForSatellite(kTable, c.name, c.offset);
        EXPECT_EQ(selected.found, c.found);
        EXPECT_EQ(selected.entryIndex, c.index);
        EXPECT_EQ(selected.listOffset, c.offset);
        EXPECT_EQ(selected.dataLine, c.found ? kTable[c.index].line : QString());
    }
}

TEST(TransponderSelection, CopiesTheEntryIntoTheTuningState) {
    const auto fo29 = SelectEntryForSatellite(kTable, "FO-29", 0);
    EXPECT_DOUBLE_EQ(fo29.downlinkKHz, 435850);
    EXPECT_DOUBLE_EQ(fo29.uplinkKHz, 145950);
    EXPECT_EQ(fo29.downlinkMode, "USB");
    EXPECT_EQ(fo29.savedDownlinkMode, "USB");
    EXPECT_EQ(fo29.uplinkMode, "LSB");
    EXPECT_EQ(fo29.savedUplinkMode, "LSB");
    EXPECT_TRUE(fo29.inverting);

    const auto beacon = SelectEntryForSatellite(kTable, "FO-29", 1);
    EXPECT_TRUE(beacon.found);  // a beacon without uplink is still a transponder found
    EXPECT_DOUBLE_EQ(beacon.uplinkKHz, 0);
    EXPECT_FALSE(beacon.inverting);
}

TEST(TransponderSelection, BandPairChangesOnlyForTwoVhfUhfFrequencies) {
    struct Case {
        BandPair previous;
        double downlink, uplink;
        BandPair expected;
    } const cases[] = {
        {BandPair::UV, 435000, 145900, BandPair::VU},
        {BandPair::VU, 145900, 435000, BandPair::UV},
        {BandPair::UV, 2400000, 435000, BandPair::UV},  // outside: unchanged
        {BandPair::VU, 2400000, 435000, BandPair::VU},
        {BandPair::VU, 145900, 0, BandPair::VU},       // no uplink: unchanged
        {BandPair::VU, 120000, 435000, BandPair::VU},  // bounds are exclusive
        {BandPair::UV, 435000, 450000, BandPair::UV},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.downlink) + "/" + std::to_string(c.uplink));
        EXPECT_EQ(NextBandPair(c.previous, c.downlink, c.uplink), c.expected);
    }
    EXPECT_EQ(BandPairText(BandPair::VU), "VU");
    EXPECT_EQ(BandPairText(BandPair::UV), "UV");
}

TEST(TransponderSelection, ReadbackWindowIsFiftyMegahertzEachSideExclusive) {
    EXPECT_TRUE(InsideReadbackWindow(435000, 435000));
    EXPECT_TRUE(InsideReadbackWindow(435000, 484999.99));
    EXPECT_FALSE(InsideReadbackWindow(435000, 485000));
    EXPECT_FALSE(InsideReadbackWindow(435000, 385000));
    EXPECT_FALSE(InsideReadbackWindow(435000, 145900));
}

}  // namespace
}  // namespace orbivox

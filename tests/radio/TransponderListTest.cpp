// The CAT Tuning list of the working satellite's transponders and the kHz texts the table
// is written with.
#include "radio/TransponderList.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

TransponderEntry Entry(const QString& name, double downlink, double uplink, const QString& modes) {
    TransponderEntry entry;
    entry.satelliteName = name;
    entry.downlinkKHz = downlink;
    entry.uplinkKHz = uplink;
    entry.downlinkMode = modes.section('/', 0, 0);
    entry.uplinkMode = modes.section('/', 1, 1);
    return entry;
}

TEST(TransponderList, KiloHertzTextsUseAPointWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<double, const char*> cases[] = {
        {435150.0, "435150"},    {145900.5, "145900.5"},
        {145900.50, "145900.5"}, {145900.125, "145900.13"},
        {10489675, "10489675"},  {0, ""},
        {-2.5, "-2.5"},
    };
    for (const auto& [kHz, text] : cases) {
        EXPECT_EQ(TransponderKHzText(kHz), QString::fromLatin1(text)) << kHz;
    }
    QLocale::setDefault(before);
}

TEST(TransponderList, ListsTheSatellitesEntriesAndSelectsTheOffsetRow) {
    const QList<TransponderEntry> table = {
        Entry("AO-73", 145960, 435140, "USB/LSB"),
        Entry("AO-7", 145950, 432150, "USB/LSB"),
        Entry("SO-50", 436795, 145850, "FM/FM"),
        Entry("AO-7", 145970, 0, "CW/CW"),
    };
    const auto ao7 = FillTransponderList(table, "AO-7", true, 1);
    EXPECT_EQ(ao7.items, QStringList({"145950/432150 USB/LSB", "145970/ CW/CW"}));
    EXPECT_EQ(ao7.selectedRow, 1);

    const auto none = FillTransponderList(table, "AO-8", false, 0);
    EXPECT_EQ(none.items, QStringList({" "}));
    EXPECT_EQ(none.selectedRow, -1);
}

// The list has no room limit: the 150th transponder of a long list can be shown and picked.
TEST(TransponderList, MoreThanAHundredEntriesAreAllListed) {
    QList<TransponderEntry> table;
    for (int i = 0; i < 150; ++i) {
        table.append(Entry("CUBE", 435000 + i, 145900, "USB/LSB"));
    }
    const auto list = FillTransponderList(table, "CUBE", true, 149);
    ASSERT_EQ(list.items.size(), 150);
    EXPECT_EQ(list.items[149], "435149/145900 USB/LSB");
    EXPECT_EQ(list.selectedRow, 149);
}

}  // namespace
}  // namespace orbivox

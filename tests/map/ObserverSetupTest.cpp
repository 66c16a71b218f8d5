// The observer setup's keystroke rules for each item, and storing into a scratch SatIni.SQF
// without touching its other lines.
#include "map/ObserverSetup.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"

namespace orbivox {
namespace {

TEST(ObserverSetup, EditRules) {
    struct Case {
        ObserverItem item;
        const char* typed;
        const char* store;  // nullptr: line unchanged
        bool pleaseCorrect;
        bool beep;
    } cases[] = {
        {ObserverItem::Longitude, "-", nullptr, true,
         true},  // last character must be a digit or "."
        {ObserverItem::Longitude, "-12", "-12", false, false},
        {ObserverItem::Longitude, "12,5", "12.5", false, false},
        {ObserverItem::Longitude, "181", nullptr, true, true},
        {ObserverItem::Longitude, "x5", nullptr, true, true},  // the whole value must be a number
        {ObserverItem::Latitude, "-", nullptr, false, false},  // being typed
        {ObserverItem::Latitude, "45.", "45.", false, false},
        {ObserverItem::Altitude, "", "0", true, false},  // empty stores "0"
        {ObserverItem::Altitude, " 120 ", "120", false, false},
        {ObserverItem::Altitude, "10001", nullptr, true, true},
        {ObserverItem::UtcOffset, "a", nullptr, false, false},
        {ObserverItem::UtcOffset, "au", nullptr, false, false},
        {ObserverItem::UtcOffset, "aut", nullptr, false, false},
        {ObserverItem::UtcOffset, "auto", "auto", false, false},
        {ObserverItem::UtcOffset, "AUTO", "AUTO", false, false},
        {ObserverItem::UtcOffset, "-5", "-5", false, false},
        {ObserverItem::UtcOffset, "16", nullptr, true, true},
        {ObserverItem::UtcOffset, "5x", nullptr, true, true},
        {ObserverItem::UtcOffset, "5.", nullptr, true, true},  // a point only inside the number
        {ObserverItem::UtcOffset, "5.5", "5.5", false, false},
        {ObserverItem::Locator, "jo62qm", "JO62QM", false, false},
        {ObserverItem::Locator, "JO6", "JO6", false, false},
        {ObserverItem::Locator, "JZ62", "JZ62", true, true},  // kept, but flagged
        {ObserverItem::Locator, "JO62QMA", nullptr, true, true},
        {ObserverItem::SourceMask, "Orbs????.txt", "Orbs????.txt", false, false},
        {ObserverItem::SourceMask, "Orbs?????.txt", nullptr, true, true},
    };
    for (const Case& c : cases) {
        const ObserverEdit e = EditObserverItem(c.item, QString::fromLatin1(c.typed));
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(e.store.has_value(), c.store != nullptr);
        if (c.store && e.store) {
            EXPECT_EQ(*e.store, QString::fromLatin1(c.store));
        }
        EXPECT_EQ(e.pleaseCorrect, c.pleaseCorrect);
        EXPECT_EQ(e.beep, c.beep);
    }
    EXPECT_EQ(EditObserverItem(ObserverItem::UtcOffset, "-5").clockOffsetHours, -5.0);
}

TEST(ObserverSetup, StoreKeepsTheOtherLinesOfSatIni) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SatIni.SQF"));
    QStringList lines;
    for (int i = 1; i <= 16; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    SqfWriter().Lines(lines).Commit(path);
    StoreObserverLines(path, {"120", "JO62QM", "13.41", "52.52", "auto", "Orbs????.txt"});
    const QStringList after = ReadSqfLines(path);
    ASSERT_EQ(after.size(), 16);
    EXPECT_EQ(after[0], "120");
    EXPECT_EQ(after[1], "JO62QM");
    EXPECT_EQ(after[4], "line 5");
    EXPECT_EQ(after[11], "line 12");
    EXPECT_EQ(after[12], "auto");
    EXPECT_EQ(after[13], "Orbs????.txt");
    EXPECT_EQ(after[14], "line 15");
    EXPECT_EQ(after[15], "line 16");
}

TEST(ObserverSetup, StatusPanelText) {
    EXPECT_EQ(ObserverPanelText(13.41, 52.52, '.'), " Obs.: 13.4 / 52.5");
    EXPECT_EQ(ObserverPanelText(-73.04, -33.87, ','), " Obs.: -73,0 / -33,9");
}

}  // namespace
}  // namespace orbivox

// Element age: the limit by perigee height, the status bar text, and the "Update Keps" offer
// made once per element file and asked again only for a file a download replaced.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "catalogue/ElementAge.h"
#include "catalogue/ElementFileReader.h"
#include "settings/SqfFile.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

// ISS elements with the mean motion of a 250 km orbit put in (16.1 revolutions per day).
const std::string kLowIss =
    "LOW ISS\n"
    "1 25544U 98067A   26234.50053383  .00009133  00000+0  17025-3 0  9997\n"
    "2 25544  51.6331 331.8814 0007668  72.6488 287.5339 16.10000000582031\n";

TEST(ElementAge, TheLimitIsShorterBelow300Kilometres) {
    orbit::SetTable table;
    ASSERT_EQ(ReadElementFileByContent(ORBIVOX_TEST_DATA "/omm/sets.txt", table, {}).count, 5);
    const orbit::ElementSet& iss = table[3];
    const struct {
        double days;
        bool old;
    } cases[] = {{-1.0, false}, {3.5, false}, {14.0, false}, {14.01, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(AgeOf(iss, iss.epochJulianDate + c.days).old, c.old) << c.days;
    }
    const ElementAge fourDays = AgeOf(iss, iss.epochJulianDate + 4.04);
    EXPECT_EQ(ElementAgePanelText(fourDays, ','), " Elements: 4,0 days");
    EXPECT_TRUE(ElementAgePanelStyle(fourDays).isEmpty());

    orbit::SetTable low;
    ASSERT_EQ(ReadElementText(kLowIss, low, {}).count, 1);
    const ElementAge lowAge = AgeOf(low[1], low[1].epochJulianDate + 3.5);
    EXPECT_EQ(lowAge.limitDays, kLowOrbitAgeLimitDays);
    EXPECT_TRUE(lowAge.old);
    EXPECT_FALSE(ElementAgePanelStyle(lowAge).isEmpty());
}

TEST(ElementAge, UpdateKepsIsOfferedOncePerElementFile) {
    QTemporaryDir dir;
    const QString memory = dir.filePath(kKepsAgeFile);
    const QString elements = WriteBytes(dir.filePath("amateur.txt"), "elements");
    ElementAge age;
    age.days = 20.0;
    age.old = true;
    RecordingNotifier notifier;
    notifier.answer = true;
    EXPECT_TRUE(OfferUpdateKeps(notifier, memory, elements, "ISS (ZARYA)", age));
    EXPECT_EQ(notifier.questions,
              QStringList{"The elements of ISS (ZARYA) are 20.0 days old.\rUpdate Keps now?"});
    // Asked already: not again, whatever the answer was.
    EXPECT_FALSE(OfferUpdateKeps(notifier, memory, elements, "ISS (ZARYA)", age));
    EXPECT_EQ(notifier.questions.size(), 1);
    const QStringList stored = ReadSqfLines(memory);
    ASSERT_EQ(stored.size(), 2);
    EXPECT_TRUE(stored[0].startsWith(elements + "|"));
    EXPECT_EQ(stored[1], "+");

    // A download replaced the file: a new file, asked about once more.
    QFile file(elements);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(1),
                                 QFileDevice::FileModificationTime));
    file.close();
    notifier.answer = false;
    EXPECT_FALSE(OfferUpdateKeps(notifier, memory, elements, "ISS (ZARYA)", age));
    EXPECT_EQ(notifier.questions.size(), 2);
    EXPECT_EQ(ReadSqfLines(memory).value(3), "-");
}

}  // namespace
}  // namespace orbivox

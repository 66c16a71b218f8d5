// The bundled element file in the build tree's program folder carries the date of its newest
// epoch, not the day the tree was checked out: the satellites dialog and the status bar
// show that date as the elements' age.
#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>

#include "catalogue/ElementFileReader.h"
#include "orbit/OrbitEngine.h"
#include "orbit/TimeScales.h"

namespace {

TEST(BundledElementDate, TheProgramFolderCopyIsDatedByItsNewestEpoch) {
    const QString path = QStringLiteral(ORBIVOX_PROGRAM_FOLDER "/data/Kepler/amateur.txt");
    orbit::OrbitEngine engine(QDate::currentDate().year());
    const orbit::ElementReadResult read =
        orbivox::ReadElementFileByContent(path.toStdString(), engine);
    ASSERT_TRUE(read.fileRead) << read.error;
    ASSERT_GT(read.count, 1);
    double newest = 0.0;
    for (int i = 1; i <= read.count; ++i) {
        newest = std::max(newest, engine.Sets()[i].epochJulianDate);
    }
    const double fileJulianDate =
        2440587.5 +
        static_cast<double>(QFileInfo(path).lastModified().toMSecsSinceEpoch()) / 86400000.0;
    EXPECT_NEAR(fileJulianDate, newest, 1.0 / 86400.0)
        << "dated " << QFileInfo(path).lastModified().toUTC().toString(Qt::ISODate).toStdString();
}

}  // namespace

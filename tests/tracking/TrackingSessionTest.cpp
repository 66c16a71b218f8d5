// A tracking session on a copy of the bundled configuration: first and second instance, the
// loader running once, and a missing source file reported without ending the program.
#include "tracking/TrackingSession.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"
#include "tests/support/BundledData.h"
#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

// The bundled data folder in a scratch folder, with the servers and radio 1 switched on.
class TrackingSessionTest : public BundledConfiguration {
protected:
    void SetUp() override {
        BundledConfiguration::SetUp();
        StoreSqfLines(folders_.ConfigFile("SatStart.SQF"), {{4, "+"}, {11, "+"}});
        StoreSqfLines(folders_.ConfigFile("SatIni.SQF"), {{5, "3"}});
    }

    orbit::FixedClock clock_{46256.0, 46256.0};  // 2026-08-22
};

TEST_F(TrackingSessionTest, SecondInstanceRunsWithoutServersOrRadioButKeepsTheFiles) {
    TrackingSession session(clock_, folders_);
    session.MarkSecondInstance();
    ASSERT_FALSE(session.LoadSettings({}));
    EXPECT_FALSE(session.startValues().rotorServerInUse);
    EXPECT_FALSE(session.startValues().catServerInUse);
    EXPECT_EQ(session.radio1Port(), 0);
    // What a store writes back is what the file said.
    EXPECT_TRUE(session.settings().startValues.rotorServerInUse);
    EXPECT_EQ(session.settings().station.radio1Port, 3);
}

TEST_F(TrackingSessionTest, FirstInstanceUsesTheFileValuesAndSelectsTheGroup) {
    TrackingSession session(clock_, folders_);
    ASSERT_FALSE(session.LoadSettings({}));
    EXPECT_TRUE(session.startValues().rotorServerInUse);
    EXPECT_EQ(session.radio1Port(), 3);
    EXPECT_EQ(session.LoadElements(), ElementPartOutcome::Tracking);
    EXPECT_EQ(session.SelectedNames().size(), session.members().size());
    EXPECT_EQ(session.engine().WorkingSlot(), 0);
    // A second call of the loader's settings part changes nothing: it runs once a run.
    StoreSqfLines(folders_.ConfigFile("SatIni.SQF"), {{5, "7"}});
    ASSERT_FALSE(session.LoadSettings({}));
    EXPECT_EQ(session.radio1Port(), 3);
}

TEST_F(TrackingSessionTest, MissingSourceFileIsReportedNotFatal) {
    QFile::remove(root_.filePath("Kepler/amateur.txt"));
    TrackingSession session(clock_, folders_);
    ASSERT_FALSE(session.LoadSettings({}));
    EXPECT_EQ(session.LoadElements(), ElementPartOutcome::NoSourceFile);
}

}  // namespace
}  // namespace orbivox

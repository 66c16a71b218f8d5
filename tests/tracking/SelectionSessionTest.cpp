// A selection made in a session on a copy of the bundled configuration: tracked at once, kept
// across a restart, and renamed through the names list.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "catalogue/SatelliteChoice.h"
#include "settings/SqfFile.h"
#include "tests/support/BundledData.h"
#include "tests/support/QtPrinters.h"
#include "tracking/TrackingSession.h"

namespace orbivox {
namespace {

// A program run on the bundled defaults in a scratch folder.
class SelectionSessionTest : public BundledConfiguration {
protected:
    std::unique_ptr<TrackingSession> Start() {
        auto session = std::make_unique<TrackingSession>(clock_, folders_);
        EXPECT_FALSE(session->LoadSettings([] {}));
        session->LoadElements();
        return session;
    }

    orbit::FixedClock clock_{46300.5, 46300.5};  // 2026
};

TEST_F(SelectionSessionTest, AnAcceptedChoiceTracksAtOnceAndSurvivesARestart) {
    auto session = Start();
    SatelliteChoice choice(session->CatalogueFiles(), session->engine().Orbit().ReadOptions());
    choice.Open(session->selection(), true);
    while (!choice.chosen().isEmpty()) {
        choice.DeleteEntry(0);
    }
    choice.AddSatellite("NOAA 19");
    choice.AddSatellite("OSCAR 7 (AO-7)");
    session->ApplySelection(choice.Accept());
    EXPECT_EQ(session->SelectedNames(), (QStringList{"NOAA 19", "OSCAR 7 (AO-7)"}));
    EXPECT_EQ(session->engine().WorkingSlot(), 0);

    auto restarted = Start();
    EXPECT_EQ(restarted->group(), "Amateur");
    EXPECT_EQ(restarted->SelectedNames(), (QStringList{"NOAA 19", "OSCAR 7 (AO-7)"}));
}

TEST_F(SelectionSessionTest, ElementReadingNamesSetsFromTheNamesListWhenAsked) {
    SqfWriter().Lines({"+", "+", "I"}).Commit(folders_.ConfigFile("SatNameOpt.SQF"));
    SqfWriter().Lines({"OSCAR 7 (AO-7)", "+"}).Commit(folders_.ConfigFile("Amateur.Sat"));
    auto session = Start();
    // Listed under the names list's name, the group's old name no longer matches.
    EXPECT_TRUE(session->SelectedNames().isEmpty());
    const orbit::SetTable& sets = session->engine().Orbit().Sets();
    EXPECT_EQ(sets[1].name, "AO-7");

    NameOptions sourceNames;
    sourceNames.useListNames = false;
    session->SetNameOptions(sourceNames);
    session->ApplySelection(session->selection());
    EXPECT_EQ(session->SelectedNames(), QStringList{"OSCAR 7 (AO-7)"});
}

}  // namespace
}  // namespace orbivox

// The cycle's speech places: Talk.SQF applied at the first tick, and each rising satellite
// announced by name in the order the cycle reports them.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSpeech.h"
#include "tests/tracking/ThreeSatellites.h"
#include "tracking/Announcements.h"

namespace orbivox {
namespace {

class AnnouncementsTest : public ThreeSatellites {};

TEST_F(AnnouncementsTest, FirstTickLoadsTheVoiceAndRisesAreSpokenInOrder) {
    QTemporaryDir dir;
    const QString talk = dir.filePath("Talk.SQF");
    WriteSpeechSettings(talk, {1, 2, 60, -2});
    RecordingSpeechFactory factory;
    SpeechAnnouncer announcer(factory.Factory(), {});
    ConnectAnnouncements(*engine_, announcer, talk);
    engine_->TrackingTick();
    EXPECT_EQ(factory.calls, 0) << "nothing said yet, no engine";
    EXPECT_EQ(announcer.Settings().volume, 60);

    engine_->Hooks().announceRise(so50_);
    engine_->Hooks().announceRise(iss_);
    engine_->Hooks().announceRise(eshail_);
    ASSERT_TRUE(factory.made);
    EXPECT_EQ(factory.made->VoiceIdx(), 1);
    factory.made->FinishSpeaking();
    factory.made->FinishSpeaking();
    EXPECT_EQ(factory.made->spoken,
              (QStringList{"Satellite SAUDISAT 1C (SO-50) rising!", "Satellite ISS (ZARYA) rising!",
                           "Satellite ES'HAIL 2 rising!"}));
}

// With announcements on, the first tick makes the engine and goes on without waiting for its
// voices; a rise meanwhile is said once they have come.
TEST_F(AnnouncementsTest, TheEngineIsMadeAtTheStartAndARiseWaitsForItsVoices) {
    QTemporaryDir dir;
    RecordingSpeechFactory factory;
    factory.readyLater = true;
    SpeechAnnouncer announcer(factory.Factory(), {});
    ConnectAnnouncements(*engine_, announcer, dir.filePath("Talk.SQF"));
    engine_->Switches().announcements = true;
    engine_->TrackingTick();
    ASSERT_EQ(factory.calls, 1);
    engine_->Hooks().announceRise(iss_);
    engine_->TrackingTick();
    EXPECT_TRUE(factory.made->spoken.isEmpty());
    factory.made->BecomeReady();
    EXPECT_EQ(factory.made->spoken, QStringList{"Satellite ISS (ZARYA) rising!"});
}

}  // namespace
}  // namespace orbivox

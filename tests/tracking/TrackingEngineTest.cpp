// The tracking engine with three real satellites over a day of ticks: letter colours and rise
// announcements, a geostationary working satellite, map refreshes, the published items, and
// the quit order.
#include "tracking/TrackingEngine.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <map>
#include <vector>

#include "tests/tracking/ThreeSatellites.h"

namespace orbivox {
namespace {

using TrackingEngineTest = ThreeSatellites;

TEST_F(TrackingEngineTest, LettersColourAndRisesAreAnnouncedOnce) {
    std::map<int, int> announced;
    engine_->Switches().announcements = true;
    engine_->Hooks().announceRise = [&](int set) { ++announced[set]; };

    engine_->TrackingTick();
    const auto& letters = engine_->Letters();
    for (int k = 0; k < kMaxSelected; ++k) {
        EXPECT_TRUE(letters[k].repaint) << k;  // the first tick paints every letter
        if (k >= 3) {
            EXPECT_EQ(letters[k].colour, LetterColour::Silver) << k;
        }
    }
    EXPECT_EQ(letters[2].colour, LetterColour::White);  // the geostationary one is up
    engine_->LettersRepainted();

    // A day of ticks, 30 s apart: every change of colour is marked for repainting on that
    // tick only, and each rise of a letter is announced once.
    int rises = 0;
    for (int tick = 0; tick < 2880; ++tick) {
        const std::array<Letter, kMaxSelected> before = engine_->Letters();
        clock_.Advance(30.0 / 86400.0);
        engine_->TrackingTick();
        for (int k = 0; k < 3; ++k) {
            const bool changed = before[k].colour != letters[k].colour;
            EXPECT_EQ(letters[k].repaint, changed) << "letter " << k << " tick " << tick;
            rises += changed && letters[k].colour == LetterColour::White;
        }
        engine_->LettersRepainted();
    }
    EXPECT_GT(rises, 2);
    EXPECT_EQ(announced[iss_] + announced[so50_], rises);
    EXPECT_EQ(announced.count(eshail_), 0u);
}

// The start-up phase is the first three ticks: a satellite that rises on the third is not
// announced, nor later while it stays up.
TEST_F(TrackingEngineTest, ARiseOnTheThirdTickIsNotAnnounced) {
    std::map<int, int> announced;
    engine_->Switches().announcements = true;
    engine_->Hooks().announceRise = [&](int set) { ++announced[set]; };
    engine_->TrackingTick();
    const double top = engine_->WorkingPass().maxTime;
    ASSERT_GT(engine_->WorkingPass().aosTime, engine_->Time().dayNumber);
    clock_.Advance(1.0 / 86400.0);
    engine_->TrackingTick();
    ASSERT_EQ(engine_->Letters()[0].colour, LetterColour::Silver);
    clock_.Advance(top - engine_->Time().dayNumber);  // at the top of the pass
    for (int tick = 3; tick <= 5; ++tick) {
        engine_->TrackingTick();
        EXPECT_EQ(engine_->Letters()[0].colour, LetterColour::White) << tick;
        clock_.Advance(1.0 / 86400.0);
    }
    EXPECT_EQ(announced[iss_], 0);
}

TEST_F(TrackingEngineTest, GeostationaryWorkingSatelliteHasNoPassColumns) {
    engine_->ApplyWorkingChange(2);
    engine_->Switches().map.size = WindowSize::W2;
    engine_->TrackingTick();
    const std::string& line = engine_->ListText();
    ASSERT_GE(line.size(), 17u);
    EXPECT_EQ(line.substr(line.size() - 17), "   ----- ----- --");
    engine_->Switches().map.size = WindowSize::W1;
    engine_->TrackingTick();
    const std::string& narrow = engine_->ListText();
    ASSERT_GT(narrow.size(), 49u);
    EXPECT_EQ(narrow.substr(narrow.size() - 12), " ----- -----");
}

// W2 takes the narrow layout only on a 120-dpi screen; on an ordinary screen it is wide.
TEST_F(TrackingEngineTest, ListLayoutFollowsTheSizeCodeOfTheScreen) {
    const std::string narrowHeader = ListHeader(1);
    const std::string wideHeader = ListHeader(3);
    const struct {
        WindowSize size;
        bool dpi120;
        bool narrow;
    } cases[] = {
        {WindowSize::W1, false, true},  {WindowSize::W2, true, true},
        {WindowSize::W2, false, false}, {WindowSize::W3, true, false},
        {WindowSize::W3, false, false}, {WindowSize::W5, false, false},
    };
    for (const auto& c : cases) {
        engine_->Switches().map.size = c.size;
        engine_->Switches().map.dpi120Screen = c.dpi120;
        engine_->TrackingTick();
        const std::string& line = engine_->ListText();
        const std::string label =
            std::string(LayoutOf(c.size).caption) + (c.dpi120 ? " 120" : " 96");
        EXPECT_EQ(engine_->Header(), c.narrow ? narrowHeader : wideHeader) << label;
        // Narrow: 49 characters of fields (53 here: the five-digit orbit number and the
        // squint "--" after it stay whole) and " hh:nn hh:nn"; wide: a leading blank, 60
        // characters of fields and "   hh:nn hh:nn  me".
        EXPECT_EQ(line.size(), c.narrow ? 65u : 78u) << label << " [" << line << "]";
        EXPECT_EQ(line.front() == ' ', !c.narrow) << label << " [" << line << "]";
    }
}

TEST_F(TrackingEngineTest, MapRefreshEveryIntervalPlusOneTicks) {
    engine_->SetMapUpdate(5, 1);
    std::vector<int> refreshTicks;
    for (int tick = 0; tick < 13; ++tick) {
        engine_->TrackingTick();
        if (engine_->IsRefreshTick()) {
            refreshTicks.push_back(tick);
        }
    }
    EXPECT_EQ(refreshTicks, (std::vector<int>{0, 6, 12}));
    engine_->SetMapUpdate(5, 5);
    EXPECT_EQ(engine_->TickIntervalMs(), 200);
}

TEST_F(TrackingEngineTest, PassSearchLeavesTheTicksStateAlone) {
    engine_->TrackingTick();
    const orbit::TrackResult working = engine_->Working();
    const std::string line = engine_->ListText();
    // Same instant again: the pass search of the first tick must not have moved anything.
    engine_->TrackingTick();
    EXPECT_EQ(engine_->Working().azimuth, working.azimuth);
    EXPECT_EQ(engine_->ListText(), line);
}

// The ISS's pass is searched while it works, then it goes by while SO-50 works. Chosen again
// while still below the horizon, the ISS must show its next pass, not the one gone by.
TEST_F(TrackingEngineTest, ChoosingASatelliteWhosePassWentByRenewsItsPass) {
    engine_->TrackingTick();
    ASSERT_EQ(engine_->Letters()[0].colour, LetterColour::Silver);
    const orbit::PassData first = engine_->WorkingPass();
    ASSERT_TRUE(first.downSearched);
    ASSERT_GT(first.aosRounded, engine_->Time().dayNumber);

    engine_->ApplyWorkingChange(1);
    clock_.Advance(first.recomputeAfter - engine_->Time().dayNumber + 10.0 / 1440);
    engine_->TrackingTick();
    ASSERT_EQ(engine_->Letters()[0].colour, LetterColour::Silver);  // the ISS is down again

    engine_->ApplyWorkingChange(0);
    engine_->TrackingTick();
    const orbit::PassData& renewed = engine_->WorkingPass();
    EXPECT_GT(renewed.aosRounded, engine_->Time().dayNumber);
    EXPECT_NE(AosText(renewed), AosText(first));
}

class ItemRecorder : public ItemSink {
public:
    void PublishItem(const QString& topic, const QString& item, const QString& text) override {
        (topic == kNameTopic && item == kNameItem ? names : data).push_back(text);
    }
    std::vector<QString> names;
    std::vector<QString> data;
};

TEST_F(TrackingEngineTest, DataItemCarriesTheLookAnglesOfTheTicksListLine) {
    ItemRecorder items;
    engine_->Data().SetSink(&items);
    engine_->Hooks().dataLineRadio = [](DataLineValues& values) {
        values.uplinkHz = 145950000;
        values.uplinkOffsetHz = 116000000;
        values.uplinkMode = "FM";
    };
    for (int tick = 0; tick < 3; ++tick) {
        engine_->TrackingTick();
        clock_.Advance(1.0 / 86400);
        const QStringList list =
            QString::fromStdString(engine_->ListText()).split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(items.data.size(), static_cast<size_t>(tick + 1));
        EXPECT_EQ(items.data.back(), "SNISS (ZARYA) AZ" + list[0] + " EL" + list[1] +
                                         " UP29950000 UMFM DN0 DM MA" + list[2]);
    }
    // Below the horizon with DivOptions line 2 "-"; radio frequencies off.
    engine_->Switches().dataItemAlways = false;
    engine_->TrackingTick();
    ASSERT_LT(engine_->Working().elevation, 0);
    EXPECT_EQ(items.data.back(), "** NO SATELLITE **\n");
    engine_->Switches().dataItemAlways = true;
    engine_->Switches().dataItemRadioFrequencies = false;
    engine_->TrackingTick();
    EXPECT_TRUE(items.data.back().contains(" UP145950000 UMFM "))
        << items.data.back().toStdString();
    engine_->Data().SetSink(nullptr);
}

// A whole pass of the ISS, a tick a minute: the name item goes from standby to the bare
// name as the satellite passes the minimum elevation, back to standby as it sets, and the
// rotor's standby flag holds from the setting until it has been below the minimum.
TEST_F(TrackingEngineTest, NameItemAndStandbyFlagOverAPass) {
    ItemRecorder items;
    engine_->Data().SetSink(&items);
    engine_->Switches().minElevation = -3;
    engine_->TrackingTick();
    const orbit::PassData pass = engine_->WorkingPass();
    ASSERT_GT(pass.aosTime, engine_->Time().dayNumber);
    clock_.Advance(pass.aosTime - engine_->Time().dayNumber - 5.0 / 1440);
    bool sawRisen = false;
    bool sawStandbyAfterSetting = false;
    double previous = 0;
    for (int minute = 0; minute < 40; ++minute) {
        engine_->TrackingTick();
        const double el = engine_->Working().elevation;
        if (minute > 0 && previous < -3 && el > -3) {
            EXPECT_EQ(items.names.back(), "ISS (ZARYA)");
            sawRisen = true;
        }
        if (minute > 0 && previous > 0 && el < 0) {
            EXPECT_EQ(items.names.back(), "ISS (ZARYA) Standby");
            EXPECT_TRUE(engine_->LosStandby());
            sawStandbyAfterSetting = true;
        }
        if (el > 0) {
            EXPECT_FALSE(engine_->LosStandby());
        }
        previous = el;
        clock_.Advance(1.0 / 1440);
    }
    EXPECT_TRUE(sawRisen && sawStandbyAfterSetting);
    EXPECT_EQ(items.names.front(), "ISS (ZARYA) Standby");
    // Another working satellite: the flag is cleared and its name published.
    engine_->ApplyWorkingChange(1);
    EXPECT_FALSE(engine_->LosStandby());
    engine_->TrackingTick();
    EXPECT_TRUE(items.names.back().startsWith("SAUDISAT 1C (SO-50)"));
    engine_->Data().SetSink(nullptr);
}

TEST(QuitProgram, StepsRunInOrder) {
    std::vector<std::string> calls;
    auto record = [&](const char* name) { return [&calls, name] { calls.push_back(name); }; };
    QuitHooks hooks;
    hooks.releaseRadio2 = record("radio2");
    hooks.writeWindowPosition = record("position");
    hooks.toneOff = record("tone");
    hooks.sendCloseCommands = record("close");
    hooks.catOff = record("cat");
    hooks.kenwoodSatelliteModeOff = record("kenwood");
    hooks.closeRotorServer = record("rotor");
    TrackingEngine::QuitProgram(hooks, true, false);
    EXPECT_EQ(calls, (std::vector<std::string>{"radio2", "position", "tone", "close", "cat",
                                               "kenwood", "rotor"}));

    calls.clear();
    hooks.closeCatServer = record("catserver");
    TrackingEngine::QuitProgram(hooks, false, false);  // closing by the frame: no position
    EXPECT_EQ(calls,
              (std::vector<std::string>{"radio2", "tone", "close", "cat", "catserver", "rotor"}));

    calls.clear();
    hooks.radio1PortFailed = [] { return true; };
    TrackingEngine::QuitProgram(hooks, true, false);
    EXPECT_TRUE(calls.empty());
}

}  // namespace
}  // namespace orbivox

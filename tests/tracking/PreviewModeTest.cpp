// Preview and MA mode on real elements: the step rules, the MA field and jump, the display
// computed for the chosen instant with no rotor or radio output, the name item while the
// clock stands still, and the way back to real time.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/QtPrinters.h"
#include "tests/tracking/ThreeSatellites.h"
#include "tracking/PreviewMode.h"

namespace orbivox {
namespace {

constexpr double kMinute = 1.0 / 1440;

TEST(PreviewStep, FirstStepFollowsTheMeanMotionAndNothingMeansTwoMinutes) {
    EXPECT_EQ(DefaultPreviewStep(6.4).minutes, 15);
    EXPECT_EQ(DefaultPreviewStep(6.41).minutes, 2);
    EXPECT_NEAR(PreviewStepDays({0, 0, 0}), 2 * kMinute, 1e-12);
    EXPECT_NEAR(PreviewStepDays({1, 2, 30}), 1.0 / 24 + 2.5 * kMinute, 1e-12);
}

TEST(MaTarget, CommaIsAPointEmptyIsNoughtAndOnlyZeroTo256Reads) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"", 0.0},
        {"  ", 0.0},
        {"12,5", 12.5},
        {"256", 256.0},
        {"0", 0.0},
        {"256.01", std::nullopt},
        {"-1", std::nullopt},
        {"abc", std::nullopt},
        {"nan", std::nullopt},
        {"1e3", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseMaTarget(c.text), c.value) << c.text;
    }
}

TEST(MaJump, MovesForwardByTheFractionOfAnOrbit) {
    const double n = 15.5;
    EXPECT_DOUBLE_EQ(MaJumpTime(100, 40, 40, n), 100);
    EXPECT_NEAR(MaJumpTime(100, 250, 10, n), 100 + (16.0 / 256) / n, 1e-12);
    EXPECT_NEAR(MaJumpTime(100, 10, 138, n), 100 + 0.5 / n, 1e-12);
    // A set without a positive mean motion stays where it is instead of dividing by nought.
    EXPECT_DOUBLE_EQ(MaJumpTime(100, 10, 138, 0), 100);
}

class RecordingNames : public ItemSink {
public:
    void PublishItem(const QString& topic, const QString&, const QString& text) override {
        (topic == kNameTopic ? names : data) << text;
    }
    QStringList names;
    QStringList data;
};

class PreviewModeTest : public ThreeSatellites {
protected:
    void SetUp() override {
        ThreeSatellites::SetUp();
        engine_->Data().SetSink(&sink_);
        engine_->Hooks().rotorUpdate = [this] { ++rotorCalls_; };
        engine_->Hooks().radioStep = [this] { ++radioCalls_; };
        engine_->Switches().rotorControl = true;
        engine_->TrackingTick();
        now_ = engine_->Time().dayNumber;
        rotorCalls_ = radioCalls_ = 0;
    }

    RecordingNames sink_;
    int rotorCalls_ = 0, radioCalls_ = 0;
    double now_ = 0;
};

TEST_F(PreviewModeTest, PreviewComputesTheChosenInstantAndStepsByHand) {
    PreviewMode preview(*engine_);
    preview.EnterPreview();
    EXPECT_EQ(sink_.names.last(), "ISS (ZARYA) Standby");
    const double t = now_ + 3.25;
    preview.StartPreview(t, {0, 0, 0});
    EXPECT_DOUBLE_EQ(engine_->Time().dayNumber, t);
    EXPECT_EQ(rotorCalls_ + radioCalls_, 0) << "no output for an instant that is not now";
    EXPECT_TRUE(engine_->Switches().rotorControl);
    EXPECT_EQ(sink_.names.last(), "ISS (ZARYA) Standby");

    EXPECT_EQ(preview.ToggleStepFactor(), "F+");
    preview.StepPreview(true);
    EXPECT_NEAR(engine_->Time().dayNumber, t + 10 * kMinute, 1e-9);
    EXPECT_EQ(preview.ToggleStepFactor(), "F-");
    preview.StepPreview(false);
    EXPECT_NEAR(engine_->Time().dayNumber, t + 8 * kMinute, 1e-9);

    preview.ReturnToRealTime();
    EXPECT_TRUE(preview.RealTime());
    EXPECT_DOUBLE_EQ(engine_->Time().dayNumber, now_);
    const qsizetype published = sink_.names.size();
    engine_->TrackingTick();
    ASSERT_GT(sink_.names.size(), published) << "the name is published afresh";
    EXPECT_FALSE(sink_.names.last().endsWith("Standby") && engine_->Working().elevation > 0);
    EXPECT_GT(rotorCalls_, 0);
}

TEST_F(PreviewModeTest, MaJumpReachesTheTargetAndContinuesFromTheLastInstant) {
    PreviewMode ma(*engine_);
    ma.EnterMa();
    EXPECT_EQ(ma.Mode(), TimeMode::Ma);
    for (const double target : {100.0, 20.0, 20.0}) {
        const double before = ma.Instant();
        ma.JumpToMa(target);
        EXPECT_NEAR(engine_->Working().meanAnomaly, target, 0.5) << target;
        EXPECT_GE(ma.Instant(), before);
        // Never more than one orbit ahead.
        EXPECT_LT(ma.Instant() - before, 1 / 15.0);
    }
    EXPECT_EQ(rotorCalls_ + radioCalls_, 0);
    EXPECT_EQ(sink_.names.last(), "ISS (ZARYA) Standby");
}

// A program reading the items must not follow an instant that is not now: in Preview and MA
// the data item keeps its last real-time text and the name item says Standby and nothing else.
TEST_F(PreviewModeTest, PreviewAndMaPublishNothingButStandby) {
    ASSERT_FALSE(sink_.data.isEmpty());
    const QStringList data = sink_.data;
    const qsizetype names = sink_.names.size();
    PreviewMode preview(*engine_);
    preview.EnterPreview();
    preview.StartPreview(now_ + 0.3, {0, 2, 0});
    for (int step = 0; step < 40; ++step) {
        preview.StepPreview(true);
    }
    preview.ReturnToRealTime();
    preview.EnterMa();
    for (const double target : {100.0, 20.0, 200.0}) {
        preview.JumpToMa(target);
    }
    EXPECT_EQ(sink_.data, data);
    for (qsizetype i = names; i < sink_.names.size(); ++i) {
        EXPECT_EQ(sink_.names[i], "ISS (ZARYA) Standby") << i;
    }
    preview.ReturnToRealTime();
    engine_->TrackingTick();
    EXPECT_GT(sink_.data.size(), data.size()) << "published again in real time";
}

}  // namespace
}  // namespace orbivox

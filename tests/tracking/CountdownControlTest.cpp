// The countdown window's logic: where the attached window stands, "Store" writing
// CountDownPos.SQF, and the cycle's triggers acting only once the window has been opened.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "settings/SqfFile.h"
#include "tests/support/QtPrinters.h"
#include "tests/tracking/ThreeSatellites.h"
#include "tracking/CountdownControl.h"
#include "tracking/PreviewMode.h"

namespace orbivox {
namespace {

TEST(AttachedPosition, RightOfTheMainWindowUnlessThatPassesTheScreenEdge) {
    const QRect main(100, 50, 600, 400);  // right edge at 700
    const struct {
        int width, screenRight, h, v;
        QPoint at;
    } cases[] = {
        {200, 1920, 0, 0, {700, 50}},  {200, 1920, 5, -3, {705, 47}},
        {200, 900, 0, 0, {700, 50}},   // just fits
        {200, 899, 0, 0, {-100, 50}},  // one pixel too far: to the left
        {200, 899, 10, 2, {-110, 52}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AttachedPosition(main, c.width, c.screenRight, c.h, c.v), c.at)
            << c.width << " " << c.screenRight << " " << c.h;
    }
}

class CountdownControlTest : public ThreeSatellites {
protected:
    QTemporaryDir dir_;
};

TEST_F(CountdownControlTest, StoreWritesTheFileAndTheNewElevation) {
    const QString file = dir_.filePath("CountDownPos.SQF");
    CountdownSettings settings;
    settings.attached = true;
    settings.horizontalOffset = -4;
    CountdownControl countdown(*engine_, settings, file);
    countdown.SetSortByLetters(false);
    countdown.Store(12, QPoint(300, 200));
    SqfReader reader(file);
    EXPECT_EQ(reader.lines(), (QStringList{"200", "300", "-", "12", "-", "+", "-4", "0"}));
    EXPECT_DOUBLE_EQ(engine_->Switches().countdownElevation, 12);
}

TEST_F(CountdownControlTest, TriggersActOnlyOnceOpenedAndTheGeostationaryRowHasNoTime) {
    CountdownControl countdown(*engine_, {}, dir_.filePath("CountDownPos.SQF"));
    int redraws = 0;
    int opened = 0;
    countdown.ConnectHooks([&] { ++redraws; }, [&] { ++opened; });
    TrackingHooks& hooks = engine_->Hooks();
    hooks.countdownCrossing(iss_);
    hooks.refreshCountdownWindow();
    hooks.openCountdownAtStart();
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(opened, 0) << "the option is off";

    countdown.SetOpenAtStart(true);
    hooks.openCountdownAtStart();
    EXPECT_EQ(opened, 1);
    countdown.SetOpened();
    hooks.countdownCrossing(iss_);
    hooks.refreshCountdownWindow();
    EXPECT_EQ(redraws, 2);

    const std::vector<CountdownRow> rows = countdown.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].satellite, 0);
    EXPECT_TRUE(rows[2].text.ends_with(" ----- --")) << rows[2].text;
}

std::vector<std::string> Texts(const std::vector<CountdownRow>& rows) {
    std::vector<std::string> texts;
    for (const CountdownRow& row : rows) {
        texts.push_back(row.text);
    }
    return texts;
}

// The countdown computed at a preview instant is computed again for now on the way back.
TEST_F(CountdownControlTest, BackToRealTimeTheCountdownIsForNow) {
    CountdownControl fresh(*engine_, {}, dir_.filePath("CountDownPos.SQF"));
    fresh.Compute();
    CountdownControl countdown(*engine_, {}, dir_.filePath("CountDownPos.SQF"));
    int redraws = 0;
    countdown.ConnectHooks([&] { ++redraws; }, {});
    countdown.SetOpened();
    PreviewMode preview(*engine_);
    for (const bool ma : {false, true}) {
        if (ma) {
            preview.EnterMa();
            preview.JumpToMa(100);
        } else {
            preview.EnterPreview();
            preview.StartPreview(engine_->Time().dayNumber + 0.37, {0, 2, 0});
        }
        countdown.Compute();  // as a crossing at the preview instant does
        const int drawn = redraws;
        preview.ReturnToRealTime();
        EXPECT_EQ(Texts(countdown.Rows()), Texts(fresh.Rows())) << ma;
        EXPECT_EQ(redraws, drawn + 1) << ma;
    }
}

}  // namespace
}  // namespace orbivox

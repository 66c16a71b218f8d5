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

TEST(AttachedPosition, RightOfTheMainWindowElseLeftOfItAndAlwaysOnTheScreen) {
    const QRect main(100, 50, 600, 400);  // right edge at 700
    const QSize own(200, 300);
    const struct {
        int workWidth, h, v;
        QPoint at;
    } cases[] = {
        {1920, 0, 0, {700, 50}},
        {1920, 5, -3, {705, 47}},
        {900, 0, 0, {700, 50}},  // just fits
        // One pixel too far: to the left, where only 100 pixels are; the screen's edge holds it.
        {899, 0, 0, {0, 50}},
        {899, 10, 2, {0, 52}},
        {1920, 0, -80, {700, 0}},  // not above the work area either
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AttachedPosition(main, own, QRect(0, 0, c.workWidth, 1000), c.h, c.v), c.at)
            << c.workWidth << " " << c.h << " " << c.v;
    }
    // With room on the left it stands left of the main window.
    EXPECT_EQ(AttachedPosition(QRect(400, 50, 600, 400), own, QRect(0, 0, 1100, 1000), 10, 0),
              QPoint(190, 50));
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

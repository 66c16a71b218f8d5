// The CAT Tuning dialog's rules on a tracker without a radio: the calibration buttons and
// captions, the TCalib opening rule and placement, the manual input checks and the interval
// store; and the dialog driven offscreen.
#include "radio/CatTuning.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "radio/CatLink.h"
#include "radio/TuningFiles.h"
#include "radio/ui/CatTuningDialog.h"
#include "tests/radio/TransponderTestTarget.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

class CatTuningTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        auto entry = [](const char* name, double down, double up, const char* mode) {
            TransponderEntry e;
            e.satelliteName = name;
            e.downlinkKHz = down;
            e.uplinkKHz = up;
            e.downlinkMode = e.uplinkMode = mode;
            e.line = QStringLiteral("%1,%2,%3").arg(name).arg(down).arg(up);
            return e;
        };
        table_ = {entry("AO-7", 145950, 432150, "LSB"), entry("AO-7", 29450, 145900, "USB"),
                  entry("SO-50", 436795, 145850, "FM")};
        hooks_.satelliteName = [this] { return name_; };
        hooks_.radio1Port = [this] { return port_; };
        hooks_.selectEntry = [this](int offset) { selected_ = offset; };
    }
    void Select(int entry, int offset) {
        SelectedTransponder t;
        t.found = true;
        t.entryIndex = entry;
        t.listOffset = offset;
        t.downlinkKHz = table_[entry].downlinkKHz;
        t.uplinkKHz = table_[entry].uplinkKHz;
        t.downlinkMode = table_[entry].downlinkMode;
        t.uplinkMode = table_[entry].uplinkMode;
        name_ = table_[entry].satelliteName;
        tracker_.SatelliteChanged(1, t);
    }

    QTemporaryDir dir_;
    QList<TransponderEntry> table_;
    QString name_;
    int port_ = 0;
    int selected_ = -1;
    CatTuningHooks hooks_;
    CatLink link_{nullptr, 0};
    DopplerTracker tracker_{link_, nullptr, {}};
    RecordingNotifier notifier_;
};

TEST_F(CatTuningTest, CalibrationButtonsFollowVfoModeAndTheUplinkMode) {
    CatTuning cat(tracker_, table_, dir_.filePath("IntVCat.SQF"), dir_.filePath("IntVCatSSB.SQF"),
                  notifier_, hooks_);
    Select(2, 0);  // FM
    tracker_.Tuning().vfoMode = false;
    EXPECT_FALSE(cat.UplinkCalibration());
    EXPECT_EQ(cat.CancelCaption(), "Cancel Freq. Calibration");
    EXPECT_EQ(cat.CalibrationLabel(), "Freq. Calibr. (Hz)");
    tracker_.Tuning().vfoMode = true;
    EXPECT_TRUE(cat.UplinkCalibration());
    Select(0, 0);  // SSB
    tracker_.Tuning().vfoMode = false;
    EXPECT_EQ(cat.CancelCaption(), "Cancel Uplink Calibration");

    tracker_.StepCalibration(1000);
    EXPECT_EQ(cat.CalibrationText(), "   1000");
    cat.CancelCalibration();
    EXPECT_EQ(cat.CalibrationText(), "   0");
}

TEST_F(CatTuningTest, CalibrationOpensOnlyWithPortCatAndSsbAndBesideTheDialog) {
    CatTuning cat(tracker_, table_, {}, {}, notifier_, hooks_);
    Select(0, 0);
    EXPECT_EQ(cat.CalibrationRefusal(), kCatTuningNeedsPort);
    port_ = 3;
    EXPECT_EQ(cat.CalibrationRefusal(), kCatTuningNeedsPort);  // CAT off
    tracker_.Tuning().catOn = true;
    EXPECT_EQ(cat.CalibrationRefusal(), "");
    Select(2, 0);
    tracker_.Tuning().catOn = true;
    EXPECT_EQ(cat.CalibrationRefusal(), kCatTuningSsbOnly);

    const QRect screen(0, 0, 1920, 1080);
    const QSize calib(300, 200);
    EXPECT_EQ(CatTuning::CalibrationPosition({100, 100, 400, 300}, calib, screen),
              QPoint(100, 400));
    EXPECT_EQ(CatTuning::CalibrationPosition({100, 800, 400, 200}, calib, screen),
              QPoint(100, 600));
    EXPECT_EQ(CatTuning::CalibrationPosition({1400, 100, 400, 300}, calib, screen),
              QPoint(1100, 100));
    EXPECT_EQ(CatTuning::CalibrationPosition({250, 100, 1500, 300}, calib, screen),
              QPoint(250, 400));
}

TEST_F(CatTuningTest, ManualInputTakesOnlyBandFrequencies) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {{"145900", true},   {"144000", true},  {"143999.999", false}, {"146000", false},
                 {"435000.5", true}, {"1269000", true}, {"x145900", false},    {"", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(CatTuning::ManualFrequency(c.text).has_value(), c.valid) << c.text;
    }
    CatTuning cat(tracker_, table_, {}, {}, notifier_, hooks_);
    EXPECT_FALSE(cat.ExecuteManual("100", "435000"));
    EXPECT_FALSE(cat.ExecuteManual("145900", "500"));
    EXPECT_EQ(notifier_.messages, QStringList({"Please, enter a valid Rx-Frequency!",
                                               "Please, enter a valid Tx-Frequency!"}));
    EXPECT_TRUE(cat.ExecuteManual("145900", ""));
    EXPECT_DOUBLE_EQ(tracker_.Tuning().receive, 145900);
    EXPECT_FALSE(tracker_.Tuning().catOn);
}

TEST_F(CatTuningTest, IntervalsStoreAndReadBack) {
    CatTuning cat(tracker_, table_, dir_.filePath("IntVCat.SQF"), dir_.filePath("IntVCatSSB.SQF"),
                  notifier_, hooks_);
    tracker_.Tuning().ssbIntervalHz = 20;
    tracker_.StepInterval(true, 100);
    EXPECT_EQ(cat.IntervalText(true), "    120");
    ASSERT_TRUE(cat.StoreInterval(true));
    EXPECT_DOUBLE_EQ(ReadSendInterval(dir_.filePath("IntVCatSSB.SQF")), 120);
    EXPECT_FALSE(QFile::exists(dir_.filePath("IntVCat.SQF")));
}

TEST_F(CatTuningTest, DialogListsTheSatellitesEntriesAndDisablesFmButtons) {
    CatTuning cat(tracker_, table_, {}, {}, notifier_, hooks_);
    RecordingTarget target;
    Select(0, 1);
    TSeiten dialog(cat, target, notifier_, {}, [] { return nullptr; });
    dialog.Refresh();
    ASSERT_EQ(dialog.lstFre()->count(), 2);
    EXPECT_EQ(dialog.lstFre()->currentRow(), 1);
    dialog.lstFre()->setCurrentRow(0);
    emit dialog.lstFre()->itemClicked(dialog.lstFre()->item(0));
    EXPECT_EQ(selected_, 0);
    EXPECT_TRUE(dialog.cmdAdjTx()->isEnabled());

    Select(2, 0);
    tracker_.Tuning().vfoMode = false;
    dialog.Refresh();
    EXPECT_FALSE(dialog.cmdCorrStore()->isEnabled());
    EXPECT_FALSE(dialog.cmdAdjTx()->isEnabled());
    EXPECT_EQ(dialog.cmdCancelCalib()->text(), "Cancel Freq. Calibration");
}

}  // namespace
}  // namespace orbivox

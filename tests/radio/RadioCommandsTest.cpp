// The families' command bytes and the Doppler arithmetic, without a port.
#include <gtest/gtest.h>

#include "radio/CatLink.h"
#include "radio/DopplerTracker.h"
#include "radio/RadioFamilies.h"
#include "radio/yaesu/YaesuCommandSet.h"
#include "radio/yaesu2/YaesuIICommandSet.h"
#include "tests/support/LinearTransponder.h"
#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

TEST(YaesuEncoding, FrequencyBlocksAndTheirTexts) {
    struct Case {
        double kHz;
        int opcode;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {145900.00, 0x11, QByteArray::fromHex("1459000011"), "0145900.00"},
        {1268500.00, 0x11, QByteArray::fromHex("C685000011"), "0C68500.00"},
        {435150.125, 0x21, QByteArray::fromHex("4351501321"), "0435150.13"},  // 10 Hz steps
        {29450.00, 0x01, QByteArray::fromHex("0294500001"), "0029450.00"},
    };
    for (const Case& c : cases) {
        const YaesuFrequencyBlock block =
            EncodeYaesuFrequency(c.kHz, static_cast<std::uint8_t>(c.opcode));
        EXPECT_EQ(block.bytes.toHex(' '), c.bytes.toHex(' ')) << c.kHz;
        EXPECT_EQ(block.text, c.text);
        // The readback of those bytes gives the same text and value.
        EXPECT_EQ(YaesuAnswerText(block.bytes), c.text);
        EXPECT_NEAR(YaesuTextKHz(c.text), c.kHz, 0.0051);
    }
    // 10 GHz does not fit the five-byte block: nothing rather than wrong bytes.
    EXPECT_TRUE(EncodeYaesuFrequency(10489675, 0x11).bytes.isEmpty());
    EXPECT_TRUE(YaesuAnswerText(QByteArray::fromHex("1459")).isEmpty());
}

TEST(YaesuIIEncoding, FrequencyCommandsAndModeCodes) {
    const YaesuIIFrequencyCommand fa = EncodeYaesuIIFrequency("FA", 435150.125);
    EXPECT_EQ(fa.bytes, "FA435150125;");
    EXPECT_EQ(fa.text, "435150.125");
    // 64-bit Hz: 2.4 GHz does not wrap around.
    EXPECT_EQ(EncodeYaesuIIFrequency("FB", 2400175).bytes, "FB2400175000;");
    EXPECT_EQ(YaesuIIModeCode("CW", true), "07");
    EXPECT_EQ(YaesuIIModeCode("CW", false), "03");
    EXPECT_EQ(YaesuIIModeCode("USB", false), "02");
    EXPECT_EQ(YaesuIIModeCode("C4FM", true), "0E");
    EXPECT_EQ(YaesuIIModeCode("SSB", false), "");
    EXPECT_EQ(YaesuModeByte("FMN"), 0x88);
    EXPECT_EQ(YaesuModeByte("SSB"), -1);
}

TEST(DopplerArithmetic, ShiftsRoundToTheHertz) {
    // 5 x 435000 / 299792.486 = 7.25502...
    EXPECT_DOUBLE_EQ(DownlinkShiftKHz(5, 435000), 7.255);
    EXPECT_DOUBLE_EQ(UplinkShiftKHz(5, 145900), -2.433);
    EXPECT_DOUBLE_EQ(DownlinkShiftKHz(0, 435000), 0);
}

TEST(DopplerArithmetic, CorrectionModesAndSense) {
    struct Case {
        CorrectionMode mode;
        bool inverting;
        double receive, transmit;
        bool vfoMode = true;  // off: the stored mode rests, both links get their own shift
    };
    // Range rate -5 km/s (approaching): dD = +7.255 at 435000, dU = -2.433 at 145900.
    const Case cases[] = {
        {CorrectionMode::UplinkAndDownlink, true, 435007.255, 145897.567},
        {CorrectionMode::Uplink, true, 435000, 145900 + 7.255 - 2.433},
        {CorrectionMode::Downlink, true, 435000 + 7.255 - 2.433, 145900},
        // Not inverting: the other link's shift is taken the other way round.
        {CorrectionMode::Uplink, false, 435000, 145900 - 7.255 - 2.433},
        {CorrectionMode::Downlink, false, 435000 + 7.255 + 2.433, 145900},
        {CorrectionMode::Uplink, true, 435007.255, 145897.567, false},
        {CorrectionMode::Downlink, false, 435007.255, 145897.567, false},
    };
    for (const Case& c : cases) {
        CatLink link(nullptr, 0);
        DopplerTracker tracker(link, nullptr, {});
        tracker.SatelliteChanged(1, Linear(435000, 145900, c.inverting));
        tracker.Tuning().vfoMode = c.vfoMode;
        tracker.Tuning().correction.mode = c.mode;
        tracker.ComputeDoppler(-5);
        EXPECT_NEAR(tracker.Tuning().receive, c.receive, 1e-9) << static_cast<int>(c.mode);
        EXPECT_NEAR(tracker.Tuning().transmit, c.transmit, 1e-9) << static_cast<int>(c.mode);
    }
}

TEST(DopplerArithmetic, NoUplinkAndNoEntry) {
    CatLink link(nullptr, 0);
    DopplerTracker tracker(link, nullptr, {});
    SelectedTransponder beacon = Linear(145970, 0, false);
    tracker.SatelliteChanged(1, beacon);
    tracker.Tuning().uplinkCalibration[1] = 500;  // VFO mode off scales it by U / D
    tracker.Tuning().vfoMode = false;
    tracker.ComputeDoppler(-5);
    tracker.ComputeDoppler(-5);
    EXPECT_NEAR(tracker.Tuning().receive, 145970 + 2.435 + 0.5, 1e-9);
    EXPECT_EQ(tracker.Tuning().transmit, 0);
    EXPECT_EQ(tracker.FrequencyLine(), " 145972.935 " + QString(11, ' ') + "   ");
    EXPECT_EQ(tracker.ShiftLine(), "    2.435");

    tracker.SatelliteChanged(1, SelectedTransponder{});
    tracker.ComputeDoppler(-5);
    EXPECT_EQ(tracker.Tuning().receive, 0);
    EXPECT_EQ(tracker.Tuning().transmit, 0);
}

// KCT mode needs no port: the macros show what would be sent.
struct KctTracker {
    KctTracker() : tracker(link, MakeCommandSet(RadioFamily::Yaesu, {}), {}) {
        link.kctMacroSink = [this](const QString& macro) { macros << macro; };
        tracker.SatelliteChanged(1, Linear(435150, 145900, true));
        tracker.Tuning().catOn = true;
    }
    CatLink link{nullptr, 0};
    DopplerTracker tracker;
    QStringList macros;
};

TEST(DopplerSending, TheThresholdCountsEqualAsDue) {
    struct Case {
        double moveKHz;
        bool sent;
    };
    for (const Case c : {Case{0.099, false}, Case{0.100, true}, Case{0.101, true}}) {
        KctTracker k;
        TuningState& t = k.tracker.Tuning();
        t.activeThresholdHz = 100;
        t.correction.mode = CorrectionMode::Downlink;
        t.lastSentTarget = 435150.000;
        t.receive = 435150.000 + c.moveKHz;
        t.transmit = 145900;
        k.tracker.SendFrequencies();
        EXPECT_EQ(k.macros.size(), c.sent ? 1 : 0) << c.moveKHz;
    }
    KctTracker k;
    k.tracker.Tuning().receive = 435150.1;
    k.tracker.Tuning().transmit = 145900.25;
    k.tracker.SendFrequencies();
    EXPECT_EQ(k.macros, QStringList{"SF0435150.100 0145900.250"});
}

TEST(DopplerSending, AVfoStepOnAnInvertingTransponder) {
    KctTracker k;
    TuningState& t = k.tracker.Tuning();
    k.tracker.ComputeDoppler(-5);
    t.vfoMode = true;
    k.tracker.ComputeDoppler(-5);
    const double receive = t.receive, transmit = t.transmit;
    ASSERT_TRUE(k.tracker.VfoStep(100));
    EXPECT_NEAR(t.receive, receive + 0.1, 1e-9);
    EXPECT_NEAR(t.transmit, transmit - 0.1, 1e-9);
    EXPECT_EQ(k.macros.size(), 1);

    t.catOn = false;  // with CAT off the steppers do nothing
    EXPECT_FALSE(k.tracker.VfoStep(100));
    EXPECT_NEAR(t.receive, receive + 0.1, 1e-9);
}

TEST(DopplerSending, ADialAnswerBecomesTheVfoOffsetOnlyNearTheTransponder) {
    TuningState t;
    t.lastSentDownlinkText = "0435157.25";
    t.downlinkShift = 7.255;
    const SelectedTransponder s = Linear(435150, 145900, true);
    CompareDialAnswer(t, s, "0435157.25", 435157.25, {});
    EXPECT_FALSE(t.dialMoved);
    CompareDialAnswer(t, s, "0435158.25", 435158.25, {});
    EXPECT_TRUE(t.dialMoved);
    EXPECT_NEAR(t.vfoOffsetHz, 995, 1e-6);  // 8.25 - 7.255 kHz
    // 60 MHz away: remembered, but the offset stays.
    CompareDialAnswer(t, s, "0495150.00", 495150, {});
    EXPECT_EQ(t.lastSentDownlinkText, "0495150.00");
    EXPECT_NEAR(t.vfoOffsetHz, 995, 1e-6);
}

// A radio that keeps 10 Hz steps answers 435157.255 with 435157.26 (or .25): that is what
// was sent, not a turn of the dial; one step beyond it is.
TEST(DopplerSending, AReadbackOfTheSentFrequencyAsTheRadioStoresItIsNoTurn) {
    const struct {
        double answerKHz;
        int stepHz;
        bool turn;
    } cases[] = {
        {435157.255, 1, false},  {435157.26, 10, false}, {435157.25, 10, false},
        {435157.26, 1, true},    {435157.27, 10, true},  {435157.24, 10, true},
        {435158.26, 10, true},   {435157.30, 100, false}, {435157.20, 100, false},
    };
    const SelectedTransponder s = Linear(435150, 145900, true);
    for (const auto& c : cases) {
        TuningState t;
        t.downlinkShift = 7.255;
        NoteSentDownlink(t, "435157.255", 435157.255);
        CompareDialAnswer(t, s, QString::number(c.answerKHz, 'f', 3), c.answerKHz,
                          {false, c.stepHz});
        EXPECT_EQ(t.dialMoved, c.turn) << c.answerKHz << " step " << c.stepHz;
        EXPECT_EQ(t.vfoOffsetHz != 0, c.turn) << c.answerKHz << " step " << c.stepHz;
    }
}

TEST(DopplerOperator, SteppersAndTheDeviationCorrection) {
    KctTracker k;
    TuningState& t = k.tracker.Tuning();
    t.fmIntervalHz = 30;
    k.tracker.StepInterval(false, -100);  // below 0 becomes 0, and takes effect
    EXPECT_EQ(t.fmIntervalHz, 0);
    EXPECT_EQ(t.activeThresholdHz, 0);
    t.ssbIntervalHz = -5;  // a negative value: the stepper does nothing
    k.tracker.StepInterval(true, 10);
    EXPECT_EQ(t.ssbIntervalHz, -5);

    k.tracker.StepCalibration(100);
    EXPECT_EQ(t.CalibrationHz(), 100);
    EXPECT_EQ(t.lastSentTarget, 0);

    // Without a port (KCT mode has none) the deviation correction is refused.
    t.vfoOffsetHz = -1234;
    EXPECT_EQ(k.tracker.CorrectActualDeviation(),
              "A COM port must be selected and CAT functions must be on!");
    SelectedTransponder fm = Linear(435150, 145900, false);
    fm.uplinkMode = "FM";
    k.tracker.SatelliteChanged(1, fm);
    EXPECT_EQ(k.tracker.CorrectActualDeviation(),
              "Function can be used only with SSB transponders!");

    // The store resets the calibration it folded into the uplink.
    k.tracker.CalibrationStored(145900.1);
    EXPECT_EQ(t.CalibrationHz(), 0);
    EXPECT_EQ(k.tracker.Transponder().uplinkKHz, 145900.1);
}

TEST(DopplerOperator, TheCwSwitchSetsAndRestoresTheModes) {
    KctTracker k;
    k.tracker.SetCwSwitch(true);
    EXPECT_EQ(k.macros.last(), "SMCW CW");
    k.tracker.SetCwSwitch(false);
    EXPECT_EQ(k.macros.last(), "SMUSB LSB");
    SelectedTransponder fm = Linear(435150, 145900, false);
    fm.downlinkMode = "FM";
    k.tracker.SatelliteChanged(1, fm);
    EXPECT_FALSE(k.tracker.CwSwitchEnabled());
}

TEST(DopplerArithmetic, ManualFrequencies) {
    EXPECT_TRUE(ValidManualFrequency(145000));
    EXPECT_FALSE(ValidManualFrequency(146000));
    EXPECT_TRUE(ValidManualFrequency(144000));
    EXPECT_TRUE(ValidManualFrequency(435000));
    EXPECT_TRUE(ValidManualFrequency(1299999));
    EXPECT_FALSE(ValidManualFrequency(1300000));
    EXPECT_FALSE(ValidManualFrequency(150000));
}

}  // namespace
}  // namespace orbivox

// Doppler tracking over the real serial path: a SerialPort on the pseudo-terminal of
// `orbivox emulate`, the radio's decoded log read back from the emulator.
#include <gtest/gtest.h>

#include <csignal>

#include "radio/DopplerTracker.h"
#include "radio/RadioFamilies.h"
#include "radio/SerialPort.h"
#include "radio/ToneCommands.h"
#include "radio/yaesu/YaesuFiles.h"
#include "radio/yaesu2/YaesuIIFiles.h"
#include "tests/support/LinearTransponder.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RadioEmulator.h"

namespace orbivox {
namespace {

constexpr int kCatDelayMs = 10;

// The frequency of an emulator's "set ... 435.15726 MHz" line, in kHz.
double LoggedKHz(const QString& line) {
    return line.section(' ', -2, -2).toDouble() * 1000.0;
}

// One radio on an emulator, tracked tick by tick with a range rate the test chooses.
struct EmulatedRadio {
    EmulatedRadio(RadioFamily family, const QString& model, const QStringList& faults,
                  const SelectedTransponder& entry, int catDelayMs = kCatDelayMs)
        : link(&port, catDelayMs),
          emulator(
              QStringList{family == RadioFamily::Yaesu ? "yaesu" : "yaesu2", "--model", model} +
              faults) {
        EXPECT_TRUE(port.Open(emulator.Device(), {9600, false}));
        port.onError = [this](const QString&) { ++errors; };
        emulator.Follow(link);
        CommandSetSettings settings;
        YaesuParameters& yaesu = settings.files.Get<YaesuParameters>();
        yaesu.model = model;
        yaesu = YaesuOpcodesForModel(yaesu);
        settings.files.Get<YaesuIIParameters>().model = model;
        settings.satelliteModeOption = true;
        tracker = std::make_unique<DopplerTracker>(link, MakeCommandSet(family, settings),
                                                   DopplerOptions{});
        TuningState& t = tracker->Tuning();
        t.catOn = true;
        t.fmIntervalHz = t.ssbIntervalHz = 0;  // every tick sends
        tracker->CatOnAtStart();  // as at start with "C+"
        tracker->SatelliteChanged(1, entry);
    }
    void Ticks(int count, double rangeRate, double step = 0) {
        for (int i = 0; i < count; ++i) {
            tracker->ComputeDoppler(rangeRate + i * step);
            tracker->RadioStep();
        }
    }

    SerialPort port;
    CatLink link;
    RadioEmulator emulator;
    std::unique_ptr<DopplerTracker> tracker;
    int errors = 0;
};

TEST(RadioSerialPath, Ft847FollowsTheDownlinkAndAdoptsADialTurn) {
    EmulatedRadio radio(RadioFamily::Yaesu, "FT-847", {}, Linear(435150, 145900));
    radio.Ticks(6, -5);
    const TuningState& t = radio.tracker->Tuning();
    QStringList log = radio.emulator.Log();
    EXPECT_TRUE(log.contains("mode downlink USB")) << log.join('\n').toStdString();
    EXPECT_TRUE(log.contains("mode uplink LSB"));
    const QStringList downlinks = radio.emulator.Lines("set downlink");
    ASSERT_FALSE(downlinks.isEmpty());
    // fD + dD in 10 Hz steps: 435150 + 7.258 (5 km/s x 435150 / 299792.486 = 7.2575...)
    EXPECT_EQ(downlinks.last(), "set downlink 435.15726 MHz");
    EXPECT_EQ(radio.emulator.Lines("set uplink").last(), "set uplink 145.89757 MHz");
    EXPECT_EQ(radio.emulator.Lines("read downlink").size(), 4);  // after the first send
    EXPECT_EQ(t.vfoOffsetHz, 0);

    // The operator turns the dial up by 1 kHz: the next readback adopts it, sends nothing.
    radio.emulator.Signal(SIGUSR2);
    const qsizetype before = radio.emulator.Lines("set downlink").size();
    radio.Ticks(1, -5);
    EXPECT_NEAR(t.vfoOffsetHz, 1000, 10);
    EXPECT_EQ(radio.emulator.Lines("set downlink").size(), before);
    // Tracking goes on from the new offset; the uplink moves down (inverting).
    radio.Ticks(2, -5);
    EXPECT_EQ(radio.emulator.Lines("set downlink").last(), "set downlink 435.15826 MHz");
    EXPECT_EQ(radio.emulator.Lines("set uplink").last(), "set uplink 145.89657 MHz");
    EXPECT_EQ(radio.errors, 0);
}

// A 1 kHz turn of the dial moves D by 1 kHz and U by 1 kHz against it on an inverting
// transponder, with it on a non-inverting one, in every correction mode.
TEST(RadioSerialPath, ADialTurnMovesBothLinksByTheTurnInEveryCorrectionMode) {
    const struct {
        CorrectionMode mode;
        bool inverting;
    } cases[] = {
        {CorrectionMode::UplinkAndDownlink, true}, {CorrectionMode::UplinkAndDownlink, false},
        {CorrectionMode::Uplink, true},            {CorrectionMode::Uplink, false},
        {CorrectionMode::Downlink, true},          {CorrectionMode::Downlink, false},
    };
    for (const auto& c : cases) {
        EmulatedRadio radio(RadioFamily::Yaesu, "FT-847", {}, Linear(435150, 145900, c.inverting));
        radio.tracker->Tuning().correction.mode = c.mode;
        radio.Ticks(4, -5);
        const std::string context = "mode " + std::to_string(static_cast<int>(c.mode)) +
                                    (c.inverting ? " REV\n" : " NOR\n") +
                                    radio.emulator.Log().join('\n').toStdString();
        const double down = LoggedKHz(radio.emulator.Lines("set downlink").last());
        const double up = LoggedKHz(radio.emulator.Lines("set uplink").last());
        radio.emulator.Signal(SIGUSR2);
        radio.Ticks(3, -5);
        EXPECT_NEAR(LoggedKHz(radio.emulator.Lines("set downlink").last()) - down, 1.0, 0.011)
            << context;
        EXPECT_NEAR(LoggedKHz(radio.emulator.Lines("set uplink").last()) - up,
                    c.inverting ? -1.0 : 1.0, 0.011)
            << context;
    }
}

TEST(RadioSerialPath, Ft817SendsTheUplinkEveryThirdTimeAndNothingWhileTransmitting) {
    EmulatedRadio radio(RadioFamily::Yaesu, "FT-817", {}, Linear(435000, 145900));
    EXPECT_EQ(radio.tracker->Tuning().uplinkEvery, 3);
    radio.Ticks(10, -5, 0.01);
    // 9 sends (the first tick only fills the stages): the uplink with the 1st, 4th, 7th.
    EXPECT_EQ(radio.emulator.Lines("set VFO-A").size(), 9)
        << radio.emulator.Log().join('\n').toStdString();
    EXPECT_EQ(radio.emulator.Lines("set VFO-B").size(), 3);

    radio.emulator.Signal(SIGUSR1);  // the microphone's PTT
    const qsizetype sets = radio.emulator.Lines("set VFO").size();
    radio.Ticks(4, -4.9, 0.01);
    EXPECT_EQ(radio.emulator.Lines("set VFO").size(), sets);
    EXPECT_FALSE(radio.emulator.Lines("read transmit status: transmitting").isEmpty());
    radio.emulator.Signal(SIGUSR1);
    radio.Ticks(2, -4.8, 0.01);
    EXPECT_GT(radio.emulator.Lines("set VFO").size(), sets);

    // A turn of the dial becomes the VFO offset here too (after a transmit status query).
    radio.tracker->Tuning().fmIntervalHz = radio.tracker->Tuning().ssbIntervalHz = 0;
    radio.Ticks(1, -4.78);
    radio.emulator.Signal(SIGUSR2);
    radio.Ticks(1, -4.78);
    EXPECT_NEAR(radio.tracker->Tuning().vfoOffsetHz, 1000, 10);
}

// A VFO step sends both links at once; the FT-817 type's uplink goes to the VFO it
// transmits on, and the radio is left receiving on VFO A.
TEST(RadioSerialPath, AnFt817VfoStepPutsTheUplinkOnTheTransmitVfo) {
    EmulatedRadio radio(RadioFamily::Yaesu, "FT-817", {}, Linear(435150, 145900));
    radio.Ticks(3, -5);
    ASSERT_TRUE(radio.tracker->VfoStep(1000));
    radio.tracker->TransmitReceive(true);
    const std::string context = radio.emulator.Log().join('\n').toStdString();
    // 435150 + 7.258 + 1, 145900 - 2.433 - 1 (inverting).
    EXPECT_EQ(radio.emulator.Lines("set VFO-A").last(), "set VFO-A 435.15826 MHz") << context;
    EXPECT_EQ(radio.emulator.Lines("set VFO-B").last(), "set VFO-B 145.89657 MHz") << context;
    EXPECT_EQ(radio.emulator.Lines("toggle VFO").last(), "toggle VFO, now VFO-A") << context;
    EXPECT_EQ(radio.emulator.Lines("transmit").last(), "transmit on VFO-B 145.89657 MHz")
        << context;
}

TEST(RadioSerialPath, YaesuIIModesAndFrequencies) {
    SelectedTransponder entry = Linear(435150, 145900);
    entry.downlinkMode = "CW";
    entry.uplinkMode = "CW";
    EmulatedRadio radio(RadioFamily::YaesuII, "FT-991A", {}, entry);
    radio.Ticks(4, -5);
    const QStringList log = radio.emulator.Log();
    // MD03; for the downlink, MD07; for the uplink between the two swaps.
    const qsizetype first = log.indexOf("mode VFO-A CW-U");
    ASSERT_GE(first, 0) << log.join('\n').toStdString();
    EXPECT_EQ(log.mid(first + 1, 3),
              (QStringList{"swap VFO-A and VFO-B", "mode VFO-A CW-L", "swap VFO-A and VFO-B"}));
    EXPECT_EQ(radio.emulator.Lines("set VFO-A").last(), "set VFO-A 435.157258 MHz");
    EXPECT_FALSE(radio.emulator.Lines("read VFO-A").isEmpty());
}

// An FT-991A keeps 10 Hz: it answers the readback with what it was sent, rounded. Over a
// linear pass in VFO mode every send stays within a step of fD + dD (no drift from taking
// the rounding for the operator's hand); a turn of the dial, one step or 1 kHz, is adopted.
TEST(RadioSerialPath, ARadioThatRoundsToItsStepDoesNotDriftAndADialTurnIsAdopted) {
    for (const int dialStepHz : {10, 1000}) {
        const SelectedTransponder entry = Linear(435150, 145900);
        EmulatedRadio radio(RadioFamily::YaesuII, "FT-991A",
                            {"--round-to", "10", "--dial-step", QString::number(dialStepHz)},
                            entry);
        const TuningState& t = radio.tracker->Tuning();
        radio.Ticks(40, -6, 0.3);  // closing at 6 km/s, receding at 5.7: dD moves 437 Hz a tick
        const std::string context = radio.emulator.Log().join('\n').toStdString();
        ASSERT_GE(radio.emulator.Lines("set VFO-A").size(), 35) << context;
        EXPECT_EQ(t.vfoOffsetHz, 0) << context;
        const double expectedKHz = 435150 + DownlinkShiftKHz(-(-6 + 39 * 0.3), 435150);
        const QString last = radio.emulator.Lines("set VFO-A").last();
        const double sentKHz = LoggedKHz(last);
        EXPECT_NEAR(sentKHz, expectedKHz, 0.010) << last.toStdString();

        radio.emulator.Signal(SIGUSR2);
        radio.Ticks(1, 5.7);
        EXPECT_TRUE(t.dialMoved);
        EXPECT_NEAR(t.vfoOffsetHz, dialStepHz, 6) << dialStepHz;
    }
}

TEST(RadioSerialPath, WithCatDelayZeroTheReadbackStillGetsItsAnswer) {
    // Twice a delay of 0 would give up on the answer at once and never send again.
    EmulatedRadio radio(RadioFamily::Yaesu, "FT-847", {}, Linear(435150, 145900), 0);
    radio.Ticks(6, -5, 0.1);
    EXPECT_EQ(radio.emulator.Lines("read downlink").size(), 4);
    EXPECT_EQ(radio.emulator.Lines("set downlink").size(), 5);
}

TEST(RadioSerialPath, YaesuIISendsNothingWhileTheMicrophoneKeysIt) {
    EmulatedRadio radio(RadioFamily::YaesuII, "FT-991", {}, Linear(435150, 145900));
    radio.Ticks(3, -5, 0.1);
    radio.emulator.Signal(SIGUSR1);
    const qsizetype sets = radio.emulator.Lines("set VFO").size();
    radio.Ticks(3, -4.7, 0.1);
    EXPECT_EQ(radio.emulator.Lines("set VFO").size(), sets);
    EXPECT_EQ(radio.emulator.Lines("read transmit state: TX2").size(), 3);
    radio.emulator.Signal(SIGUSR1);
    radio.Ticks(1, -4.4);
    EXPECT_GT(radio.emulator.Lines("set VFO").size(), sets);
}

TEST(RadioSerialPath, SilentOrGarbledAnswersBlockTheSendWithoutHarm) {
    for (const char* fault : {"--silent", "--garbage"}) {
        for (const QString model : {"FT-847", "FT-817"}) {
            EmulatedRadio radio(RadioFamily::Yaesu, model, {fault}, Linear(435150, 145900));
            radio.Ticks(5, -5, 0.1);
            const QString name = QString(fault) + " " + model;
            // The first send needs no readback (FT-847) or no answer to a transmit check
            // that finds no transmission (FT-817); after it, nothing goes out.
            EXPECT_LE(radio.emulator.Lines("set downlink").size() +
                          radio.emulator.Lines("set VFO-A").size(),
                      2)
                << name.toStdString() << radio.emulator.Log().join('\n').toStdString();
            EXPECT_EQ(radio.errors, 0);
            EXPECT_TRUE(radio.tracker->Tuning().catOn);
        }
    }
}

// Every Yaesu model's tone commands reach the radio as tone commands it knows, with the
// radio's own code or number of the tone: SubTone.SQF's codes are the FT-847's, and the
// FT-736R and the YaesuII radios count their tones otherwise.
TEST(RadioSerialPath, YaesuToneCommandsAreTheRadiosOwn) {
    const struct {
        RadioFamily family;
        const char* model;
        QStringList lines;
    } models[] = {
        {RadioFamily::Yaesu, "FT-847",
         {"tone number 3F", "tone on", "tone number 06", "tone on", "tone off"}},
        {RadioFamily::Yaesu, "FT-736R",
         {"tone number 3E", "tone on", "tone number 2A", "tone on", "tone off"}},
        {RadioFamily::Yaesu, "FT-817",  // on the transmit VFO
         {"tone 67.0 Hz (VFO-B)", "tone on (VFO-B)", "tone 162.2 Hz (VFO-B)", "tone on (VFO-B)",
          "tone off (VFO-B)"}},
        {RadioFamily::YaesuII, "FT-991A",
         {"tone number 000 (67.0 Hz)", "tone encode", "tone number 027 (162.2 Hz)",
          "tone encode", "tone off"}},
    };
    for (const auto& m : models) {
        EmulatedRadio radio(m.family, m.model, {}, Linear(435150, 145900));
        RadioCommandSet& commands = *radio.tracker->Commands();
        ToneSwitch tone({{"TWO", 67.0, 63, 1}, {"TWO", 162.2, 6, 26}});
        tone.SetRadio(&commands, [&](const QList<QByteArray>& bytes) {
            commands.SendTone(radio.link, bytes);
        });
        tone.SatelliteChanged("TWO");
        tone.Click();
        tone.Click();
        const QStringList log = radio.emulator.Log();
        EXPECT_EQ(radio.emulator.Lines("tone"), m.lines) << m.model << '\n'
                                                         << log.join('\n').toStdString();
        EXPECT_TRUE(radio.emulator.Lines("unknown").isEmpty()) << log.join('\n').toStdString();
    }
}

TEST(RadioSerialPath, AnUnpluggedRadioRaisesTheErrorOnce) {
    EmulatedRadio radio(RadioFamily::Yaesu, "FT-847", {"--unplug-after", "6"},
                        Linear(435150, 145900));
    radio.Ticks(8, -5, 0.1);
    EXPECT_TRUE(radio.emulator.Finished(5000));
    EXPECT_EQ(radio.errors, 1);
    EXPECT_TRUE(radio.link.ReadFailed() || !radio.link.HasPort());
    radio.Ticks(2, -5);  // no crash, nothing more
    EXPECT_EQ(radio.errors, 1);
}

}  // namespace
}  // namespace orbivox

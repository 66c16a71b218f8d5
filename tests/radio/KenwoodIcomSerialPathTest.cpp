// Kenwood and Icom radios, and a second radio, over the real serial path: SerialPorts on the
// pseudo-terminals of `orbivox emulate kenwood|icom|yaesu`, the radios' decoded logs read
// back from the emulators.
#include <gtest/gtest.h>

#include <csignal>

#include "radio/DopplerTracker.h"
#include "radio/RadioFamilies.h"
#include "radio/SecondRadio.h"
#include "radio/SerialPort.h"
#include "radio/icom/IcomFiles.h"
#include "radio/kenwood/KenwoodFiles.h"
#include "radio/yaesu/YaesuFiles.h"
#include "tests/support/LinearTransponder.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RadioEmulator.h"

namespace orbivox {
namespace {

constexpr int kCatDelayMs = 15;

// A radio on an emulator's pty.
struct Port {
    explicit Port(const QStringList& args) : emulator(args) {
        EXPECT_TRUE(port.Open(emulator.Device(), {9600, false}));
        port.onError = [this](const QString&) { ++errors; };
        emulator.Follow(link);
    }
    QString Dump() { return emulator.Log().join('\n'); }
    RadioEmulator emulator;
    SerialPort port;
    CatLink link{&port, kCatDelayMs};
    int errors = 0;
};

// Radio 1 tracked tick by tick, optionally with a radio 2.
struct Tracked {
    Tracked(Port& radio1, RadioFamily family, CommandSetSettings settings,
            const SelectedTransponder& entry, SecondRadio* radio2 = nullptr) {
        settings.secondRadio = radio2 != nullptr;
        DopplerOptions options;
        options.secondRadio = radio2 != nullptr;
        tracker = std::make_unique<DopplerTracker>(radio1.link, MakeCommandSet(family, settings),
                                                   options);
        tracker->radio2 = radio2;
        TuningState& t = tracker->Tuning();
        t.catOn = true;
        t.fmIntervalHz = t.ssbIntervalHz = 0;  // every tick sends
        RadioContext context{radio1.link, t, tracker->Transponder()};
        tracker->Commands()->PortOpened(context);
        tracker->CatOnAtStart();
        tracker->SatelliteChanged(1, entry);
    }
    void Ticks(int count, double rangeRate, double step = 0) {
        for (int i = 0; i < count; ++i) {
            tracker->ComputeDoppler(rangeRate + i * step);
            tracker->RadioStep();
        }
    }
    std::unique_ptr<DopplerTracker> tracker;
};

CommandSetSettings Icom(const QString& model, int rx, int tx) {
    CommandSetSettings settings;
    settings.files.Get<IcomModel>() = IcomVfoBytesForModel(IcomModel{model, 0, 0});
    settings.files.Get<IcomParameters>().addressPairs = {{rx, tx}};
    settings.satelliteModeOption = true;
    return settings;
}

// An FT-847 as radio 2: its uplink with opcode $01, on its main band.
SecondRadioSetup Ft847AsRadio2() {
    SecondRadioSetup setup;
    setup.family = RadioFamily::Yaesu;
    setup.files.Get<YaesuParameters>() = {0x01, 0x01, "9600", "FT-847"};
    return setup;
}

TEST(IcomSerialPath, AnIc9700PassAdoptsADialTurnWithEchoWithoutEchoAndWithCollisions) {
    for (const QStringList& bus :
         {QStringList{}, QStringList{"--no-echo"}, QStringList{"--collide"}}) {
        Port radio(QStringList{"icom", "--model", "IC-9700", "--address", "60"} + bus);
        Tracked tracked(radio, RadioFamily::Icom, Icom("IC-9700", 0x60, 0x60),
                        Linear(435150, 145900));
        tracked.Ticks(5, -5);
        const std::string context = bus.join(' ').toStdString() + "\n" + radio.Dump().toStdString();
        EXPECT_FALSE(radio.emulator.Lines("60 satellite mode on").isEmpty()) << context;
        // fD + dD: 435150 + 7.258 (5 km/s x 435150 / 299792.486 = 7.2575...).
        EXPECT_EQ(radio.emulator.Lines("60 set frequency 435.").last(),
                  "60 set frequency 435.157258 MHz")
            << context;
        EXPECT_EQ(radio.emulator.Lines("60 set frequency 145.").last(),
                  "60 set frequency 145.897567 MHz");
        EXPECT_GE(radio.emulator.Lines("60 read frequency").size(), 3);

        radio.emulator.Signal(SIGUSR2);  // the dial, up 1 kHz
        tracked.Ticks(1, -5);
        EXPECT_NEAR(tracked.tracker->Tuning().vfoOffsetHz, 1000, 10) << context;
        tracked.Ticks(2, -5);
        EXPECT_EQ(radio.emulator.Lines("60 set frequency 145.").last(),
                  "60 set frequency 145.896567 MHz")
            << context;
        EXPECT_EQ(radio.errors, 0);
    }
}

TEST(IcomSerialPath, AnIc7000SendsTheUplinkEveryThirdTimeAndNothingWhileTransmitting) {
    Port radio(QStringList{"icom", "--model", "IC-7000", "--address", "70"});
    Tracked tracked(radio, RadioFamily::Icom, Icom("IC-7000", 0x70, 0x70), Linear(435000, 145900));
    EXPECT_EQ(tracked.tracker->Tuning().uplinkEvery, 3);
    tracked.Ticks(7, -5, 0.01);
    // 6 sends: the uplink with the 1st and the 4th, on VFO B between two VFO A selections.
    const std::string context = radio.Dump().toStdString();
    EXPECT_EQ(radio.emulator.Lines("70 set frequency 435.").size(), 6) << context;
    EXPECT_EQ(radio.emulator.Lines("70 set frequency 145.").size(), 2) << context;
    const QStringList log = radio.emulator.Log();
    const qsizetype up = log.indexOf(radio.emulator.Lines("70 set frequency 145.").first());
    EXPECT_EQ(log.mid(up - 1, 3).first(), "70 select VFO 01");
    EXPECT_EQ(log.mid(up - 1, 3).last(), "70 select VFO 00");

    radio.emulator.Signal(SIGUSR1);  // the microphone's PTT
    const qsizetype sets = radio.emulator.Lines("70 set frequency").size();
    tracked.Ticks(3, -4.9, 0.01);
    EXPECT_EQ(radio.emulator.Lines("70 set frequency").size(), sets);
    EXPECT_FALSE(radio.emulator.Lines("70 read transmit state: transmitting").isEmpty());
}

TEST(IcomSerialPath, TwoRadiosOnOnePortTakeTheirOwnFrames) {
    for (const QStringList& bus : {QStringList{}, QStringList{"--collide"}}) {
        Port bus2(QStringList{"icom", "--address", "60,62"} + bus);
        Tracked tracked(bus2, RadioFamily::Icom, Icom("IC-821H", 0x60, 0x62),
                        Linear(435150, 145900));
        tracked.Ticks(4, -5);
        const std::string context = bus2.Dump().toStdString();
        EXPECT_FALSE(bus2.emulator.Lines("60 set frequency 435.").isEmpty()) << context;
        EXPECT_TRUE(bus2.emulator.Lines("60 set frequency 145.").isEmpty()) << context;
        EXPECT_FALSE(bus2.emulator.Lines("62 set frequency 145.").isEmpty()) << context;
        EXPECT_TRUE(bus2.emulator.Lines("62 set frequency 435.").isEmpty());
        EXPECT_TRUE(bus2.emulator.Lines("62 read").isEmpty());
        EXPECT_TRUE(bus2.emulator.Lines("60 satellite mode").isEmpty());
        EXPECT_FALSE(tracked.tracker->Tuning().dialMoved) << context;
    }
}

TEST(SecondRadioSerialPath, IcomReceivesAndAnFt847Transmits) {
    Port receiver(QStringList{"icom", "--model", "IC-9700", "--address", "60"});
    Port transmitter(QStringList{"yaesu", "--model", "FT-847"});
    SecondRadio radio2(Ft847AsRadio2(), transmitter.link);
    radio2.PortOpened();
    Tracked tracked(receiver, RadioFamily::Icom, Icom("IC-9700", 0x60, 0x60),
                    Linear(435150, 145900), &radio2);
    tracked.Ticks(4, -5);
    tracked.tracker->TransmitReceive(true);
    tracked.tracker->TransmitReceive(false);

    const std::string context =
        receiver.Dump().toStdString() + "\n--\n" + transmitter.Dump().toStdString();
    EXPECT_TRUE(receiver.emulator.Lines("60 set frequency 145.").isEmpty()) << context;
    EXPECT_TRUE(receiver.emulator.Lines("60 transmit").isEmpty());
    EXPECT_EQ(receiver.emulator.Lines("60 set frequency 435.").last(),
              "60 set frequency 435.157258 MHz");
    // Opcode 0x01: the FT-847's main band, which is radio 2's uplink.
    EXPECT_EQ(transmitter.emulator.Lines("set downlink").last(), "set downlink 145.89757 MHz")
        << context;
    EXPECT_EQ(transmitter.emulator.Lines("mode downlink").last(), "mode downlink LSB");
    EXPECT_EQ(transmitter.emulator.Lines("CAT on").size(), 1);
    EXPECT_FALSE(transmitter.emulator.Lines("read transmit status").isEmpty());
    const QStringList ptt =
        transmitter.emulator.Lines("transmit") + transmitter.emulator.Lines("receive");
    EXPECT_EQ(ptt, (QStringList{"transmit", "receive"}));
}

// A VFO step sends the uplink at once to the radio that transmits it.
TEST(SecondRadioSerialPath, AVfoStepSendsTheUplinkToRadio2) {
    Port receiver(QStringList{"yaesu", "--model", "FT-847"});
    Port transmitter(QStringList{"yaesu", "--model", "FT-847"});
    SecondRadio radio2(Ft847AsRadio2(), transmitter.link);
    radio2.PortOpened();
    CommandSetSettings settings;
    settings.files.Get<YaesuParameters>() = {0x11, 0x21, "9600", "FT-847"};
    settings.satelliteModeOption = true;
    Tracked tracked(receiver, RadioFamily::Yaesu, settings, Linear(435150, 145900), &radio2);
    tracked.Ticks(3, -5);
    ASSERT_TRUE(tracked.tracker->VfoStep(1000));
    const std::string context =
        receiver.Dump().toStdString() + "\n--\n" + transmitter.Dump().toStdString();
    // 145900 - 2.433 - 1 on radio 2's main band (opcode 01); radio 1 keeps to the downlink.
    EXPECT_EQ(transmitter.emulator.Lines("set downlink").last(), "set downlink 145.89657 MHz")
        << context;
    EXPECT_EQ(receiver.emulator.Lines("set downlink").last(), "set downlink 435.15826 MHz")
        << context;
    EXPECT_TRUE(receiver.emulator.Lines("set uplink").isEmpty()) << context;
}

TEST(SecondRadioSerialPath, GoingFromAVuToAUvSatelliteExchangesTheRadios) {
    RadioEmulator icom(QStringList{"icom", "--model", "IC-9700", "--address", "60"});
    RadioEmulator ft847(QStringList{"yaesu", "--model", "FT-847"});
    SerialPort port1, port2;
    const RadioPortRole radio1{icom.Device(), {19200, false}, RadioFamily::Icom, false, false};
    const RadioPortRole radio2{ft847.Device(), {9600, false}, RadioFamily::Yaesu, false, false};
    ASSERT_TRUE(ReopenPorts(RolesForBandPair(BandPair::VU, radio1, radio2), port1, port2, nullptr));
    CatLink link1{&port1, kCatDelayMs}, link2{&port2, kCatDelayMs};

    CommandSetSettings icomSettings = Icom("IC-9700", 0x60, 0x60);
    icomSettings.secondRadio = true;
    const SecondRadioSetup ft847Setup = Ft847AsRadio2();
    auto second = std::make_unique<SecondRadio>(ft847Setup, link2);
    second->PortOpened();  // an FT-847 takes nothing before its CAT ON
    DopplerOptions options;
    options.secondRadio = true;
    DopplerTracker tracker(link1, MakeCommandSet(RadioFamily::Icom, icomSettings), options);
    tracker.radio2 = second.get();
    TuningState& t = tracker.Tuning();
    t.catOn = true;
    const auto ticks = [&](int count) {
        for (int i = 0; i < count; ++i) {
            tracker.ComputeDoppler(-5);
            tracker.RadioStep();
        }
    };
    tracker.SatelliteChanged(1, Linear(435150, 145900));  // "VU"
    ticks(3);
    EXPECT_FALSE(icom.Lines("60 set frequency 435.", 1).isEmpty());
    EXPECT_FALSE(ft847.Lines("set downlink 145.", 1).isEmpty());

    // A "UV" satellite: the FT-847 now receives on port 1, the Icom transmits on port 2.
    int failed = 0;
    ASSERT_TRUE(ReopenPorts(RolesForBandPair(BandPair::UV, radio1, radio2), port1, port2, &failed));
    EXPECT_EQ(port1.Device(), ft847.Device());
    EXPECT_EQ(port2.Device(), icom.Device());
    tracker.SetCommands(MakeCommandSet(RadioFamily::Yaesu, AsFirstRadio(ft847Setup, icomSettings)));
    second = std::make_unique<SecondRadio>(AsSecondRadio(RadioFamily::Icom, icomSettings), link2);
    tracker.radio2 = second.get();
    second->PortOpened();
    SelectedTransponder uv = Linear(145950, 435200);
    uv.inverting = false;
    tracker.SatelliteChanged(2, uv);
    t.lastSentTarget = 0;
    ticks(3);
    // 145950 + 2.434 (5 km/s) down, 435200 - 7.258 up.
    EXPECT_TRUE(ft847.Logged("set downlink 145.95243 MHz"));
    EXPECT_TRUE(icom.Logged("60 set frequency 435.192742 MHz"));
    const std::string context =
        icom.Log().join('\n').toStdString() + "\n--\n" + ft847.Log().join('\n').toStdString();
    EXPECT_EQ(ft847.Lines("set downlink").last(), "set downlink 145.95243 MHz") << context;
    EXPECT_EQ(icom.Lines("60 set frequency").last(), "60 set frequency 435.192742 MHz") << context;
}

TEST(KenwoodSerialPath, Ts2000PassAndAKenwoodRadio2) {
    Port radio(QStringList{"kenwood", "--model", "TS-2000"});
    CommandSetSettings settings;
    settings.files.Get<KenwoodParameters>() = {"TS-2000", "9600", '1', false};
    Tracked tracked(radio, RadioFamily::Kenwood, settings, Linear(435150, 145900));
    tracked.Ticks(5, -5);
    const std::string context = radio.Dump().toStdString();
    EXPECT_EQ(radio.emulator.Lines("set VFO-A").last(), "set VFO-A 435.157258 MHz") << context;
    EXPECT_EQ(radio.emulator.Lines("set VFO-B").last(), "set VFO-B 145.897567 MHz");
    EXPECT_FALSE(radio.emulator.Lines("satellite control 0110000").isEmpty()) << context;
    EXPECT_GE(radio.emulator.Lines("read VFO-A").size(), 3);
    radio.emulator.Signal(SIGUSR2);
    tracked.Ticks(1, -5);
    EXPECT_NEAR(tracked.tracker->Tuning().vfoOffsetHz, 1000, 10) << radio.Dump().toStdString();
    tracked.tracker->Close(true);
    EXPECT_EQ(radio.emulator.Log().mid(radio.emulator.Log().size() - 2),
              (QStringList{"tone number 39", "satellite mode off"}));

    Port second(QStringList{"kenwood", "--model", "TS-790"});
    SecondRadioSetup setup;
    setup.family = RadioFamily::Kenwood;
    setup.files.Get<KenwoodParameters>().model = "TS-790";
    SecondRadio radio2(setup, second.link);
    radio2.TransmitReceive(true);
    radio2.TransmitReceive(false);
    EXPECT_EQ(second.emulator.Log(),
              (QStringList{"empty command", "transmit", "empty command", "receive"}));
}

// A Kenwood radio 1's entry selection switches the tone off; its mode set-up sets the
// satellite's tone up again, so the radio transmits with it.
TEST(KenwoodSerialPath, TheModeSetUpPutsTheSatellitesToneOn) {
    Port radio(QStringList{"kenwood", "--model", "TS-2000"});
    CommandSetSettings settings;
    settings.files.Get<KenwoodParameters>() = {"TS-2000", "9600", '1', false};
    SelectedTransponder fm = Linear(436795, 145850, false);
    fm.downlinkMode = fm.savedDownlinkMode = fm.uplinkMode = fm.savedUplinkMode = "FM";
    Tracked tracked(radio, RadioFamily::Kenwood, settings, fm);
    RadioCommandSet* commands = tracked.tracker->Commands();
    ToneSwitch tone({{"SO-50", 67.0, 63, 1}});
    tone.SetRadio(commands,
                  [&](const QList<QByteArray>& bytes) { commands->SendTone(radio.link, bytes); });
    tracked.tracker->tone = &tone;
    tone.SatelliteChanged("SO-50");
    tone.Reset();  // as at each entry selection of a Kenwood radio 1
    tracked.Ticks(3, -5);
    tracked.tracker->TransmitReceive(true);
    EXPECT_EQ(radio.emulator.Lines("transmit").last(), "transmit with tone number 01")
        << radio.Dump().toStdString();
    EXPECT_EQ(tone.Label(), "T1");
}

// With VFO mode off (an FM satellite) there is no dial to follow: a radio that never
// answers is not asked, and is tuned on every tick all the same.
TEST(KenwoodIcomSerialPath, AnFmSatelliteIsTunedWithoutReadback) {
    const struct {
        RadioFamily family;
        QStringList args;
        CommandSetSettings settings;
        const char* downlink;
    } radios[] = {
        {RadioFamily::Kenwood, {"kenwood"}, {}, "set VFO-A 436."},
        {RadioFamily::Icom, {"icom", "--address", "60"}, Icom("IC-9700", 0x60, 0x60),
         "60 set frequency 436."},
    };
    for (const auto& r : radios) {
        Port radio(r.args + QStringList{"--silent"});
        SelectedTransponder fm = Linear(436795, 145850, false);
        fm.downlinkMode = fm.savedDownlinkMode = fm.uplinkMode = fm.savedUplinkMode = "FM";
        Tracked tracked(radio, r.family, r.settings, fm);
        const qsizetype selected = radio.emulator.Log().size();  // the band set-up reads once
        tracked.Ticks(5, -5, 0.1);
        const std::string context = radio.Dump().toStdString();
        EXPECT_EQ(radio.emulator.Lines(r.downlink).size(), 4) << context;
        EXPECT_FALSE(radio.emulator.Log().mid(selected).join('\n').contains("read")) << context;
    }
}

TEST(IcomSerialPath, TheToneSwitchCyclesThroughTwoTones) {
    Port radio(QStringList{"icom", "--model", "IC-9700", "--address", "60"});
    CatLink& link = radio.link;
    std::unique_ptr<RadioCommandSet> commands =
        MakeCommandSet(RadioFamily::Icom, Icom("IC-9700", 0x60, 0x60));
    ToneSwitch tone({{"TWO", 67.0, 63, 1}, {"TWO", 141.3, 8, 22}});
    tone.SetRadio(commands.get(),
                  [&](const QList<QByteArray>& bytes) { commands->SendTone(link, bytes); });
    tone.SatelliteChanged("TWO");
    tone.Click();
    tone.Click();
    QStringList toneLines = radio.emulator.Lines("60 tone");
    EXPECT_EQ(toneLines, (QStringList{"60 tone 67.0 Hz", "60 tone on", "60 tone 141.3 Hz",
                                      "60 tone on", "60 tone off"}))
        << radio.Dump().toStdString();
    EXPECT_EQ(tone.Label(), "T0");
    // The tone is set on the transmit VFO, then the receive VFO is selected again.
    EXPECT_EQ(radio.emulator.Lines("60 select VFO").first(), "60 select VFO D1");
    EXPECT_EQ(radio.emulator.Lines("60 select VFO").last(), "60 select VFO D0");
}

TEST(KenwoodIcomSerialPath, SilentGarbledAndUnpluggedRadios) {
    const struct {
        RadioFamily family;
        QStringList args;
        CommandSetSettings settings;
    } radios[] = {
        {RadioFamily::Kenwood, {"kenwood"}, {}},
        {RadioFamily::Icom, {"icom", "--address", "60"}, Icom("IC-9700", 0x60, 0x60)},
    };
    for (const auto& r : radios) {
        for (const char* fault : {"--silent", "--garbage"}) {
            Port radio(r.args + QStringList{fault});
            Tracked tracked(radio, r.family, r.settings, Linear(435150, 145900));
            tracked.Ticks(5, -5, 0.1);
            const std::string context =
                r.args.first().toStdString() + fault + radio.Dump().toStdString();
            // The first send needs no readback; after it nothing goes out.
            const int sends = static_cast<int>(radio.emulator.Lines("set VFO-A").size() +
                                               radio.emulator.Lines("60 set frequency 435").size());
            EXPECT_EQ(sends, 1) << context;
            EXPECT_EQ(radio.errors, 0);
            EXPECT_TRUE(tracked.tracker->Tuning().catOn);
        }
        Port radio(r.args + QStringList{"--unplug-after", "8"});
        Tracked tracked(radio, r.family, r.settings, Linear(435150, 145900));
        tracked.Ticks(8, -5, 0.1);
        EXPECT_TRUE(radio.emulator.Finished(5000));
        EXPECT_EQ(radio.errors, 1) << radio.Dump().toStdString();
        tracked.Ticks(2, -5);
        EXPECT_EQ(radio.errors, 1);
    }
}

}  // namespace
}  // namespace orbivox

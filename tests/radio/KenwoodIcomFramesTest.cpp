// The Kenwood and Icom command bytes, the tone commands and the second radio's roles, taken
// from the command sets without a port (the link records what it would write).
#include <gtest/gtest.h>

#include "radio/RadioFamilies.h"
#include "radio/yaesu/YaesuFiles.h"
#include "radio/yaesu2/YaesuIIFiles.h"
#include "radio/SecondRadio.h"
#include "radio/ToneCommands.h"
#include "radio/icom/IcomCommandSet.h"
#include "radio/icom/IcomFrames.h"
#include "radio/kenwood/KenwoodCommandSet.h"
#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

SelectedTransponder Entry(const QString& downMode, const QString& upMode, bool inverting) {
    SelectedTransponder s;
    s.found = true;
    s.downlinkKHz = 435150;
    s.uplinkKHz = 145900;
    s.downlinkMode = downMode;
    s.uplinkMode = upMode;
    s.inverting = inverting;
    return s;
}

// A command set whose writes are recorded in order.
struct Recorded {
    explicit Recorded(RadioFamily family, const CommandSetSettings& settings,
                      const SelectedTransponder& entry = Entry("USB", "LSB", true))
        : transponder(entry), commands(MakeCommandSet(family, settings)) {
        link.onSend = [this](const QByteArray& bytes) { sent.append(bytes); };
        tuning.vfoMode = true;
    }
    RadioContext Context(bool secondRadio = false) {
        return RadioContext{link, tuning, transponder, true, secondRadio};
    }
    CatLink link{nullptr, 0};
    TuningState tuning;
    SelectedTransponder transponder;
    std::unique_ptr<RadioCommandSet> commands;
    QList<QByteArray> sent;
};

CommandSetSettings IcomSettings(const QString& model, int rx, int tx, bool satelliteOption) {
    CommandSetSettings settings;
    settings.files.Get<IcomModel>() = IcomVfoBytesForModel(IcomModel{model, 0, 0});
    settings.files.Get<IcomParameters>().addressPairs = {{rx, tx}};
    settings.satelliteModeOption = satelliteOption;
    return settings;
}

TEST(IcomFrames, FrequencyModeAndSatelliteFrames) {
    const auto frequency = EncodeIcomFrequency(435150.125);
    ASSERT_TRUE(frequency);
    EXPECT_EQ(IcomFrame(0x60, QByteArray(1, '\x05') + frequency->bytes),
              Hex("FE FE 60 00 05 25 01 15 35 04 FD"));
    EXPECT_EQ(frequency->text, "0435150.125");
    EXPECT_EQ(EncodeIcomFrequency(145900)->bytes, Hex("00 00 90 45 01"));
    // The 10 GHz band still fits the ten digits; 10 GHz and more does not.
    EXPECT_EQ(EncodeIcomFrequency(5760100)->bytes, Hex("00 00 10 60 57"));
    EXPECT_FALSE(EncodeIcomFrequency(10368000));

    // An IC-910H alone on 0x60 with the satellite-mode option: on at start-up and CAT on.
    Recorded ic910(RadioFamily::Icom, IcomSettings("IC-910H", 0x60, 0x60, true));
    RadioContext c = ic910.Context();
    ic910.commands->PortOpened(c);
    ic910.commands->CatOn(c);
    EXPECT_EQ(ic910.sent,
              (QList<QByteArray>{Hex("FE FE 60 00 1A 07 01 FD"), Hex("FE FE 60 00 1A 07 01 FD")}));

    // "CWN" downlink: mode and filter on an IC-9700, the mode alone on an IC-821H.
    for (const auto& [model, frame] :
         {std::pair{"IC-9700", "FE FE 60 00 06 03 02 FD"}, {"IC-821H", "FE FE 60 00 06 03 FD"}}) {
        Recorded radio(RadioFamily::Icom, IcomSettings(model, 0x60, 0x60, false),
                       Entry("CWN", "CWN", true));
        RadioContext context = radio.Context();
        radio.commands->ModeSetup(context);
        EXPECT_TRUE(radio.sent.contains(Hex(frame))) << model;
    }
}

TEST(IcomFrames, TwoRadiosOnOnePortSplitTheFramesByAddress) {
    Recorded radio(RadioFamily::Icom, IcomSettings("IC-9700", 0x60, 0x62, true));
    RadioContext c = radio.Context();
    radio.commands->PortOpened(c);
    radio.commands->CatOn(c);
    EXPECT_TRUE(radio.sent.isEmpty());  // satellite mode stays off
    radio.commands->SetFrequencies(c, 435150.125, 145900);
    QList<int> setTo;
    for (const QByteArray& frame : radio.sent) {
        if (frame[4] == '\x05') {
            setTo.append(static_cast<unsigned char>(frame[2]));
        }
    }
    EXPECT_EQ(setTo, (QList<int>{0x60, 0x62}));
    radio.sent.clear();
    radio.commands->Transmit(c);
    EXPECT_EQ(radio.sent, QList<QByteArray>{Hex("FE FE 62 00 1C 00 01 FD")});
}

TEST(IcomFrames, TheFrequencyAnswerIsFoundWithOrWithoutEchoAmongOtherFrames) {
    const QByteArray echo = Hex("FE FE 60 00 03 FD");
    const QByteArray answer = Hex("FE FE 00 60 03 25 01 15 35 04 FD");
    const QByteArray collision = Hex("FE FE FC FC FC FD");
    const QByteArray otherRadio = Hex("FE FE 00 7E 03 00 40 07 14 00 FD");
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"echo and answer", echo + answer, "0435150.125"},
        {"answer alone (USB radio)", answer, "0435150.125"},
        {"collision and another radio first", echo + collision + otherRadio + answer,
         "0435150.125"},
        {"a frame cut by a collision", echo + Hex("FE FE 00 60 03 25 FE FE") + answer,
         "0435150.125"},
        {"echo only", echo, ""},
        {"answer cut short", echo + answer.left(8), ""},
        {"another radio's answer only", otherRadio, ""},
        {"not packed digits", Hex("FE FE 00 60 03 2A 01 15 35 04 FD"), ""},
        {"four bytes of frequency", Hex("FE FE 00 60 03 01 15 35 04 FD"), ""},
        {"garbage", QByteArray("\xFF?\xFF", 3), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IcomFrequencyAnswer(c.bytes, 0x60), c.text) << c.name;
    }
}

TEST(KenwoodCommands, FrequenciesControlStringsAndModes) {
    EXPECT_EQ(EncodeKenwoodFrequency("FA", 435150.125, true).bytes, "FA00435150120;");
    EXPECT_EQ(EncodeKenwoodFrequency("FA", 435150.125).bytes, "FA00435150125;");
    EXPECT_EQ(EncodeKenwoodFrequency("FA", 145900).text, "00145900.000");
    EXPECT_EQ(KenwoodAnswerText("?;FA00435150125;"), "00435150.125");
    EXPECT_EQ(KenwoodAnswerText("FA0043515;"), "");
    EXPECT_EQ(KenwoodAnswerText("FA0043515x125;"), "");

    CommandSetSettings settings;
    settings.files.Get<KenwoodParameters>() = {"TS-2000", "9600", '1', true};
    settings.satelliteModeOption = true;
    Recorded ts2000(RadioFamily::Kenwood, settings);
    RadioContext c = ts2000.Context();
    ts2000.commands->ModeSetup(c);
    EXPECT_EQ(ts2000.sent, (QList<QByteArray>{"AI2;", "SA1110110;", "MD2;", "SA1111110;", "MD1;",
                                              "SA1110110;"}));

    // "Others" sends both frequencies with "FA", the uplink last; a mode word outside the
    // table sends the previous digit again.
    settings.files.Get<KenwoodParameters>().model = "Others";
    Recorded others(RadioFamily::Kenwood, settings, Entry("FM", "PKT", false));
    RadioContext o = others.Context();
    others.commands->SetFrequencies(o, 435150.125, 145900);
    EXPECT_EQ(others.sent, (QList<QByteArray>{"FA00435150125;", "FA00145900000;"}));
    others.sent.clear();
    others.tuning.vfoMode = false;
    others.commands->ModeSetup(o);
    EXPECT_EQ(others.sent, (QList<QByteArray>{"AI0;", "MD4;", "FW0001;", "MD4;"}));
}

// The command set of a model, with its (transmit) address for an Icom radio.
std::unique_ptr<RadioCommandSet> Radio(RadioFamily family, const QString& model, int address = 0) {
    CommandSetSettings settings;
    settings.files.Get<YaesuParameters>().model = model;
    settings.files.Get<YaesuIIParameters>().model = model;
    settings.files.Get<KenwoodParameters>().model = model;
    settings.files.Get<IcomModel>().model = model;
    settings.files.Get<IcomParameters>().addressPairs = {{address, address}};
    return MakeCommandSet(family, settings);
}

std::optional<QList<QByteArray>> ToneCommands(RadioFamily family, const QString& model, int address,
                                              bool on, const ToneEntry& entry, QString* refusal) {
    return Radio(family, model, address)->ToneCommands(on, entry, refusal);
}

TEST(ToneCommands, EachFamilysBytesAndTheRangeCheck) {
    const ToneEntry tone{"SO-50", 67.0, 63, 1};
    const auto bytes = [&](RadioFamily family, const QString& model, const ToneEntry& entry) {
        return ToneCommands(family, model, 0x62, true, entry, nullptr).value_or(QList<QByteArray>{});
    };
    EXPECT_EQ(
        bytes(RadioFamily::Icom, "IC-9700", tone),
        (QList<QByteArray>{Hex("FE FE 62 00 1B 00 00 06 70 FD"), Hex("FE FE 62 00 16 42 01 FD")}));
    EXPECT_EQ(bytes(RadioFamily::Kenwood, "TS-2000", tone), (QList<QByteArray>{"TN01;", "TO1;"}));
    EXPECT_EQ(bytes(RadioFamily::YaesuII, "FT-991A", tone),
              (QList<QByteArray>{"CN00000;", "CT02;"}));
    EXPECT_EQ(bytes(RadioFamily::Yaesu, "FT-847", tone),
              (QList<QByteArray>{Hex("3F 00 00 00 2B"), Hex("4A 00 00 00 2A")}));
    EXPECT_EQ(bytes(RadioFamily::Yaesu, "FT-817", {"X", 88.5, 0, 0}),
              (QList<QByteArray>{Hex("08 85 08 85 0B"), Hex("4A 00 00 00 0A")}));

    // Out of range: nothing is sent, and the reason names the satellite and the value.
    for (const ToneEntry& bad : {ToneEntry{"X", 59.9, 63, 1}, ToneEntry{"X", 1000.0, 63, 1},
                                 ToneEntry{"X", -67.0, 63, 1}}) {
        QString refusal;
        EXPECT_FALSE(ToneCommands(RadioFamily::Icom, "IC-9700", 0x60, true, bad, &refusal));
        EXPECT_TRUE(refusal.startsWith("Tone of X not sent")) << refusal.toStdString();
    }
    EXPECT_FALSE(
        ToneCommands(RadioFamily::Kenwood, "TS-2000", 0, true, {"X", 67, 63, 99}, nullptr));
    EXPECT_FALSE(ToneCommands(RadioFamily::Yaesu, "FT-847", 0, true, {"X", 67, 300, 1}, nullptr));
    // A tone the radio does not have, for the radios that find theirs by the Hz.
    for (const char* model : {"FT-736R", "FT-991A"}) {
        QString refusal;
        const RadioFamily family =
            QString(model) == "FT-736R" ? RadioFamily::Yaesu : RadioFamily::YaesuII;
        EXPECT_FALSE(ToneCommands(family, model, 0, true, {"X", 67.5, 63, 1}, &refusal));
        EXPECT_EQ(refusal, QString("Tone of X not sent: the %1 has no 67.5 Hz tone").arg(model));
    }
    // Switching off needs no value.
    EXPECT_EQ(ToneCommands(RadioFamily::Icom, "IC-9700", 0x60, false, {"X", 999, -1, -1}, nullptr)
                  ->first(),
              Hex("FE FE 60 00 16 42 00 FD"));
}

TEST(ToneSwitch, CyclesThroughTheSatellitesTonesAndReportsABadToneOnce) {
    ToneSwitch tone({{"TWO", 67.0, 63, 1}, {"TWO", 141.3, 8, 22}, {"BAD", 67.0, 63, 99}});
    QList<QByteArray> sent;
    const auto ts2000 = Radio(RadioFamily::Kenwood, "TS-2000");
    tone.SetRadio(ts2000.get(),
                  [&](const QList<QByteArray>& commands) { sent += commands; });
    QStringList refused;
    tone.onRefused = [&](const QString& text) { refused << text; };

    tone.SatelliteChanged("NONE");
    EXPECT_EQ(tone.Label(), "T0");
    EXPECT_EQ(sent, QList<QByteArray>{"TO0;"});  // no entry: tone off
    sent.clear();
    tone.SatelliteChanged("TWO");
    EXPECT_EQ(tone.Label(), "T1");
    QStringList labels;
    for (int i = 0; i < 3; ++i) {
        tone.Click();
        labels << tone.Label();
    }
    EXPECT_EQ(labels, (QStringList{"T2", "T0", "T1"}));
    EXPECT_EQ(sent, (QList<QByteArray>{"TN01;", "TO1;", "TN22;", "TO1;", "TO0;", "TN39;", "TN01;",
                                       "TO1;"}));

    sent.clear();
    tone.SatelliteChanged("BAD");
    tone.Click();
    tone.Click();  // 0 -> 1 again: still out of range, not reported again
    EXPECT_TRUE(sent.contains("TO0;"));
    EXPECT_FALSE(sent.contains("TN01;"));
    EXPECT_EQ(refused.size(), 1);
}

TEST(SecondRadioRoles, ExchangeAddressesAndAntennaLine) {
    const RadioPortRole icom{"/dev/ttyUSB0", {19200, false}, RadioFamily::Icom, true, false};
    const RadioPortRole yaesu{"/dev/ttyUSB1", {9600, false}, RadioFamily::Yaesu, false, true};
    const PortRoles uv = RolesForBandPair(BandPair::UV, icom, yaesu);
    EXPECT_EQ(uv.port1.device, "/dev/ttyUSB1");
    EXPECT_EQ(uv.port1.line.baud, 9600);
    EXPECT_EQ(uv.port1.family, RadioFamily::Yaesu);
    EXPECT_EQ(uv.port2.device, "/dev/ttyUSB0");
    EXPECT_EQ(RolesForBandPair(BandPair::VU, icom, yaesu).port1.device, "/dev/ttyUSB0");

    const struct {
        bool enabled;
        BandPair from, to;
        int ticks;
        bool due;
    } cases[] = {
        {true, BandPair::VU, BandPair::UV, 0, true},   // to "UV" at once
        {true, BandPair::UV, BandPair::VU, 2, false},  // to "VU" not before the third tick
        {true, BandPair::UV, BandPair::VU, 3, true},
        {true, BandPair::VU, BandPair::VU, 9, false},  // no band pair change
        {false, BandPair::VU, BandPair::UV, 9, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExchangeDue(c.enabled, c.from, c.to, c.ticks), c.due) << c.ticks;
    }
    EXPECT_EQ(AddressPairForBandPair(BandPair::UV, {0x60, 0x62}), (IcomAddressPair{0x62, 0x60}));
    EXPECT_EQ(AddressPairForBandPair(BandPair::VU, {0x60, 0x62}), (IcomAddressPair{0x60, 0x62}));
    EXPECT_TRUE(AntennaDtrFor(BandPair::UV));
    EXPECT_FALSE(AntennaDtrFor(BandPair::VU));
}

}  // namespace
}  // namespace orbivox

// The Radio Setup's rules on a copy of the bundled configuration: the port and delay checks,
// the Icom address stepping, what Store writes (every file in order, only its own lines of
// SatIni.SQF and SatStart.SQF), a failure in the middle, and the port map entry.
#include "radio/RadioSetup.h"
#include "radio/yaesu/YaesuFiles.h"
#include "radio/kenwood/KenwoodFiles.h"
#include "radio/icom/IcomFiles.h"

#include <gtest/gtest.h>

#include <QDir>

#include "radio/PortMap.h"
#include "settings/SqfFile.h"
#include "tests/support/BundledData.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

class RadioSetupTest : public BundledConfiguration {
protected:
    void SetUp() override {
        BundledConfiguration::SetUp();
        // A SatIni.SQF with a line 15 and a further line that Store must keep.
        WriteBytes(Cfg("SatIni.SQF"),
                   "100\r\nJN58TD\r\n11.5\r\n48.1\r\n3\r\n50\r\n2\r\n10\r\nN\r\n-3\r\n0\r\n0\r\n"
                   "auto\r\n*.txt\r\n\\Keps\\\r\nextra\r\n");
        setup_.Load();
    }
    QString Cfg(const QString& name) const { return folders_.ConfigFile(name); }

    RecordingNotifier notifier_;
    RadioSetup setup_{folders_, notifier_};
};

TEST_F(RadioSetupTest, PortAndDelayTakeOnlyWholeNumbersInRange) {
    struct Case {
        RadioSetupRow row;
        const char* text;
        bool taken;
    };
    const Case cases[] = {
        {RadioSetupRow::Port, "0", true},
        {RadioSetupRow::Port, " 99 ", true},
        {RadioSetupRow::Port, "100", false},
        {RadioSetupRow::Port, "-1", false},
        {RadioSetupRow::Port, "x5", false},
        {RadioSetupRow::Port, "", false},
        {RadioSetupRow::CatDelay, "2000", true},
        {RadioSetupRow::CatDelay, "2001", false},
        {RadioSetupRow::CatDelay, "x5", false},
        {RadioSetupRow::CatDelay, "5x", false},
        {RadioSetupRow::CatDelay, "99999999999", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString before = setup_.RowValue(c.row);
        const int beeps = notifier_.beeps;
        EXPECT_EQ(setup_.EditRow(c.row, c.text), c.taken);
        EXPECT_EQ(notifier_.beeps, beeps + (c.taken ? 0 : 1));
        EXPECT_EQ(setup_.RowValue(c.row), c.taken ? QString(c.text).trimmed() : before);
    }
    EXPECT_FALSE(setup_.EditRadio2Port("100"));
    EXPECT_TRUE(setup_.EditRadio2Port("7"));
}

TEST_F(RadioSetupTest, IcomAddressesStepWrappingAndGoBackIntoTheList) {
    setup_.Values().radio1Files.Get<IcomParameters>().addressPairs = {{0xA2, 0xA2}, {0x60, 0x00}};
    setup_.SelectPair(1);
    setup_.StepReceive(+1);
    setup_.StepTransmit(-1);
    EXPECT_EQ(setup_.EditedPairText(), " $61    $FF");
    EXPECT_EQ(setup_.PairTexts()[1], " $60    $00");  // not yet put back
    setup_.AcceptPair();
    EXPECT_EQ(setup_.PairTexts(), QStringList({" $A2    $A2", " $61    $FF"}));
    EXPECT_EQ(setup_.SelectedPair(), 1);

    setup_.Values().radio2Files.Get<SecondIcomParameters>().address = 0xFF;
    setup_.StepRadio2Address(+1);
    EXPECT_EQ(setup_.Radio2AddressText(), " $00");
}

TEST_F(RadioSetupTest, StoreWritesEveryFileAndKeepsOtherLines) {
    const QByteArray satStartBefore = ReadBytes(Cfg("SatStart.SQF"));
    setup_.ChooseRadio1(RadioFamily::Yaesu);
    ASSERT_TRUE(setup_.Choose(RadioFamily::Yaesu, RadioSetupItem::Model, 1, "FT-736R"));
    ASSERT_TRUE(setup_.Choose(RadioFamily::Kenwood, RadioSetupItem::Trace, 1, "TraceOn"));
    EXPECT_FALSE(setup_.Choose(RadioFamily::Kenwood, RadioSetupItem::BaudRate, 2, "19200"));
    ASSERT_TRUE(setup_.EditRow(RadioSetupRow::Port, "4"));
    ASSERT_TRUE(setup_.EditRow(RadioSetupRow::CatDelay, "80"));
    setup_.Values().lines.dtrRadio1 = true;
    setup_.Values().kctTuner = true;
    setup_.Values().satelliteMode = true;
    setup_.ChooseRadio2(RadioFamily::Kenwood);
    ASSERT_TRUE(setup_.EditRadio2Port("5"));
    ASSERT_TRUE(setup_.Choose(RadioFamily::Kenwood, RadioSetupItem::SatelliteMemory, 2, "2"));
    std::optional<std::pair<bool, bool>> flags;
    setup_.onStartFlagsStored = [&](bool kct, bool sat) { flags = {kct, sat}; };

    ASSERT_TRUE(setup_.Store());
    EXPECT_EQ(notifier_.messages, QStringList{kRadioSetupRestart});

    const QStringList satIni = ReadSqfLines(Cfg("SatIni.SQF"));
    EXPECT_EQ(satIni.mid(4, 2), QStringList({"4", "80"}));
    EXPECT_EQ(satIni.mid(13), QStringList({"*.txt", "\\Keps\\", "extra"}));
    QStringList satStart = ReadSqfLines(Cfg("SatStart.SQF"));
    EXPECT_EQ(satStart[10], "+");
    EXPECT_EQ(satStart[15], "+");
    satStart[10] = satStart[15] = "-";
    EXPECT_EQ(satStart.join("\r\n") + "\r\n", QString::fromLatin1(satStartBefore));
    EXPECT_EQ(flags, std::make_pair(true, true));

    EXPECT_EQ(ReadRadio1Family(Cfg("TRX.SQF")), RadioFamily::Yaesu);
    const YaesuParameters yaesu = ReadYaesuParameters(Cfg("YaesuPar.SQF"));
    EXPECT_EQ(yaesu.model, "FT-736R");
    EXPECT_EQ(yaesu.downlinkOpcode, 0x1E);  // the model's opcodes come with it
    EXPECT_TRUE(ReadKenwoodParameters(Cfg("KenwoodPar.SQF")).traceOn);
    EXPECT_TRUE(ReadPortLines(Cfg("RTS12.SQF")).dtrRadio1);
    const SecondRadioSettings radio2 = ReadSecondRadioSettings(Cfg("Radio2/TRX_Semi.SQF"));
    EXPECT_EQ(radio2.family, RadioFamily::Kenwood);
    EXPECT_EQ(radio2.port, 5);
    EXPECT_EQ(ReadKenwoodParameters(Cfg("Radio2/KenwoodParSemi.SQF")).satelliteMemory, '2');

    RadioSetup again(folders_, notifier_);
    again.Load();
    EXPECT_EQ(again.Values().port, 4);
    EXPECT_EQ(again.Values().catDelayMs, 80);
    EXPECT_TRUE(again.Values().kctTuner);
}

TEST_F(RadioSetupTest, Radio2NoneStoresPortZeroAndLeavesItsFamilyFiles) {
    setup_.ChooseRadio2(RadioFamily::Icom);
    ASSERT_TRUE(setup_.EditRadio2Port("6"));
    setup_.ChooseRadio2(RadioFamily::None);
    EXPECT_FALSE(setup_.Radio2DtrUsable());
    QFile::remove(Cfg("Radio2/IcomParSemi.SQF"));
    ASSERT_TRUE(setup_.Store());
    EXPECT_EQ(ReadSecondRadioSettings(Cfg("Radio2/TRX_Semi.SQF")).port, 0);
    EXPECT_FALSE(QFile::exists(Cfg("Radio2/IcomParSemi.SQF")));
}

TEST_F(RadioSetupTest, BothIcomExplainsTheSingleInterface) {
    setup_.ChooseRadio1(RadioFamily::Icom);
    setup_.ChooseRadio2(RadioFamily::Icom);
    ASSERT_EQ(notifier_.messages.size(), 1);
    EXPECT_TRUE(notifier_.messages[0].startsWith(
        "The program will steer 2 Icom radios via a single CAT interface\r"));
}

TEST_F(RadioSetupTest, AFailureInTheMiddleNamesTheFileAndKeepsWhatWasWritten) {
    ASSERT_TRUE(setup_.EditRow(RadioSetupRow::Port, "9"));
    setup_.ChooseRadio1(RadioFamily::Kenwood);
    const QByteArray kenwoodBefore = ReadBytes(Cfg("KenwoodPar.SQF"));
    // A folder where YaesuIIPar.SQF should be: the rename onto it fails.
    ASSERT_TRUE(QFile::remove(Cfg("YaesuIIPar.SQF")));
    ASSERT_TRUE(QDir().mkdir(Cfg("YaesuIIPar.SQF")));
    setup_.Values().radio1Files.Get<KenwoodParameters>().traceOn = !setup_.Values().radio1Files.Get<KenwoodParameters>().traceOn;

    EXPECT_FALSE(setup_.Store());
    ASSERT_EQ(notifier_.texts.size(), 1);
    EXPECT_TRUE(notifier_.texts[0].contains("YaesuIIPar.SQF")) << notifier_.texts[0].toStdString();
    EXPECT_EQ(ReadSqfLines(Cfg("SatIni.SQF"))[4], "9");
    EXPECT_EQ(ReadRadio1Family(Cfg("TRX.SQF")), RadioFamily::Kenwood);
    EXPECT_EQ(ReadBytes(Cfg("KenwoodPar.SQF")), kenwoodBefore);
}

TEST_F(RadioSetupTest, ATypedDeviceGoesIntoThePortMapKeepingItsComments) {
    EXPECT_EQ(setup_.DeviceFor(3), "/dev/ttyUSB2");
    setup_.SetDevice(3, " /dev/pts/7 ");
    EXPECT_EQ(setup_.DeviceFor(3), "/dev/pts/7");
    ASSERT_TRUE(setup_.Store());
    EXPECT_EQ(ReadPortMap(Cfg("ComPorts.SQF")), (PortMap{{3, "/dev/pts/7"}}));

    StorePortMapEntry(Cfg("ComPorts.SQF"), 3, "/dev/ttyACM0");
    const QStringList lines = ReadSqfLines(Cfg("ComPorts.SQF"));
    EXPECT_TRUE(lines[0].startsWith(';'));
    EXPECT_EQ(lines.filter("3=").size(), 1);
    EXPECT_EQ(ReadPortMap(Cfg("ComPorts.SQF")).value(3), "/dev/ttyACM0");
}

}  // namespace
}  // namespace orbivox

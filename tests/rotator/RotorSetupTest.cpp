// The Rotor Setup's rules on a scratch configuration folder: choosing and searching a
// server, the checks of the "Settings:" rows, what Store writes (and what it keeps), the
// positioning options and the hints menu.
#include "rotator/RotorSetup.h"

#include <gtest/gtest.h>

#include <QDir>

#include "rotator/ManualRotor.h"
#include "settings/SqfFile.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

class RotorSetupTest : public ScratchFolder {
protected:
    void SetUp() override {
        folders_.programFolder = Path("program/");
        folders_.configDataFolder = Path("cfg/");
        QDir().mkpath(folders_.programFolder);
        QDir().mkpath(folders_.configDataFolder);
        Cfg("AlleServer.SQF",
            "None,none\r\nDDE,none\r\nHamlib rotctld,..\\lib\\RotctldSrv\r\n"
            "Rotor X,C:\\Rot\\RotX.EXE\r\n");
        Cfg("RotorInterface.SQF", "0\r\n");
        Cfg("Decimals.SQF", "1\r\n");
        Cfg("AntKorr.SQF", " 1.00000000000000E+0000\r\n-2.60000000000000E+0000\r\n");
        Cfg("SatIni.SQF",
            "100\r\nJN58TD\r\n11.5\r\n48.1\r\n3\r\n50\r\n2\r\n10\r\nN\r\n-3\r\n0\r\n0\r\n"
            "auto\r\n*.txt\r\n\\Keps\\\r\nextra\r\n");
        Cfg("SatStart.SQF", "R-\r\n+\r\n+\r\n-\r\n+\r\n");
        setup_.Load(false, {0x378, 0x278});
    }
    void Cfg(const char* name, const QByteArray& bytes) {
        WriteBytes(folders_.ConfigFile(name), bytes);
    }
    QByteArray CfgBytes(const char* name) { return ReadBytes(folders_.ConfigFile(name)); }

    Folders folders_;
    RotorSettings settings_;
    RecordingNotifier notifier_;
    RotorSetup setup_{folders_, settings_, notifier_};
};

TEST_F(RotorSetupTest, MissingServerWarnsAndKeepsTheFlagAFoundOneSetsIt) {
    setup_.SelectInterface(2);
    EXPECT_FALSE(setup_.RotorServerFlag());
    EXPECT_TRUE(setup_.SearchEnabled());
    ASSERT_EQ(notifier_.texts.size(), 1);
    EXPECT_EQ(notifier_.texts[0],
              "Server program " + QDir::cleanPath(Path("lib/RotctldSrv")) +
                  " could not be found!\rClick on \"Search\" and search for the program file:\r"
                  "\"RotctldSrv\",\rMark the file name and click on \"Open\".\r"
                  "Then save filename and path of the server program.");
    QDir().mkpath(Path("lib"));
    WriteBytes(Path("lib/RotctldSrv"), "");
    setup_.SelectInterface(2);
    EXPECT_TRUE(setup_.RotorServerFlag());
    setup_.SelectInterface(1);  // "DDE"
    EXPECT_FALSE(setup_.RotorServerFlag());
    setup_.SelectInterface(7);  // no such row: nothing changes
    EXPECT_EQ(setup_.InterfaceIndex(), 1);
}

TEST_F(RotorSetupTest, SearchKeepsLinuxNamesWholeAndCutsOnlyExe) {
    setup_.SelectInterface(3);
    setup_.SearchResult(QString("/opt/rot/RotX.EXE"));
    EXPECT_EQ(setup_.Entries()[3].serverPath, "/opt/rot/RotX");
    setup_.SearchResult(QString("/usr/lib/orbivox32/GS232Srv"));
    EXPECT_EQ(setup_.Entries()[3].serverPath, "/usr/lib/orbivox32/GS232Srv");
    EXPECT_TRUE(setup_.RotorServerFlag());
    notifier_.texts.clear();
    setup_.SearchResult(std::nullopt);
    ASSERT_EQ(notifier_.texts.size(), 1);
    EXPECT_TRUE(notifier_.texts[0].startsWith("The server file could not be found!\r"));
}

TEST_F(RotorSetupTest, RowsTakeWholeValuesInRange) {
    struct Case {
        RotorSetupRow row;
        const char* text;
        bool taken;
        const char* stored;
    };
    const Case cases[] = {
        {RotorSetupRow::ParallelPort, "4", true, "4"},
        {RotorSetupRow::ParallelPort, "5", false, "4"},
        {RotorSetupRow::ParallelPort, "12", false, "4"},
        {RotorSetupRow::Delay, " 25 ", true, "25"},
        {RotorSetupRow::Delay, "x5", false, "25"},
        {RotorSetupRow::Delay, "", true, "0"},  // becomes "0", with the hint
        {RotorSetupRow::TurningPoint, "s", true, "S"},
        {RotorSetupRow::TurningPoint, "E", false, "S"},
        {RotorSetupRow::MinimumElevation, "-5", true, "-5"},
        {RotorSetupRow::MinimumElevation, "x5", false, "-5"},
        {RotorSetupRow::MinimumElevation, "-91", false, "-5"},
        {RotorSetupRow::MinimumElevation, "5-", false, "-5"},
        {RotorSetupRow::MinimumElevation, "2.5", true, "2.5"},
    };
    for (const Case& c : cases) {
        const int beeps = notifier_.beeps;
        EXPECT_EQ(setup_.EditRow(c.row, c.text), c.taken) << c.text;
        EXPECT_EQ(setup_.RowValue(c.row), c.stored) << c.text;
        EXPECT_EQ(notifier_.beeps, beeps + (c.taken ? 0 : 1)) << c.text;
        EXPECT_EQ(setup_.CorrectionHintShown(), !c.taken || QString(c.text).isEmpty()) << c.text;
    }
    EXPECT_EQ(setup_.RowTexts()[0], "12");  // the row shows what was typed
    EXPECT_EQ(settings_.turningPoint, QChar('S'));
    EXPECT_EQ(settings_.minElevation, 2.5);
    EXPECT_EQ(setup_.PortAddressText(), "$0000");  // port 4: ParPort.SQF lists two
    setup_.EditRow(RotorSetupRow::ParallelPort, "2");
    EXPECT_EQ(setup_.PortAddressText(), "$0278");
}

TEST_F(RotorSetupTest, StoreWritesItsFilesAndKeepsOtherLines) {
    setup_.SelectInterface(1);
    setup_.EditRow(RotorSetupRow::MinimumElevation, "-2");
    settings_.corrections = {-2.6, 1.4};
    setup_.SetDecimals(2);
    setup_.Store();
    const QStringList satIni = ReadSqfLines(folders_.ConfigFile("SatIni.SQF"));
    ASSERT_EQ(satIni.size(), 16);
    EXPECT_EQ(satIni.mid(6, 6), (QStringList{"2", "10", "N", "-2", "1", "-3"}));
    EXPECT_EQ(satIni[14], "\\Keps\\");  // line 15 and what follows survive
    EXPECT_EQ(satIni[15], "extra");
    EXPECT_EQ(CfgBytes("SatStart.SQF"), "R-\r\n+\r\n+\r\n-\r\n+\r\n");
    EXPECT_EQ(CfgBytes("RotorInterface.SQF"), "1\r\n");
    EXPECT_EQ(CfgBytes("Decimals.SQF"), "2\r\n");
    EXPECT_EQ(ReadAntennaCorrections(folders_.ConfigFile("AntKorr.SQF")).vertical, -2.6);
    EXPECT_EQ(notifier_.texts.last(), "Restart Orbivox32 when the settings changed!");

    setup_.SelectInterface(3);  // not found: Search
    setup_.SearchResult(QString("/usr/lib/orbivox32/RotctldSrv"));
    setup_.Store();
    EXPECT_EQ(CfgBytes("SatStart.SQF"), "R-\r\n+\r\n+\r\n+\r\n+\r\n");
    EXPECT_EQ(ReadServerPath(folders_.ConfigFile("RotorServer.SQF")),
              "/usr/lib/orbivox32/RotctldSrv");
    EXPECT_EQ(ReadRotorInterfaces(folders_.ConfigFile("AlleServer.SQF"))[3].serverPath,
              "/usr/lib/orbivox32/RotctldSrv");
    EXPECT_TRUE(notifier_.texts.last().contains("will automatically be started by Orbivox32"));

    setup_.SelectInterface(2);
    setup_.Store();
    EXPECT_EQ(ReadServerPath(folders_.ConfigFile("RotorServer.SQF")),
              QDir::cleanPath(Path("lib/RotctldSrv")));
}

TEST_F(RotorSetupTest, PositioningOptionsAndHints) {
    settings_.flip.azimuth450 = true;
    setup_.SetFlipMode(true, true);
    EXPECT_FALSE(settings_.flip.azimuth450);
    ASSERT_EQ(notifier_.texts.size(), 1);
    EXPECT_EQ(notifier_.texts[0],
              "Make sure that your antenna system allows 180 deg. elevation,\r before you select "
              "this option!");
    setup_.SetAzimuth450(true);
    EXPECT_FALSE(settings_.flip.azimuth450);
    setup_.SetFlipMode(false, true);
    setup_.SetAzimuth450(true);
    EXPECT_TRUE(settings_.flip.azimuth450);
    settings_.update.updateMode = 'w';
    setup_.StoreRotorOptions();
    EXPECT_EQ(CfgBytes("Flip.SQF"), "-\r\n+\r\n");
    EXPECT_EQ(ReadRotorUpdateOptions(folders_.ConfigFile("WiRotOpt.SQF")).updateMode, QChar('w'));

    EXPECT_EQ(setup_.HintNames(), (QStringList{"DDE", "Hamlib rotctld", "Rotor X"}));
    EXPECT_EQ(setup_.HintReadmePath(1),
              QDir::cleanPath(Path("lib")) + "/Readme(Hamlib rotctld).txt");
    EXPECT_EQ(setup_.HintReadmePath(2), folders_.programFolder + "Rotor X/Readme(Rotor X).txt");
    EXPECT_TRUE(setup_.HintReadmePath(3).isEmpty());
}

TEST_F(RotorSetupTest, ManualRotorTakesValuesInRangeAndStoresItsFiles) {
    AntennaPositioning positioning;
    std::vector<QString> sent;
    positioning.SetSender(
        [&](const QString& az, const QString& el) { sent.push_back(az + " " + el); });
    positioning.Settings().decimals = 1;
    ManualRotor manual(positioning, folders_, notifier_);
    EXPECT_FALSE(manual.Execute());  // both empty: a beep only
    EXPECT_EQ(notifier_.beeps, 1);
    manual.ElevationEdited("95");  // beeps, not taken
    manual.AzimuthEdited("360");   // taken as 359.9
    EXPECT_EQ(notifier_.beeps, 2);
    EXPECT_TRUE(manual.Execute());
    EXPECT_EQ(sent.back(), "359.9 000.0");

    EXPECT_EQ(manual.VerticalCorrectionText(), " 0.0");
    EXPECT_FALSE(manual.SpinnerEnabled(2));
    manual.SpinElevation(1, -1);
    manual.SpinElevation(2, +1);  // disabled at one decimal
    EXPECT_EQ(manual.VerticalCorrectionText(), " -0.1");
    EXPECT_EQ(sent.size(), 2u);  // the spinner sends the set point again
    manual.SpinAzimuth(0, +1);
    manual.SaveCorrections();
    const QStringList satIni = ReadSqfLines(folders_.ConfigFile("SatIni.SQF"));
    EXPECT_EQ(satIni.mid(10, 2), (QStringList{"1", "0"}));
    EXPECT_EQ(satIni[14], "\\Keps\\");

    EXPECT_FALSE(manual.Park());
    manual.ParkAzimuthEdited("400");  // beeps, kept all the same
    manual.ParkElevationEdited("10");
    EXPECT_TRUE(manual.Park());
    EXPECT_EQ(sent.back(), "041.0 009.9");  // 400 + 1 correction, 10 - 0.1
    manual.SetAutoPark(true);
    manual.SaveParkPosition();
    EXPECT_EQ(CfgBytes("ParkPos.SQF"), "400\r\n10\r\n");
    EXPECT_EQ(CfgBytes("Park.SQF"), "+\r\n");
}

}  // namespace
}  // namespace orbivox

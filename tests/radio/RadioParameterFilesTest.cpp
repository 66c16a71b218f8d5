// The radio parameter files in a scratch folder: written layouts and read-back, Icom address
// columns, opcodes and VFO bytes by model, and bad files named with their line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "radio/PortLines.h"
#include "radio/RadioFamily.h"
#include "radio/TuningFiles.h"
#include "radio/hamlib/HamlibFiles.h"
#include "radio/icom/IcomFiles.h"
#include "radio/kenwood/KenwoodFiles.h"
#include "radio/yaesu/YaesuFiles.h"
#include "radio/yaesu2/YaesuIIFiles.h"
#include "settings/SqfFile.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

using RadioFiles = ScratchFolder;

TEST_F(RadioFiles, WritersProduceTheStoredLayoutAndReadBack) {
    WriteYaesuParameters(Path("YaesuPar.SQF"), {0x1E, 0x2E, "4800", "FT-736R"});
    EXPECT_EQ(Bytes("YaesuPar.SQF"), "$1E\r\n$2E\r\n4800\r\nFT-736R\r\n");
    const YaesuParameters yaesu = ReadYaesuParameters(Path("YaesuPar.SQF"));
    EXPECT_EQ(yaesu.downlinkOpcode, 0x1E);
    EXPECT_EQ(yaesu.uplinkOpcode, 0x2E);
    EXPECT_EQ(yaesu.baudRate, "4800");
    EXPECT_EQ(yaesu.model, "FT-736R");

    WriteYaesuIIParameters(Path("YaesuIIPar.SQF"), {"19200", "FT-991"});
    EXPECT_EQ(ReadYaesuIIParameters(Path("YaesuIIPar.SQF")).model, "FT-991");

    WriteKenwoodParameters(Path("KenwoodPar.SQF"), {"TS-790", "4800", '2', true});
    EXPECT_EQ(Bytes("KenwoodPar.SQF"), "TS-790\r\n4800\r\n2\r\nTraceOn\r\n");
    const KenwoodParameters kenwood = ReadKenwoodParameters(Path("KenwoodPar.SQF"));
    EXPECT_EQ(kenwood.satelliteMemory, QChar('2'));
    EXPECT_TRUE(kenwood.traceOn);

    WriteIcomParameters(Path("IcomPar.SQF"), {"9600", {{0x60, 0x60}, {0x4C, 0xA2}}});
    EXPECT_EQ(Bytes("IcomPar.SQF"), "9600\r\n$60,$60\r\n$4C,$A2\r\n");
    const IcomParameters icom = ReadIcomParameters(Path("IcomPar.SQF"));
    EXPECT_EQ(icom.addressPairs, (QList<IcomAddressPair>{{0x60, 0x60}, {0x4C, 0xA2}}));

    WriteIcomModel(Path("IcomName.SQF"), IcomVfoBytesForModel({"IC-821H", 0, 0}));
    EXPECT_EQ(Bytes("IcomName.SQF"), "IC-821H\r\n$D0\r\n$D1\r\n");

    WriteSecondIcomParameters(Path("IcomParSemi.SQF"), {"19200", 0x7C});
    EXPECT_EQ(ReadSecondIcomParameters(Path("IcomParSemi.SQF")).address, 0x7C);
    WriteSecondIcomModel(Path("IcomNameSemi.SQF"), "IC-910H");
    EXPECT_EQ(ReadSecondIcomModel(Path("IcomNameSemi.SQF")), "IC-910H");

    WriteRadio1Family(Path("TRX.SQF"), RadioFamily::YaesuII);
    EXPECT_EQ(ReadRadio1Family(Path("TRX.SQF")), RadioFamily::YaesuII);
    WriteSecondRadioSettings(Path("TRX_Semi.SQF"), {RadioFamily::Kenwood, 12, true});
    EXPECT_EQ(Bytes("TRX_Semi.SQF"), "Kenwood\r\n12\r\n+\r\n");
    const SecondRadioSettings second = ReadSecondRadioSettings(Path("TRX_Semi.SQF"));
    EXPECT_EQ(second.family, RadioFamily::Kenwood);
    EXPECT_EQ(second.port, 12);
    EXPECT_TRUE(second.autoExchange);

    WritePortLines(Path("RTS12.SQF"), {true, false, false, true});
    EXPECT_EQ(Bytes("RTS12.SQF"), "+\r\n-\r\n-\r\n+\r\n");
    const PortLines lines = ReadPortLines(Path("RTS12.SQF"));
    EXPECT_TRUE(lines.rtsRadio1 && !lines.rtsRadio2 && !lines.dtrRadio1 && lines.dtrRadio2);

    WriteSendInterval(Path("IntVCat.SQF"), 1000);
    EXPECT_EQ(Bytes("IntVCat.SQF"), " 1.00000000000000E+0003\r\n");
    EXPECT_DOUBLE_EQ(ReadSendInterval(Path("IntVCat.SQF")), 1000);

    WriteCorrectionSettings(Path("KorrMod.SQF"),
                            {CorrectionMode::Downlink, FrequencyDisplay::SatelliteFrequency});
    EXPECT_EQ(Bytes("KorrMod.SQF"), "2\r\n1\r\n");
    EXPECT_EQ(ReadCorrectionSettings(Path("KorrMod.SQF")).mode, CorrectionMode::Downlink);
}

TEST_F(RadioFiles, IcomAddressPairsSkipCommentsAndReadTheFixedColumns) {
    Write("IcomPar.SQF", "4800\r\n;receive,transmit\r\n$60,$62 old pair\r\n\r\n096,$7C\r\n");
    const IcomParameters icom = ReadIcomParameters(Path("IcomPar.SQF"));
    EXPECT_EQ(icom.baudRate, "4800");
    EXPECT_EQ(icom.addressPairs, (QList<IcomAddressPair>{{0x60, 0x62}, {96, 0x7C}}));
}

TEST_F(RadioFiles, TheSetupWritesOpcodesAndVfoBytesByModel) {
    const struct {
        const char* model;
        int downlink;
        int uplink;
    } yaesu[] = {{"FT-736R", 0x1E, 0x2E},
                 {"FT-847", 0x11, 0x21},
                 {"FT-817", 0x01, 0x01},
                 {"FT-897", 0x01, 0x01}};
    for (const auto& c : yaesu) {
        const YaesuParameters p = YaesuOpcodesForModel({0, 0, "9600", c.model});
        EXPECT_EQ(p.downlinkOpcode, c.downlink) << c.model;
        EXPECT_EQ(p.uplinkOpcode, c.uplink) << c.model;
    }
    const struct {
        const char* model;
        int sub;
        int main;
    } icom[] = {{"IC-9700", 0xD1, 0xD0},
                {"IC-910H", 0xD1, 0xD0},
                {"IC-820H", 0xD0, 0xD1},
                {"Others", 0x01, 0x00}};
    for (const auto& c : icom) {
        const IcomModel m = IcomVfoBytesForModel({c.model, 0, 0});
        EXPECT_EQ(m.subVfo, c.sub) << c.model;
        EXPECT_EQ(m.mainVfo, c.main) << c.model;
    }
}

// The loader's message names the file; the reason says what is wrong in it.
TEST_F(RadioFiles, BadFilesFailNamingTheFileAndLine) {
    const auto failure = [](const std::function<void()>& read) -> std::pair<QString, QString> {
        try {
            read();
        } catch (const SqfError& error) {
            return {error.fileName(), error.reason()};
        }
        return {};
    };
    EXPECT_EQ(failure([&] { ReadRadio1Family(Path("TRX.SQF")); }).first, "TRX.SQF");
    EXPECT_EQ(failure([&] { ReadPortLines(Path("RTS12.SQF")); }).first, "RTS12.SQF");

    const struct {
        const char* name;
        QByteArray content;
        std::function<void(const QString&)> read;
        const char* reasonPart;
    } cases[] = {
        {"TRX.SQF", "None\r\n", [](const QString& p) { ReadRadio1Family(p); }, "line 1"},
        {"TRX_Semi.SQF", "Yeasu\r\n1\r\n-\r\n",
         [](const QString& p) { ReadSecondRadioSettings(p); }, "Yeasu"},
        {"TRX_Semi.SQF", "Icom\r\n100\r\n-\r\n",
         [](const QString& p) { ReadSecondRadioSettings(p); }, "0..99"},
        {"TRX_Semi.SQF", "Icom\r\nx5\r\n-\r\n",
         [](const QString& p) { ReadSecondRadioSettings(p); }, "line 2"},
        {"YaesuPar.SQF", "$11\r\n$2G\r\n9600\r\nFT-847\r\n",
         [](const QString& p) { ReadYaesuParameters(p); }, "line 2"},
        {"IcomPar.SQF", "9600\r\n$60,xx\r\n", [](const QString& p) { ReadIcomParameters(p); },
         "line 2"},
        {"IcomName.SQF", "IC-9700\r\n$D1\r\n", [](const QString& p) { ReadIcomModel(p); },
         "line 3"},
        {"IntVCat.SQF", "abc\r\n", [](const QString& p) { ReadSendInterval(p); }, "line 1"},
        {"KorrMod.SQF", "3\r\n0\r\n", [](const QString& p) { ReadCorrectionSettings(p); },
         "line 1"},
        {"KorrMod.SQF", "0\r\n", [](const QString& p) { ReadCorrectionSettings(p); }, "line 2"},
    };
    for (const auto& c : cases) {
        const QString path = Write(c.name, c.content);
        const auto [file, reason] = failure([&] { c.read(path); });
        EXPECT_EQ(file, c.name) << c.content.constData();
        EXPECT_TRUE(reason.contains(c.reasonPart)) << reason.toStdString();
    }
}

// HamlibPar.SQF is new: a data folder without it takes the CAT server's HamlibCat.SQF, else
// the defaults, and is never a load error; a file that exists is read as every settings file.
TEST_F(RadioFiles, HamlibParFallsBackToTheCatServersFileThenToTheDefaults) {
    HamlibParameters read = ReadHamlibParameters(Path("HamlibPar.SQF"));
    EXPECT_EQ(read.host, "127.0.0.1");
    EXPECT_EQ(read.port, 4532);
    EXPECT_EQ(read.style, "split");

    WriteBytes(Path("HamlibCat.SQF"), "shack-pi\r\n4600\r\nsub\r\n");
    read = ReadHamlibParameters(Path("HamlibPar.SQF"));
    EXPECT_EQ(read.host, "shack-pi");
    EXPECT_EQ(read.port, 4600);
    EXPECT_EQ(read.style, "sub");
    WriteBytes(Path("HamlibCat.SQF"), "shack-pi\r\nport\r\n");  // the server says so
    EXPECT_EQ(ReadHamlibParameters(Path("HamlibPar.SQF")).port, 4532);

    WriteHamlibParameters(Path("HamlibPar.SQF"), {"10.0.0.7", 4532, "split", "IC-9700"});
    EXPECT_EQ(Bytes("HamlibPar.SQF"), "10.0.0.7\r\n4532\r\nsplit\r\nIC-9700\r\n");
    EXPECT_EQ(ReadHamlibParameters(Path("HamlibPar.SQF")).radioName, "IC-9700");
    for (const QByteArray bad : {"h\r\n70000\r\n", "h\r\n4532\r\nsideways\r\n"}) {
        WriteBytes(Path("HamlibPar.SQF"), bad);
        try {
            ReadHamlibParameters(Path("HamlibPar.SQF"));
            ADD_FAILURE() << bad.constData();
        } catch (const SqfError& error) {
            EXPECT_EQ(error.fileName(), "HamlibPar.SQF");
        }
    }
}

}  // namespace
}  // namespace orbivox

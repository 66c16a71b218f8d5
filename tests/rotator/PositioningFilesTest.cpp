// The rotor positioning files and standard directions in a scratch folder: layouts and
// read-back, number notations, bad files named with their line, the fifty-entry limit.
#include "rotator/PositioningFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "rotator/StandardDirections.h"
#include "settings/SqfFile.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

using RotorFiles = ScratchFolder;

TEST_F(RotorFiles, WritersProduceTheStoredLayoutAndReadBack) {
    WriteFlipSettings(Path("Flip.SQF"), {true, false});
    EXPECT_EQ(Bytes("Flip.SQF"), "+\r\n-\r\n");
    EXPECT_TRUE(ReadFlipSettings(Path("Flip.SQF")).flipMode);

    WriteAutoPark(Path("Park.SQF"), true);
    EXPECT_TRUE(ReadAutoPark(Path("Park.SQF")));

    WriteParkPosition(Path("ParkPos.SQF"), {180, 10});
    EXPECT_EQ(Bytes("ParkPos.SQF"), "180\r\n10\r\n");
    EXPECT_EQ(ReadParkPosition(Path("ParkPos.SQF")).elevation, 10);

    WriteRotorUpdateOptions(Path("WiRotOpt.SQF"), {'w', 12, 2.5, 'g', true});
    EXPECT_EQ(Bytes("WiRotOpt.SQF"),
              "w\r\n 1.20000000000000E+0001\r\n 2.50000000000000E+0000\r\ng\r\n+\r\n");
    const RotorUpdateOptions options = ReadRotorUpdateOptions(Path("WiRotOpt.SQF"));
    EXPECT_TRUE(options.atPositionChange());
    EXPECT_DOUBLE_EQ(options.updateInterval, 12);
    EXPECT_DOUBLE_EQ(options.positionStep, 2.5);
    EXPECT_EQ(options.azimuthRule, QChar('g'));

    // Vertical first, horizontal second, in every reader and writer.
    WriteAntennaCorrections(Path("AntKorr.SQF"), {-1.5, 20});
    EXPECT_EQ(Bytes("AntKorr.SQF"), "-1.50000000000000E+0000\r\n 2.00000000000000E+0001\r\n");
    const AntennaCorrections corrections = ReadAntennaCorrections(Path("AntKorr.SQF"));
    EXPECT_DOUBLE_EQ(corrections.vertical, -1.5);
    EXPECT_DOUBLE_EQ(corrections.horizontal, 20);

    WriteRotorDecimals(Path("Decimals.SQF"), 2);
    EXPECT_EQ(ReadRotorDecimals(Path("Decimals.SQF")), 2);
}

TEST_F(RotorFiles, OnlyWMeansPositionChangeAndNumbersReadInAnyNotation) {
    Write("WiRotOpt.SQF", "x\r\n10\r\n0.5e1\r\nk\r\n");  // line 5 missing: not read back
    const RotorUpdateOptions options = ReadRotorUpdateOptions(Path("WiRotOpt.SQF"));
    EXPECT_FALSE(options.atPositionChange());
    EXPECT_DOUBLE_EQ(options.positionStep, 5);
    EXPECT_FALSE(options.rotorServer);
}

TEST_F(RotorFiles, BadFilesFailNamingTheFileAndLine) {
    const struct {
        const char* name;
        QByteArray content;  // empty: the file is missing
        std::function<void(const QString&)> read;
        const char* reasonPart;
    } cases[] = {
        {"Flip.SQF", "", [](const QString& p) { ReadFlipSettings(p); }, "not found"},
        {"Park.SQF", "", [](const QString& p) { ReadAutoPark(p); }, "not found"},
        {"ParkPos.SQF", "180\r\nup\r\n", [](const QString& p) { ReadParkPosition(p); }, "line 2"},
        {"WiRotOpt.SQF", "i\r\n10 s\r\nfive\r\nk\r\n",
         [](const QString& p) { ReadRotorUpdateOptions(p); }, "line 3"},
        {"AntKorr.SQF", "0\r\n", [](const QString& p) { ReadAntennaCorrections(p); }, "line 2"},
        {"Decimals.SQF", "3\r\n", [](const QString& p) { ReadRotorDecimals(p); }, "line 1"},
        {"StandPos.SQF", ";c\r\nNorth,0\r\nEast 90\r\n",
         [](const QString& p) { ReadStandardDirections(p); }, "line 3"},
    };
    for (const auto& c : cases) {
        const QString path = c.content.isEmpty() ? Path(c.name) : Write(c.name, c.content);
        try {
            c.read(path);
            ADD_FAILURE() << c.name;
        } catch (const SqfError& error) {
            EXPECT_EQ(error.fileName(), c.name);
            EXPECT_TRUE(error.reason().contains(c.reasonPart)) << error.reason().toStdString();
        }
    }
}

TEST_F(RotorFiles, StandardDirectionsSplitAtTheFirstCommaAndStopAtFifty) {
    QByteArray content = ";name,azimuth\r\nNorth,0\r\n\r\nEast, 90\r\nLong path,225 deg\r\n";
    for (int i = 0; i < 60; ++i) {
        content += "D" + QByteArray::number(i) + "," + QByteArray::number(i) + "\r\n";
    }
    Write("StandPos.SQF", content);
    const auto directions = ReadStandardDirections(Path("StandPos.SQF"));
    ASSERT_EQ(directions.size(), kMaxStandardDirections);
    EXPECT_EQ(directions[0].name, "North");
    EXPECT_EQ(directions[1].azimuth, 90);
    EXPECT_EQ(directions[2].name, "Long path");
    EXPECT_EQ(directions[2].azimuth, 225);
    EXPECT_EQ(directions[3].name, "D0");
}

TEST(StandardDirectionList, NamesArePaddedToEightThenABlankAndTheAzimuth) {
    EXPECT_EQ(StandardDirectionListText({"East", 90}), "East     90");
    EXPECT_EQ(StandardDirectionListText({"North", 0}), "North    0");
    EXPECT_EQ(StandardDirectionListText({"Northeast by east", 56}), "Northeas 56");
}

}  // namespace
}  // namespace orbivox

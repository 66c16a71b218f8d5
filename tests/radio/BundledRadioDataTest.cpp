// The radio files of the bundled data folder: a new user's first start reads every one.
#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include "radio/PortLines.h"
#include "radio/PortMap.h"
#include "radio/RadioFamily.h"
#include "radio/ToneTable.h"
#include "radio/TransponderTable.h"
#include "radio/TuningFiles.h"
#include "radio/icom/IcomFiles.h"
#include "radio/kenwood/KenwoodFiles.h"
#include "radio/yaesu/YaesuFiles.h"
#include "radio/yaesu2/YaesuIIFiles.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

// The satellite names of the bundled element file (three-line layout, trailing blanks
// dropped), which the transponder and tone tables must match exactly.
QSet<QString> BundledSatelliteNames(const QDir& data) {
    const QStringList lines = ReadSqfLines(data.filePath("Kepler/amateur.txt"));
    QSet<QString> names;
    for (int i = 0; i + 2 < lines.size(); i += 3) {
        QString name = lines[i];
        while (name.endsWith(QLatin1Char(' '))) {
            name.chop(1);
        }
        names.insert(name);
    }
    return names;
}

TEST(BundledRadioData, EveryFileReadsAndNamesBundledSatellites) {
    const QDir data(ORBIVOX_BUNDLED_DATA);
    const auto path = [&](const char* name) { return data.filePath(name); };
    try {
        EXPECT_NE(ReadRadio1Family(path("TRX.SQF")), RadioFamily::None);
        ReadYaesuIIParameters(path("YaesuIIPar.SQF"));
        ReadYaesuParameters(path("YaesuPar.SQF"));
        EXPECT_FALSE(ReadIcomParameters(path("IcomPar.SQF")).addressPairs.isEmpty());
        ReadIcomModel(path("IcomName.SQF"));
        ReadKenwoodParameters(path("KenwoodPar.SQF"));
        ReadPortLines(path("RTS12.SQF"));
        const SecondRadioSettings second = ReadSecondRadioSettings(path("Radio2/TRX_Semi.SQF"));
        EXPECT_EQ(second.family, RadioFamily::None);
        EXPECT_EQ(second.port, 0);
        ReadYaesuParameters(path("Radio2/YaesuParSemi.SQF"));
        ReadYaesuIIParameters(path("Radio2/YaesuIIParSemi.SQF"));
        ReadKenwoodParameters(path("Radio2/KenwoodParSemi.SQF"));
        ReadSecondIcomModel(path("Radio2/IcomNameSemi.SQF"));
        ReadSecondIcomParameters(path("Radio2/IcomParSemi.SQF"));
        EXPECT_GT(ReadSendInterval(path("IntVCat.SQF")), 0);
        EXPECT_GT(ReadSendInterval(path("IntVCatSSB.SQF")), 0);
        ReadCorrectionSettings(path("KorrMod.SQF"));
        EXPECT_TRUE(ReadPortMap(path("ComPorts.SQF")).isEmpty());

        const QSet<QString> satellites = BundledSatelliteNames(data);
        const QStringList doppler = ReadSqfLines(path("Doppler.SQF"));
        ASSERT_GE(doppler.size(), 4);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(doppler[i].startsWith(';')) << "header line " << i + 1;
        }
        const auto entries = ReadTransponderTable(path("Doppler.SQF"));
        EXPECT_EQ(entries.size(), doppler.size() - 3);  // no comment after the header
        QStringList seen;
        for (const TransponderEntry& entry : entries) {
            EXPECT_TRUE(satellites.contains(entry.satelliteName)) << entry.line.toStdString();
            EXPECT_GT(entry.downlinkKHz, 0) << entry.line.toStdString();
            // The entries of one satellite stand together.
            if (seen.isEmpty() || seen.last() != entry.satelliteName) {
                EXPECT_FALSE(seen.contains(entry.satelliteName)) << entry.line.toStdString();
                seen.append(entry.satelliteName);
            }
        }
        for (const ToneEntry& tone : ReadToneTable(path("SubTone.SQF"))) {
            EXPECT_TRUE(satellites.contains(tone.satelliteName))
                << tone.satelliteName.toStdString();
            EXPECT_TRUE(tone.toneHz >= 60 && tone.toneHz <= 260) << tone.toneHz;
        }
    } catch (const SqfError& error) {
        FAIL() << error.what();
    }
}

}  // namespace
}  // namespace orbivox

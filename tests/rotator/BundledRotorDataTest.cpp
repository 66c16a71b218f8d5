// The rotor files of the bundled data folder: a new user's first start reads every one.
#include <gtest/gtest.h>

#include <QDir>

#include "rotator/PositioningFiles.h"
#include "rotator/ServerFiles.h"
#include "rotator/StandardDirections.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

TEST(BundledRotorData, EveryFileReadsAndNoServerIsStarted) {
    const QDir data(ORBIVOX_BUNDLED_DATA);
    const auto path = [&](const char* name) { return data.filePath(name); };
    try {
        ReadFlipSettings(path("Flip.SQF"));
        EXPECT_FALSE(ReadAutoPark(path("Park.SQF")));
        ReadParkPosition(path("ParkPos.SQF"));
        EXPECT_GE(ReadRotorUpdateOptions(path("WiRotOpt.SQF")).updateInterval, 1);
        ReadAntennaCorrections(path("AntKorr.SQF"));
        ReadRotorDecimals(path("Decimals.SQF"));
        EXPECT_FALSE(ReadStandardDirections(path("StandPos.SQF")).isEmpty());
        const auto interfaces = ReadRotorInterfaces(path("AlleServer.SQF"));
        const auto* chosen =
            RotorInterfaceAt(interfaces, ReadRotorInterfaceIndex(path("RotorInterface.SQF")));
        ASSERT_NE(chosen, nullptr);
        EXPECT_TRUE(InterfaceHasNoServer(chosen->name));
        EXPECT_EQ(ReadServerPath(path("RotorServer.SQF")), "none");
        ReadServerPath(path("CatServer.SQF"));
    } catch (const SqfError& error) {
        FAIL() << error.what();
    }
}

}  // namespace
}  // namespace orbivox

// The Radio Setup's store read back by the start-up loader: every value chosen in the
// dialog's logic, for each family of radio 1 and radio 2, arrives at the next start.
#include <gtest/gtest.h>

#include "radio/RadioSetup.h"
#include "radio/icom/IcomFiles.h"
#include "radio/kenwood/KenwoodFiles.h"
#include "radio/yaesu/YaesuFiles.h"
#include "radio/yaesu2/YaesuIIFiles.h"
#include "tests/support/BundledData.h"
#include "tests/support/RecordingNotifier.h"
#include "tracking/SettingsLoader.h"

namespace orbivox {
namespace {

using RadioSetupLoaderTest = BundledConfiguration;

LoadedSettings Load(const Folders& folders) {
    LoadedSettings settings;
    const auto failure = RunSettingsLoader(folders, settings, {});
    EXPECT_FALSE(failure) << failure->step << " " << failure->label.toStdString() << ": "
                          << failure->reason.toStdString();
    return settings;
}

TEST_F(RadioSetupLoaderTest, EveryStoredValueIsLoadedAtTheNextStart) {
    const struct {
        RadioFamily radio1;
        RadioFamily radio2;
    } cases[] = {{RadioFamily::Yaesu, RadioFamily::Kenwood},
                 {RadioFamily::YaesuII, RadioFamily::Icom},
                 {RadioFamily::Icom, RadioFamily::Yaesu},
                 {RadioFamily::Kenwood, RadioFamily::YaesuII}};
    int port = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(RadioFamilyText(c.radio1).toStdString());
        RecordingNotifier notifier;
        RadioSetup setup(folders_, notifier);
        setup.Load();
        setup.ChooseRadio1(c.radio1);
        setup.ChooseRadio2(c.radio2);
        ASSERT_TRUE(setup.EditRow(RadioSetupRow::Port, QString::number(port)));
        ASSERT_TRUE(setup.EditRow(RadioSetupRow::CatDelay, QString::number(port * 10)));
        ASSERT_TRUE(setup.EditRadio2Port(QString::number(port + 1)));
        ASSERT_TRUE(setup.Choose(RadioFamily::Yaesu, RadioSetupItem::Model, 1, "FT-817"));
        ASSERT_TRUE(setup.Choose(RadioFamily::YaesuII, RadioSetupItem::BaudRate, 2, "4800"));
        ASSERT_TRUE(setup.Choose(RadioFamily::Icom, RadioSetupItem::Model, 1, "IC-821H"));
        ASSERT_TRUE(setup.Choose(RadioFamily::Icom, RadioSetupItem::Model, 2, "IC-910H"));
        ASSERT_TRUE(setup.Choose(RadioFamily::Kenwood, RadioSetupItem::SatelliteMemory, 1, "1"));
        setup.StepReceive(+2);
        setup.AcceptPair();
        setup.StepRadio2Address(-1);
        setup.Values().lines = {true, false, true, port % 2 == 0};
        setup.Values().satelliteMode = port % 2 == 1;
        setup.Values().radio2.autoExchange = true;
        const RadioSetupValues stored = setup.Values();
        ASSERT_TRUE(setup.Store()) << notifier.texts.join("|").toStdString();

        const LoadedSettings s = Load(folders_);
        EXPECT_EQ(s.radio1Family, c.radio1);
        EXPECT_EQ(s.station.radio1Port, port);
        EXPECT_EQ(s.station.catDelayMs, port * 10);
        EXPECT_EQ(s.radio1Files.Get<YaesuParameters>().model, "FT-817");
        EXPECT_EQ(s.radio1Files.Get<YaesuParameters>().uplinkOpcode, 0x01);
        EXPECT_EQ(s.radio1Files.Get<IcomModel>().model, "IC-821H");
        EXPECT_EQ(s.radio1Files.Get<IcomModel>().subVfo, 0xD0);
        EXPECT_EQ(s.radio1Files.Get<IcomParameters>().addressPairs,
              stored.radio1Files.Get<IcomParameters>().addressPairs);
        EXPECT_EQ(s.radio1Files.Get<KenwoodParameters>().satelliteMemory, '1');
        EXPECT_EQ(s.portLines.dtrRadio2, port % 2 == 0);
        EXPECT_EQ(s.startValues.radioSatelliteMode, port % 2 == 1);
        EXPECT_EQ(s.radio2.family, c.radio2);
        EXPECT_EQ(s.radio2.port, port + 1);
        EXPECT_TRUE(s.radio2.autoExchange);
        EXPECT_EQ(s.radio2Files.Get<YaesuIIParameters>().baudRate, "4800");
        EXPECT_EQ(s.radio2Files.Get<SecondIcomModel>().model, "IC-910H");
        EXPECT_EQ(s.radio2Files.Get<SecondIcomParameters>().address,
              stored.radio2Files.Get<SecondIcomParameters>().address);
        ++port;
    }
}

}  // namespace
}  // namespace orbivox

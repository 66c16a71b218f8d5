// The registry of radio families: every family's word reads back, its files take distinct
// loader steps in the radio ranges, and each radio's port gets the line of its own files.
#include <gtest/gtest.h>

#include <set>

#include "radio/RadioFamilies.h"
#include "radio/icom/IcomFiles.h"
#include "radio/kenwood/KenwoodFiles.h"
#include "radio/yaesu/YaesuFiles.h"
#include "radio/yaesu2/YaesuIIFiles.h"

namespace orbivox {
namespace {

TEST(RadioFamilies, WordsReadBackAndFilesTakeDistinctLoaderSteps) {
    EXPECT_EQ(ParseRadioFamily(RadioFamilyText(RadioFamily::None)), RadioFamily::None);
    std::set<int> steps;
    for (const RadioFamilyDescriptor* family : RadioFamilies()) {
        SCOPED_TRACE(family->word);
        EXPECT_EQ(ParseRadioFamily(RadioFamilyText(family->family)), family->family);
        EXPECT_EQ(FindRadioFamily(family->family), family);
        EXPECT_FALSE(ModelNames(*family).isEmpty());
        for (const QString& name : ModelNames(*family)) {
            EXPECT_EQ(FindModel(*family, name)->name, name);
        }
        // Radio 1's files in 7-11 and 16, radio 2's in 17-21: before the ports open (22).
        for (const auto& [files, radio2] :
             {std::pair{&family->radio1Files, false}, std::pair{&family->radio2Files, true}}) {
            for (const RadioParameterFile& file : *files) {
                const int step = file.loaderStep;
                EXPECT_TRUE(radio2 ? (step >= 17 && step <= 21)
                                   : ((step >= 7 && step <= 11) || step == 16))
                    << file.name;
                EXPECT_TRUE(steps.insert(step).second) << file.name;
            }
        }
    }
    EXPECT_FALSE(ParseRadioFamily("yaesu"));  // the files' spelling only
}

TEST(RadioFamilies, EachRadiosPortTakesTheLineOfItsOwnFiles) {
    RadioFiles radio1, radio2;
    radio1.Get<YaesuParameters>() = {0x11, 0x21, "9600", "FT-847"};
    radio2.Get<YaesuParameters>() = {0x11, 0x21, "57600", "FT-847"};
    radio1.Get<KenwoodParameters>().baudRate = "9600";
    radio2.Get<KenwoodParameters>() = {"TS-790", "115200", '0', false};
    radio1.Get<IcomParameters>().baudRate = "19200";
    radio2.Get<SecondIcomParameters>().baudRate = "4800";
    radio2.Get<YaesuIIParameters>().baudRate = "38400";
    const struct {
        RadioFamily family;
        const RadioFiles& files;
        int radio;
        std::optional<int> baud;
        bool twoStopBits;
    } cases[] = {
        {RadioFamily::Yaesu, radio1, 1, 9600, false},
        {RadioFamily::Yaesu, radio2, 2, 57600, false},
        {RadioFamily::Kenwood, radio1, 1, 9600, false},
        {RadioFamily::Kenwood, radio2, 2, 4800, true},  // a model with its fixed line
        {RadioFamily::Icom, radio1, 1, 19200, false},
        {RadioFamily::Icom, radio2, 2, 4800, false},
        {RadioFamily::YaesuII, radio2, 2, 38400, false},
        {RadioFamily::None, radio1, 1, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(RadioFamilyText(c.family).toStdString() + " radio " +
                     std::to_string(c.radio));
        const LineSettings line = LineSettingsFor(c.family, c.files, c.radio);
        EXPECT_EQ(line.baud, c.baud);
        EXPECT_EQ(line.twoStopBits, c.twoStopBits);
    }
}

}  // namespace
}  // namespace orbivox

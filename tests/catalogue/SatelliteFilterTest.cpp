// Narrowing the list of all satellites: parts of names in any letter case, parts of catalogue
// numbers (leading zeros included), names held by several sets, and a blank text.
#include <gtest/gtest.h>

#include "catalogue/SatelliteFilter.h"
#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

orbit::SetTable Sets(const std::vector<std::pair<std::string, std::string>>& namesAndNumbers) {
    orbit::SetTable sets;
    int index = 0;
    for (const auto& [name, number] : namesAndNumbers) {
        sets[++index].name = name;
        sets[index].catalogueNumber = number;
    }
    sets.SetCount(index);
    return sets;
}

TEST(SatelliteFilterTest, KeepsNamesHoldingTheTextOrWhoseNumberHoldsIt) {
    const orbit::SetTable sets = Sets({{"AO-07", "07530"},
                                       {"ISS (ZARYA)", "25544"},
                                       {"NOAA 19", "33591"},
                                       {"NOAA 18", "28654"},
                                       {"SO-50", "27607"},
                                       {"SO-50", "99999"}});
    const QStringList shown{"AO-07", "ISS (ZARYA)", "NOAA 18", "NOAA 19", "SO-50"};
    const SatelliteFilter filter(shown, sets);
    const std::vector<std::pair<QString, QStringList>> cases{
        {"", shown},
        {"   ", shown},
        {"noaa", {"NOAA 18", "NOAA 19"}},
        {" zarya ", {"ISS (ZARYA)"}},
        {"7530", {"AO-07"}},         // without its leading zero
        {"25544", {"ISS (ZARYA)"}},  // the whole number
        {"9999", {"SO-50"}},         // the second set of a doubled name
        {"19", {"NOAA 19"}},         // in the name, in no number
        {"o-", {"AO-07", "SO-50"}},
        {"nothing", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(filter.Matching(text), expected) << text.toStdString();
    }
    EXPECT_TRUE(SatelliteFilter().Matching("x").isEmpty());
}

}  // namespace
}  // namespace orbivox

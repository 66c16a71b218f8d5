// Finding a satellite by catalogue number or name: the order of the tries, letter case, and
// an ambiguous beginning.
#include <gtest/gtest.h>

#include "catalogue/SatelliteLookup.h"

namespace orbivox {
namespace {

orbit::SetTable Table() {
    const std::pair<const char*, const char*> sets[] = {
        {"ISS (ZARYA)", "25544"}, {"SAUDISAT 1C (SO-50)", "27607"},
        {"SO-121", "99121"},      {"AO-7", "07530"},
        {"AO-73", "39444"},       {"ISS (ZARYA)", "25544"},
        {"NOAA 19", "33591"},
    };
    orbit::SetTable table;
    int index = 0;
    for (const auto& [name, number] : sets) {
        table[++index].name = name;
        table[index].catalogueNumber = number;
    }
    table.SetCount(index);
    return table;
}

TEST(SatelliteLookup, NumberThenWholeNameThenAUniqueBeginning) {
    const orbit::SetTable table = Table();
    const std::vector<int> all = {1, 2, 3, 4, 5, 6, 7};
    struct Case {
        const char* query;
        std::vector<int> sets;
        std::vector<std::string> candidates;
    };
    const Case cases[] = {
        {"25544", {1, 6}, {}},  // every set of the number, in file order
        {"7530", {4}, {}},      // leading zeros of the five-digit form do not count
        {"iss", {1, 6}, {}},
        {" iss (zarya) ", {1, 6}, {}},
        {"ao-7", {4}, {}},  // a whole name before the beginning of a longer one
        {"ao", {}, {"AO-7", "AO-73"}},
        {"s", {}, {"SAUDISAT 1C (SO-50)", "SO-121"}},
        {"noaa 19", {7}, {}},
        {"19", {}, {}},  // a number no set has is tried as a name
        {"GOES", {}, {}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        const SatelliteLookup found = LookUpSatellite(table, all, c.query);
        EXPECT_EQ(found.sets, c.sets) << c.query;
        EXPECT_EQ(found.candidates, c.candidates) << c.query;
        EXPECT_EQ(found.ambiguous(), !c.candidates.empty()) << c.query;
    }
}

TEST(SatelliteLookup, LooksOnlyAmongTheSetsGiven) {
    const orbit::SetTable table = Table();
    EXPECT_EQ(LookUpSatellite(table, {2, 7}, "s").sets, std::vector<int>{2});
    EXPECT_FALSE(LookUpSatellite(table, {2, 7}, "iss").found());
    EXPECT_EQ(CandidateList({"A", "B", "C"}), "\"A\", \"B\" and \"C\"");
}

}  // namespace
}  // namespace orbivox

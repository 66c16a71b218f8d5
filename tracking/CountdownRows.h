#pragma once
// The rows of the countdown list: a satellite's letter, its name cut to the column, the time
// until it rises (or sets) and the top of the pass, in the order the list shows them.
#include <string>
#include <vector>

#include "orbit/Countdown.h"

namespace orbivox {

// "+" rising, "-" up, "n" none.
char CountdownStatusLetter(orbit::CountdownStatus status);

struct CountdownRow {
    int satellite = 0;  // selection position, 0 = "A"
    std::string text;
    bool highlighted = false;
};

// The row text of satellite `position` (0..23).
std::string CountdownRowText(int position, const std::string& name,
                             const orbit::CountdownEntry& entry, double now);

// Rows in display order: selection order when sorting by letters or when any satellite has
// no time; otherwise the satellites that are up, then the rising ones by time.
std::vector<CountdownRow> ShowCountdown(const std::vector<std::string>& names,
                                        const std::vector<orbit::CountdownEntry>& entries,
                                        double now, bool sortByLetters);

}  // namespace orbivox

#pragma once
// The texts shown of a pass: its AOS and LOS as times of day, stars for a satellite already up
// or one that never sets, dashes when there is no pass; and a span of time shown as a clock
// would. Formed from what the pass search found (orbit/PassSearch.h).
#include <string>

#include "orbit/PassSearch.h"

namespace orbivox {

inline constexpr const char* kAlreadyUpText = "*****";
inline constexpr const char* kNoPassText = "-----";

// "hh:nn" of the time of day of a day number.
std::string TimeOfDayText(double dayNumber);
// "hh:nn" of a length of time (days), as a time of day would be shown.
std::string DurationText(double days);

// "hh:nn" of aosRounded, "*****" when already up, "-----" when no pass; empty before a search.
std::string AosText(const orbit::PassData& pass);
// "hh:nn" of losTime + 30 s, "*****" when it never sets, "-----" when no pass; empty before a
// search.
std::string LosText(const orbit::PassData& pass);

}  // namespace orbivox

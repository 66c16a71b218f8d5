#pragma once
// Pass search results as the texts see them, for the tests of the pass texts and the list
// line: a pass on day 17762 rising 12:34 and setting 12:45 (its LOS instant 12:44:40, half a
// minute before the shown time), up already, never setting, none, not searched.
#include "orbit/PassSearch.h"

namespace orbivox::test {

constexpr double kPassDay = 17762.0;

inline orbit::PassData PassState(orbit::PassFinding finding, bool alreadyUp = false,
                                 bool neverSets = false) {
    orbit::PassData pass;
    pass.finding = finding;
    pass.alreadyUp = alreadyUp;
    pass.neverSets = neverSets;
    pass.aosTime = kPassDay + (12 * 60 + 33.5) / 1440.0;
    pass.aosRounded = pass.aosTime + orbit::kThirtySeconds;
    pass.losTime = kPassDay + (12 * 60 + 44 + 40.0 / 60.0) / 1440.0;
    return pass;
}

inline orbit::PassData FoundPass() {
    return PassState(orbit::PassFinding::Pass);
}
inline orbit::PassData UpPass() {
    return PassState(orbit::PassFinding::Pass, true);
}
inline orbit::PassData NeverSettingPass() {
    return PassState(orbit::PassFinding::Pass, true, true);
}
inline orbit::PassData NoPass() {
    return PassState(orbit::PassFinding::NoPass);
}

}  // namespace orbivox::test

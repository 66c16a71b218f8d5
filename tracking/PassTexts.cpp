// The AOS and LOS texts of a pass and the "hh:nn" of an instant or a span.
#include "tracking/PassTexts.h"

#include "orbit/DisplayFormat.h"
#include "orbit/TimeScales.h"

namespace orbivox {
namespace {

// What both texts show when there is no pass to give times of; null when there is one.
const char* TextWithoutPass(const orbit::PassData& pass) {
    switch (pass.finding) {
        case orbit::PassFinding::NotSearched:
            return "";
        case orbit::PassFinding::NoPass:
            return kNoPassText;
        case orbit::PassFinding::Pass:
            break;
    }
    return nullptr;
}

}  // namespace

std::string TimeOfDayText(double dayNumber) {
    return orbit::FormatDateTime(dayNumber + orbit::kDayNumberToJulianDate, "hh:nn");
}

std::string DurationText(double days) {
    return TimeOfDayText(days);
}

std::string AosText(const orbit::PassData& pass) {
    if (const char* text = TextWithoutPass(pass))
        return text;
    return pass.alreadyUp ? kAlreadyUpText : TimeOfDayText(pass.aosRounded);
}

std::string LosText(const orbit::PassData& pass) {
    if (const char* text = TextWithoutPass(pass))
        return text;
    return pass.neverSets ? kAlreadyUpText : TimeOfDayText(pass.losTime + orbit::kThirtySeconds);
}

}  // namespace orbivox

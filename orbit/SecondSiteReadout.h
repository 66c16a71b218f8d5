#pragma once
// The one-line readout of the working satellite as a second observer sees it.

#include <string>

#include "orbit/TrackResult.h"

namespace orbit {

struct SiteReadout {
    std::string text;
    bool aboveHorizon = false;  // white background when true, silver (192,192,192) otherwise
};

// " Az:" azimuth "  El:" elevation "  Rge:" range, then "  Sq:" squint or "  Sq:---".
SiteReadout FormatSiteReadout(const TrackResult& result, bool hasSquint, char decimalSeparator);

}  // namespace orbit

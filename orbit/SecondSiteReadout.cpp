// Formatting the second observer's azimuth, elevation, range and squint line.
#include "orbit/SecondSiteReadout.h"

#include "orbit/DisplayFormat.h"

namespace orbit {

SiteReadout FormatSiteReadout(const TrackResult& result, bool hasSquint, char decimalSeparator) {
    SiteReadout readout;
    readout.text = " Az:" + FormatNumber(result.azimuth, "##0.0", decimalSeparator) +
                   "  El:" + FormatNumber(result.elevation, "##0.0", decimalSeparator) +
                   "  Rge:" + FormatNumber(result.range, "######", decimalSeparator);
    readout.text += hasSquint ? "  Sq:" + FormatNumber(result.squint, "##0", decimalSeparator)
                              : std::string("  Sq:---");
    readout.aboveHorizon = result.elevation >= 0.0;
    return readout;
}

}  // namespace orbit

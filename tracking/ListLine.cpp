// The list line, its pass columns and its header in the narrow and the wide layout.
#include "tracking/ListLine.h"

#include <algorithm>
#include <cmath>

#include "orbit/DisplayFormat.h"

namespace orbivox {
namespace {

bool NarrowLayout(int sizeCode) {
    return sizeCode <= 2;
}

std::string RightAligned(const std::string& text, size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// Longitude shown in -180..180.
double SignedLongitude(double longitude) {
    double wrapped = std::fmod(longitude, 360.0);
    if (wrapped > 180.0) {
        wrapped -= 360.0;
    } else if (wrapped < -180.0) {
        wrapped += 360.0;
    }
    return wrapped;
}

}  // namespace

std::string AosLosText(const orbit::PassData& pass, int sizeCode) {
    if (pass.finding != orbit::PassFinding::Pass) {
        return AosText(pass);
    }
    return AosText(pass) + (NarrowLayout(sizeCode) ? " " : "  ") + LosText(pass);
}

std::string FormatListFields(const ListValues& v, int sizeCode, char sep) {
    const std::string az = orbit::FormatNumber(v.azimuth, "##0.0", sep);
    const std::string el = orbit::FormatNumber(v.elevation, "##0.0", sep);
    const std::string ma = orbit::FormatNumber(v.meanAnomaly, "##0.0", sep);
    const std::string height = orbit::FormatNumber(v.height, "####0", sep);
    const std::string range = orbit::FormatNumber(v.range, "####0", sep);
    const std::string lon = orbit::FormatNumber(SignedLongitude(v.longitude), "##0", sep);
    const std::string lat = orbit::FormatNumber(v.latitude, "##0", sep);
    const std::string orbit = orbit::FormatNumber(v.orbitNumber - 1, "####0", sep);
    const std::string squint =
        v.squint ? orbit::FormatNumber(*v.squint, "##0", sep) : std::string("--");

    if (NarrowLayout(sizeCode)) {
        std::string line = az + std::string(45, ' ');
        // Each field goes in at its column (counted from 1), pushing the rest right. A field
        // that reaches its column or past it is not split by the next one: that one follows
        // it after a blank, so a five-digit range keeps a blank before the longitude. The
        // cut at 49 takes only blanks: a field cut short (the squint at 49, a five-digit
        // orbit number) would show a wrong number.
        const std::pair<size_t, const std::string*> fields[] = {
            {12, &el},  {18, &ma},  {24, &height}, {30, &range},
            {35, &lon}, {39, &lat}, {46, &orbit},  {49, &squint}};
        size_t end = az.size();
        for (const auto& [column, text] : fields) {
            const size_t at = std::min(std::max(column - 1, end + 1), line.size());
            line.insert(at, *text);
            end = at + text->size();
        }
        line.resize(std::max<size_t>(49, end));
        return line;
    }
    std::string line = " " + az;
    line.resize(std::max<size_t>(line.size(), 7), ' ');
    line += RightAligned(el, 7) + RightAligned(ma, 8) + RightAligned(height, 7) +
            RightAligned(range, 7) + RightAligned(lon, 6) + RightAligned(lat, 4) +
            RightAligned(orbit, 8);
    line += v.squint ? RightAligned(squint, 6) : std::string("    --");
    return line;
}

std::string FormatPassColumns(const PassColumns& p, double elevation, int sizeCode, char sep) {
    const bool up = elevation >= 0;
    if (NarrowLayout(sizeCode)) {
        // A blank first: the fields end in the squint's last digit.
        if (p.geostationary) {
            return " ----- -----";
        }
        if (p.countdownMode) {
            return up ? "       " + orbit::FormatDuration(p.untilRecompute, "hh:nn")
                      : " " + orbit::FormatDuration(p.untilAos, "hh:nn");
        }
        return " " + p.aosText.substr(0, 6) + p.losText;
    }
    if (p.geostationary) {
        return "   ----- ----- --";
    }
    if (p.countdownMode) {
        const std::string maxEl = orbit::FormatNumber(p.maxElevation, "#00", sep);
        return up ? "   " + std::string(6, ' ') + orbit::FormatDuration(p.untilRecompute, "hh:nn") +
                        "  " + maxEl
                  : "   " + orbit::FormatDuration(p.untilAos, "hh:nn") + std::string(8, ' ') +
                        maxEl;
    }
    return "   " + p.aosText.substr(0, 5) + " " + p.losText + "  " +
           orbit::FormatNumber(p.maxElevation, "00", sep);
}

std::string ListHeader(int sizeCode) {
    if (NarrowLayout(sizeCode)) {
        return std::string(" Azm   Elev   MA   Hght  Rge") + "   Lon Lat   Orb Squ  Aos   Los";
    }
    return std::string("Azimuth Elevation  MA  Height  Range") +
           "   Lon Lat   Orbit  Squint  Aos   Los  MaxE";
}

}  // namespace orbivox

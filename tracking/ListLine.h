#pragma once
// The one-line data display of the working satellite and its header, in the two layouts:
// the narrow one (window size codes 1 and 2) inserts fields at fixed columns, each after at
// least one blank, and cuts the line's blanks at 49 characters; the wide one (codes 3 to 7)
// right-aligns fields in fixed widths.
#include <optional>
#include <string>

#include "orbit/PassSearch.h"
#include "tracking/PassTexts.h"

namespace orbivox {

struct ListValues {
    double azimuth = 0;
    double elevation = 0;
    double meanAnomaly = 0;  // MA
    double height = 0;       // km
    double range = 0;        // km
    double longitude = 0;    // degrees east, any range
    double latitude = 0;
    double orbitNumber = 0;
    std::optional<double> squint;  // none: the satellite has no squint data
};

struct PassColumns {
    bool geostationary = false;
    bool countdownMode = false;  // "Ct" rather than "AL"
    double untilRecompute = 0;   // days: recomputeAfter - now (while up)
    double untilAos = 0;         // days: aosRounded - now (while down)
    std::string aosText;         // the AOS/LOS text (AosLosText)
    std::string losText;
    double maxElevation = 0;
};

// The AOS text followed, once a pass was found, by the LOS text (tracking/PassTexts): one
// blank apart in the narrow layout, two in the wide one.
std::string AosLosText(const orbit::PassData& pass, int sizeCode);

// The data fields, without the pass columns. The pass search runs between the two.
std::string FormatListFields(const ListValues& values, int sizeCode, char decimalSeparator);

// The pass columns appended to the fields.
std::string FormatPassColumns(const PassColumns& pass, double elevation, int sizeCode,
                              char decimalSeparator);

// The header label lblKopfZeile for a window size code.
std::string ListHeader(int sizeCode);

}  // namespace orbivox

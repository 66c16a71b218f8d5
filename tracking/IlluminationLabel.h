#pragma once
// The label lblIll that tells whether the working satellite is in sunlight or eclipsed: its
// text and colours.
#include "orbit/Sun.h"

namespace orbivox {

struct IlluminationLabel {
    const char* text;
    unsigned foreground;  // 0xRRGGBB
    unsigned background;
};

IlluminationLabel IlluminationLabelFor(orbit::Illumination illumination);

}  // namespace orbivox

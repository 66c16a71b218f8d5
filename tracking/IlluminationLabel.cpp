// " Sat in Sun " in yellow on grey, " Sat eclipsed " in white on black.
#include "tracking/IlluminationLabel.h"

namespace orbivox {

IlluminationLabel IlluminationLabelFor(orbit::Illumination illumination) {
    if (illumination == orbit::Illumination::InSun)
        return {" Sat in Sun ", 0xFFFF00, 0x808080};
    return {" Sat eclipsed ", 0xFFFFFF, 0x000000};
}

}  // namespace orbivox

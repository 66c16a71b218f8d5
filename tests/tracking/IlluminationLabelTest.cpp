// The lblIll label's texts and colours for a satellite in sunlight and in the shadow.
#include "tracking/IlluminationLabel.h"

#include <gtest/gtest.h>

namespace orbivox {
namespace {

TEST(IlluminationLabel, TextAndColoursByIllumination) {
    const IlluminationLabel sun = IlluminationLabelFor(orbit::Illumination::InSun);
    const IlluminationLabel shadow = IlluminationLabelFor(orbit::Illumination::Eclipsed);
    EXPECT_STREQ(sun.text, " Sat in Sun ");
    EXPECT_EQ(sun.background, 0x808080u);
    EXPECT_STREQ(shadow.text, " Sat eclipsed ");
}

}  // namespace
}  // namespace orbivox

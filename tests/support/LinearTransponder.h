#pragma once
// A selected linear transponder (USB down, LSB up) for the radio tests.
#include "radio/TransponderSelection.h"

namespace orbivox {

inline SelectedTransponder Linear(double fD, double fU, bool inverting = true) {
    SelectedTransponder s;
    s.found = true;
    s.downlinkKHz = fD;
    s.uplinkKHz = fU;
    s.downlinkMode = s.savedDownlinkMode = "USB";
    s.uplinkMode = s.savedUplinkMode = "LSB";
    s.inverting = inverting;
    return s;
}

}  // namespace orbivox

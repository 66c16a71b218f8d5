#pragma once
// The Kenwood family's descriptor (text commands ending in ";").
#include "radio/RadioFamilies.h"

namespace orbivox {

const RadioFamilyDescriptor& KenwoodFamily();

}  // namespace orbivox

#pragma once
// The YaesuII family's descriptor (text commands ending in ";").
#include "radio/RadioFamilies.h"

namespace orbivox {

const RadioFamilyDescriptor& YaesuIIFamily();

}  // namespace orbivox

#pragma once
// The Icom CI-V family's descriptor.
#include "radio/RadioFamilies.h"

namespace orbivox {

const RadioFamilyDescriptor& IcomFamily();

}  // namespace orbivox

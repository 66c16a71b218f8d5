#pragma once
// The classic Yaesu family's descriptor (five-byte blocks).
#include "radio/RadioFamilies.h"

namespace orbivox {

const RadioFamilyDescriptor& YaesuFamily();

}  // namespace orbivox

#pragma once
// The Hamlib family's descriptor: any radio Hamlib knows, through a running rigctld.
#include "radio/RadioFamilies.h"

namespace orbivox {

const RadioFamilyDescriptor& HamlibFamily();

}  // namespace orbivox

#pragma once
// The Icom CI-V command set, on one radio or on two radios sharing one CI-V port (a receive
// and a transmit address).
#include <memory>

#include "radio/RadioCommandSet.h"
#include "radio/icom/IcomFiles.h"
#include "radio/icom/IcomModels.h"

namespace orbivox {

std::unique_ptr<RadioCommandSet> MakeIcomCommandSet(const CommandSetSettings& settings);

// Two Icom radios on one port: "UV" works with the receive and transmit addresses exchanged.
IcomAddressPair AddressPairForBandPair(BandPair pair, IcomAddressPair configured);

}  // namespace orbivox

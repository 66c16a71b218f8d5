#pragma once
// The Hamlib family's command set: rigctld's extended protocol over its TCP line.
#include <QString>
#include <memory>

#include "radio/RadioCommandSet.h"

namespace orbivox {

// rigctld waits on the radio behind it: an answer is awaited this long at least, whatever
// the CAT delay (which may be 0).
inline constexpr int kRigctldLeastWaitMs = 200;

std::unique_ptr<RadioCommandSet> MakeHamlibCommandSet(const CommandSetSettings& settings);

}  // namespace orbivox

#pragma once
// The Hamlib family's command set: rigctld's extended protocol over its TCP line.
#include <QString>
#include <memory>
#include <optional>

#include "net/RigctldAnswer.h"
#include "radio/CatLink.h"
#include "radio/RadioCommandSet.h"

namespace orbivox {

// rigctld waits on the radio behind it: an answer is awaited this long at least, whatever
// the CAT delay (which may be 0).
inline constexpr int kRigctldLeastWaitMs = 200;

// One line to rigctld ("+f" without its newline) and its answer, awaited at least
// `leastWaitMs`; nothing when none came whole.
std::optional<RigctldAnswer> AskRigctld(CatLink& link, const QString& line, int leastWaitMs);

std::unique_ptr<RadioCommandSet> MakeHamlibCommandSet(const CommandSetSettings& settings);

}  // namespace orbivox

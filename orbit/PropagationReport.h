#pragma once
// The text report of the command-line tool's "propagate": per set in table
// order a header line, then one state per requested time. The format is a
// public contract (docs/cli.md).

#include <ostream>
#include <vector>

#include "orbit/OrbitEngine.h"

namespace orbit {

// Writes "# <index> <catalogue number> <name>" for each set 1..N, then
// "<tsince> <x> <y> <z> <xdot> <ydot> <zdot>" per time (km, 8 decimals;
// km/s, 9 decimals) or "<tsince> error <reason>".
void WritePropagationReport(OrbitEngine& engine, const std::vector<double>& minutesFromEpoch,
                            std::ostream& out);

}  // namespace orbit

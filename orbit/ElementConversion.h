#pragma once
// Turning element text into model units, and the quantities derived from it.

#include <string>
#include <string_view>

#include "orbit/ElementSet.h"
#include "orbit/ModelChoice.h"
#include "orbit/SetTable.h"

namespace orbit {

struct ConversionContext {
    ModelChoice model = ModelChoice::Sgp4;  // decides the zero-drag rule
    int century = 2000;                     // for two-digit epoch years
};

// Columns first..last (1-based) of `line`, blanks as "0", "0" when empty.
// Columns beyond the end of the line count as missing.
std::string ElementField(std::string_view line, int first, int last);

// The whole text as a number, else 0.
double ElementNumber(std::string_view text);

// Fills the model fields of a two-line set from its stored line1/line2.
void ConvertTwoLineSet(ElementSet& set, const ConversionContext& context);

// The nine values of a verbose set, as written (degrees, revolutions).
struct VerboseValues {
    double epoch = 0, inclination = 0, node = 0, eccentricity = 0, argumentOfPerigee = 0;
    double meanAnomaly = 0, meanMotion = 0, meanMotionRate = 0, epochRevolution = 0;
};
void ConvertVerboseSet(ElementSet& set, const VerboseValues& values,
                       const ConversionContext& context);

// Fills the model fields of an OMM set from its stored `omm` values.
void ConvertOmmSet(ElementSet& set, const ConversionContext& context);

// Converts sets 1..N again (the model choice may have changed) and leaves
// set N current. Verbose and OMM sets have no lines; they are re-derived from
// their stored values.
void ConvertAllSets(SetTable& table, const ConversionContext& context);

}  // namespace orbit

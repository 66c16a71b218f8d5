#pragma once
// The two format readers behind ReadElementLines; they fill the table and
// the result, and set N.

#include <string>
#include <vector>

#include "orbit/ElementFile.h"

namespace orbit {

void ReadTwoLineSets(const std::vector<std::string>& lines, SetTable& table,
                     const ElementReadOptions& options, ElementReadResult& result);
void ReadVerboseSets(const std::vector<std::string>& lines, SetTable& table,
                     const ElementReadOptions& options, ElementReadResult& result);

}  // namespace orbit

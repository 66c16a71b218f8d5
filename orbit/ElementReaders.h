#pragma once
// The two format readers behind ReadElementLines; they fill the table and
// the result, and set N.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/ElementFile.h"

namespace orbit {

// The label endings of a verbose set's nine values, in the order they follow "Satellite:".
inline constexpr std::array<std::string_view, 9> kVerboseLabelEndings = {
    "time:", "nation:", "node:", "city:", "igee:", "maly:", "motion:", "rate:", "rev:"};

// The name a set is listed under: its own (`name`, from a title line or OBJECT_NAME; empty
// when the file has none, `ownNames` false) or the names list's, by the read options.
std::string ListedName(std::string name, std::string_view catalogue, std::string_view designator,
                       const ElementReadOptions& options, bool ownNames);

void ReadTwoLineSets(const std::vector<std::string>& lines, SetTable& table,
                     const ElementReadOptions& options, ElementReadResult& result);
void ReadVerboseSets(const std::vector<std::string>& lines, SetTable& table,
                     const ElementReadOptions& options, ElementReadResult& result);

}  // namespace orbit

#pragma once
// Catalogue numbers in their written forms: five digits in the two-line columns, the Alpha-5
// form whose first column is a letter (A = 10 ... Z = 33, without I and O) for 100000 to
// 339999, and whole numbers up to nine digits from OMM files.

#include <optional>
#include <string>
#include <string_view>

namespace orbit {

inline constexpr long long kMaxCatalogueNumber = 999999999;

// The number a catalogue column or OMM value stands for; blanks around it are ignored, leading
// blanks inside five columns count as zeros. Nothing for text that is no catalogue number.
std::optional<long long> CatalogueNumberValue(std::string_view text);

// How a set stores its number: up to 99999 as the five two-line columns (leading zeros), so the
// names list still compares them as before; above that the whole number.
std::string CatalogueNumberText(long long number);

// The number as shown to the operator: the whole number, Alpha-5 decoded; text that is no
// catalogue number is shown as it is.
std::string ShownCatalogueNumber(std::string_view text);

}  // namespace orbit

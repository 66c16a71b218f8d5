// Decoding and writing catalogue numbers: plain digits, the Alpha-5 letter column and the
// five-column form sets store.
#include "orbit/CatalogueNumber.h"

#include <cstdio>

#include "orbit/ElementLineTests.h"

namespace orbit {
namespace {

// A = 10 ... Z = 33; I and O are left out so that they are not taken for 1 and 0.
std::optional<int> Alpha5Value(char letter) {
    if (letter < 'A' || letter > 'Z' || letter == 'I' || letter == 'O')
        return std::nullopt;
    int value = 10 + (letter - 'A');
    if (letter > 'I')
        --value;
    if (letter > 'O')
        --value;
    return value;
}

std::optional<long long> DigitsValue(std::string_view digits) {
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    long long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<long long> CatalogueNumberValue(std::string_view text) {
    std::string trimmed = TrimRight(text);
    std::string_view t = trimmed;
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    if (t.empty())
        return std::nullopt;
    if (const std::optional<int> high = Alpha5Value(t.front())) {
        // Only the five-column form carries a letter: the letter and four digits.
        if (t.size() != 5)
            return std::nullopt;
        const std::optional<long long> low = DigitsValue(t.substr(1));
        if (!low)
            return std::nullopt;
        return *high * 10000LL + *low;
    }
    return DigitsValue(t);
}

std::string CatalogueNumberText(long long number) {
    char text[24];
    std::snprintf(text, sizeof text, "%05lld", number);
    return text;
}

std::string ShownCatalogueNumber(std::string_view text) {
    const std::optional<long long> value = CatalogueNumberValue(text);
    return value ? std::to_string(*value) : std::string(text);
}

}  // namespace orbit

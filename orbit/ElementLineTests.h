#pragma once
// Small text tests the element readers share.

#include <string>
#include <string_view>

namespace orbit {

inline bool StartsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

// Blanks around a name or a field: spaces, tabs, and carriage returns a file edited on
// several systems may carry.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

inline std::string TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return std::string(s);
}

// A UTF-8 byte-order mark before the text is no part of it.
inline std::string_view WithoutByteOrderMark(std::string_view text) {
    if (StartsWith(text, "\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return text;
}

inline std::string Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return TrimRight(s);
}

}  // namespace orbit

#pragma once
// Small text tests the element readers share.

#include <string>
#include <string_view>

namespace orbit {

inline bool StartsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

inline std::string TrimRight(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return std::string(s);
}

inline std::string Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return TrimRight(s);
}

}  // namespace orbit

// Formatting by pattern: numbers rounded half away from zero from their 15 significant digits,
// date, time and duration patterns, and the rounding of map coordinates to pixels.
#include "orbit/DisplayFormat.h"

#include "orbit/TimeScales.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orbit {
namespace {

struct PatternShape {
    int minIntegerDigits = 0;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
};

PatternShape ReadPattern(std::string_view pattern) {
    PatternShape shape;
    const auto point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    for (char c : integerPart) {
        if (c == '0') {
            ++shape.minIntegerDigits;
        }
    }
    if (point != std::string_view::npos) {
        for (char c : pattern.substr(point + 1)) {
            if (c == '0' || c == '#') {
                ++shape.maxFractionDigits;
                if (c == '0') {
                    shape.minFractionDigits = shape.maxFractionDigits;
                }
            }
        }
    }
    return shape;
}

// The magnitude as decimal digits with the decimal point after `pointPos` digits,
// rounded half away from zero at `decimals` places after the point.
struct Decimal {
    std::string digits;  // no leading zeros except a single "0" integer part
    int integerDigits = 1;
};

Decimal RoundToDecimals(double magnitude, int decimals) {
    // 15 significant digits, as the value was entered or computed, before rounding to the
    // pattern; rounding the binary value directly would turn 0.15 into 0.1.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    std::string mantissa;
    for (const char* p = buffer; *p != 'e'; ++p) {
        if (*p != '.') {
            mantissa += *p;
        }
    }
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);

    // Lay the digits out as a fixed-point string with the point after `pointPos` digits.
    int pointPos = exponent + 1;
    if (pointPos <= 0) {
        mantissa.insert(0, static_cast<size_t>(1 - pointPos), '0');
        pointPos = 1;
    }
    const int wanted = pointPos + decimals;
    if (static_cast<int>(mantissa.size()) < wanted + 1) {
        mantissa.append(static_cast<size_t>(wanted + 1 - static_cast<int>(mantissa.size())), '0');
    }
    const bool roundUp = mantissa[static_cast<size_t>(wanted)] >= '5';
    mantissa.resize(static_cast<size_t>(wanted));
    if (roundUp) {
        int i = wanted - 1;
        while (i >= 0 && mantissa[static_cast<size_t>(i)] == '9') {
            mantissa[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++mantissa[static_cast<size_t>(i)];
        } else {
            mantissa.insert(mantissa.begin(), '1');
            ++pointPos;
        }
    }
    // Drop leading zeros of the integer part, keeping one.
    size_t leading = 0;
    while (static_cast<int>(leading) < pointPos - 1 && mantissa[leading] == '0') {
        ++leading;
    }
    return Decimal{mantissa.substr(leading), pointPos - static_cast<int>(leading)};
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator) {
    const PatternShape shape = ReadPattern(pattern);
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    }
    const Decimal rounded = RoundToDecimals(std::fabs(value), shape.maxFractionDigits);
    std::string integerPart = rounded.digits.substr(0, static_cast<size_t>(rounded.integerDigits));
    std::string fraction = rounded.digits.substr(static_cast<size_t>(rounded.integerDigits));
    while (static_cast<int>(fraction.size()) > shape.minFractionDigits && !fraction.empty() &&
           fraction.back() == '0') {
        fraction.pop_back();
    }
    const bool isZero = integerPart.find_first_not_of('0') == std::string::npos &&
                        fraction.find_first_not_of('0') == std::string::npos;
    if (integerPart == "0") {
        integerPart.clear();
    }
    if (static_cast<int>(integerPart.size()) < shape.minIntegerDigits) {
        integerPart.insert(0, static_cast<size_t>(shape.minIntegerDigits) - integerPart.size(),
                           '0');
    }
    std::string text = integerPart;
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    if (value < 0 && !isZero) {
        text.insert(text.begin(), '-');
    }
    return text;
}

namespace {

void AppendPadded(std::string& out, long long value, int width) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, value);
    out += buffer;
}

}  // namespace

std::string FormatDateTime(double julianDate, std::string_view pattern) {
    const orbit::CivilTime t = orbit::CivilFromJulianDate(julianDate);
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        const std::string_view rest = pattern.substr(i);
        if (rest.starts_with("yyyy")) {
            AppendPadded(out, t.year, 4);
            i += 4;
        } else if (rest.starts_with("hh")) {
            AppendPadded(out, t.hour, 2);
            i += 2;
        } else if (rest.starts_with("nn")) {
            AppendPadded(out, t.minute, 2);
            i += 2;
        } else if (rest.starts_with("ss")) {
            AppendPadded(out, t.second, 2);
            i += 2;
        } else if (rest.starts_with("dd")) {
            AppendPadded(out, t.day, 2);
            i += 2;
        } else if (rest.starts_with("mm")) {
            AppendPadded(out, t.month, 2);
            i += 2;
        } else {
            out += pattern[i];
            ++i;
        }
    }
    return out;
}

std::string FormatDuration(double days, std::string_view pattern) {
    // A Julian date whose day starts at the span's start.
    return FormatDateTime((days > 0 ? days : 0.0) - 0.5, pattern);
}

int RealToPixel(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace orbit

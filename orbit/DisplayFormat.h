#pragma once
// Display patterns for numbers, times and dates, and the real-to-pixel rounding rule.
// Every number the program shows, publishes or sends as text goes through here.
#include <string>
#include <string_view>

namespace orbit {

// Formats value by a pattern such as "##0.0", "#000000.000" or "######.##":
// '0' is a digit that is always printed, '#' a digit printed only when significant,
// '.' the place of the decimal separator. The value is rounded to the pattern's last
// decimal, halves away from zero, from its 15-significant-digit decimal form (so 0.15
// with "0.0" gives "0.2", as a reader of the number expects). A result that rounds to
// zero carries no minus sign. A pattern with only '#' prints nothing for zero.
std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator = '.');

// Formats an instant by a pattern of "hh", "nn", "ss", "dd", "mm", "yyyy" and literal
// characters ("hh:nn", "hh:nn:ss", "dd.mm.yyyy"). The instant is a Julian date (days,
// midnight at .5) in whatever time zone the caller shows; it is rounded to the millisecond
// and the fields are then cut, not rounded, as a clock shows them.
std::string FormatDateTime(double julianDate, std::string_view pattern);

// Formats a span of time in days ("hh:nn" of a countdown) as a time of day would be;
// spans of a day or more wrap, as on a clock. Negative spans show as zero.
std::string FormatDuration(double days, std::string_view pattern);

// Real-to-pixel conversion: the nearest integer, halves to the even neighbour.
int RealToPixel(double value);

}  // namespace orbit

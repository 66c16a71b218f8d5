// Reading the squint lines (names, "v" or a dated attitude), placing a satellite's antenna axis
// in space, and the angle between that axis and the line to the station.
#include "orbit/Squint.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string_view>

#include "orbit/NumericHelpers.h"
#include "orbit/OrbitConstants.h"
#include "orbit/ProgramAngles.h"

namespace orbit {
namespace {

constexpr double kSquareLimit = 0.9999;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

bool ReadNumber(std::string_view text, double& value) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           std::isfinite(value);
}

bool IsNow(std::string_view date) {
    if (date.size() < 3)
        return false;
    std::string head(date.substr(0, 3));
    for (char& c : head)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return head == "now";
}

// DDMMYYYY with a real calendar day.
bool ReadDate(std::string_view date, int& day, int& month, int& year) {
    date = Trim(date);
    if (date.size() != 8 || !std::all_of(date.begin(), date.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        return false;
    }
    day = (date[0] - '0') * 10 + (date[1] - '0');
    month = (date[2] - '0') * 10 + (date[3] - '0');
    year = std::stoi(std::string(date.substr(4)));
    return day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

SquintEntry ParseEntry(std::string_view line) {
    SquintEntry entry;
    const auto firstComma = line.find(',');
    entry.name = std::string(line.substr(0, firstComma));
    if (firstComma == std::string_view::npos)
        return entry;
    const std::string_view rest = line.substr(firstComma + 1);
    if (!rest.empty() && rest.front() == 'v') {
        entry.mode = SquintMode::Nadir;
        return entry;
    }
    const auto second = rest.find(',');
    if (second == std::string_view::npos)
        return entry;
    const auto third = rest.find(',', second + 1);
    if (third == std::string_view::npos)
        return entry;
    const std::string_view date = Trim(rest.substr(0, second));
    const std::string_view alon = rest.substr(second + 1, third - second - 1);
    const std::string_view alat = rest.substr(third + 1, 6);
    int day = 0, month = 0, year = 0;
    if (!IsNow(date) && !ReadDate(date, day, month, year))
        return entry;
    if (!ReadNumber(alon, entry.alon) || !ReadNumber(alat, entry.alat))
        return entry;
    entry.date = std::string(date);
    entry.mode = SquintMode::Attitude;
    return entry;
}

// Calendar day and month of a day of the year, with the February of two-digit years that
// divide by four.
void DayOfYearToDate(int dayOfYear, int twoDigitYear, int& day, int& month) {
    const int lengths[12] = {
        31, twoDigitYear % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    month = 1;
    day = dayOfYear;
    while (month < 12 && day > lengths[month - 1]) {
        day -= lengths[month - 1];
        ++month;
    }
}

double FitDegrees(double value) {
    if (value > 359.99)
        value -= 360.0;
    if (value < 0.0)
        value += 360.0;
    return value;
}

// The fractional part of the 360th, as the axis angles are reduced.
double FractionOfTurn(double degrees) {
    const double turns = degrees / 360.0;
    return (turns - std::trunc(turns)) * 360.0;
}

double LimitSquare(double value) {
    if (value * value > kSquareLimit)
        return std::copysign(std::sqrt(kSquareLimit), value);
    return value;
}

}  // namespace

std::vector<SquintEntry> ParseSquintLines(const std::vector<std::string>& lines) {
    std::vector<SquintEntry> entries;
    for (const std::string& raw : lines) {
        std::string_view line = raw;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';')
            continue;
        if (static_cast<int>(entries.size()) >= kMaxSquintEntries)
            break;
        entries.push_back(ParseEntry(line));
    }
    return entries;
}

double SquintDayNumber(int day, int month, int year) {
    int y = year - 1900;
    int m = month + 1;
    if (m < 4) {
        y -= 1;
        m += 12;
    }
    return std::trunc(365.25 * y) + std::trunc(30.6001 * m) + day - 28553;
}

SquintAxis PrepareSquint(const ElementSet& set, const std::vector<SquintEntry>& entries,
                         double dayNumber) {
    SquintAxis axis;
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const SquintEntry& e) { return e.name == set.name; });
    if (found == entries.end() || found->mode == SquintMode::None)
        return axis;
    if (found->mode == SquintMode::Nadir) {
        axis.mode = SquintMode::Nadir;
        return axis;
    }

    double attitudeDay = 0.0;
    if (IsNow(found->date)) {
        attitudeDay = std::trunc(dayNumber);
    } else {
        int day = 0, month = 0, year = 0;
        if (!ReadDate(found->date, day, month, year))
            return axis;
        attitudeDay = SquintDayNumber(day, month, year);
    }
    // A damaged set's epoch (not YYDDD.ddd) has no day to drift the attitude from.
    if (!(set.epoch >= 0.0 && set.epoch < 100000.0))
        return axis;
    const int twoDigitYear = static_cast<int>(std::trunc(set.epoch / 1000.0));
    const int dayOfYear = static_cast<int>(std::trunc(set.epoch - twoDigitYear * 1000.0));
    int epochDay = 0, epochMonth = 0;
    DayOfYearToDate(dayOfYear, twoDigitYear, epochDay, epochMonth);
    const double epochDayNumber = SquintDayNumber(epochDay, epochMonth, 2000 + twoDigitYear);

    const double delta = attitudeDay - epochDayNumber;
    const double node = FitDegrees(delta * set.nodeDrift + set.nodeDeg);
    const double perigee = FitDegrees(delta * set.perigeeDrift + set.argumentOfPerigeeDeg);

    const double k = kProgramDegree;
    const double a = (450.0 - perigee - found->alon) * k;
    const double i = set.inclinationDeg * k;
    const double b = found->alat * k;
    const double sinDelta =
        std::clamp(std::cos(a) * std::sin(i) * std::cos(b) + std::cos(i) * std::sin(b), -1.0, 1.0);
    const double decl = std::asin(sinDelta);
    // Equatorial orbits and polar axes leave the hour angle open: take it at the quarter.
    const double denominator = std::sin(i) * std::cos(decl);
    double cosH = denominator == 0.0 ? 0.0 : (std::sin(b) - sinDelta * std::cos(i)) / denominator;
    cosH = std::clamp(cosH, -1.0, 1.0);
    double hourAngle = kProgramPi / 2.0 - std::asin(cosH);
    if (std::sin(a) < 0.0)
        hourAngle = 2.0 * kProgramPi - hourAngle;

    double rightAscension = FractionOfTurn(hourAngle / k + node - 90.0);
    rightAscension += rightAscension < 180.0 ? 180.0 : -180.0;
    const double declination = FractionOfTurn(-decl / k);
    axis.mode = SquintMode::Attitude;
    axis.rightAscension = rightAscension * k;
    axis.declination = declination * k;
    return axis;
}

double ComputeSquint(const SquintAxis& axis, const SquintView& view) {
    const double k = kProgramDegree;
    switch (axis.mode) {
        case SquintMode::None:
            return 0.0;
        case SquintMode::Nadir: {
            double x = std::sin((view.elevation + 90.0) * k) * kXkmper / view.centreDistance;
            x = std::min(x, 0.9999);
            return std::asin(x) * 180.0 / kProgramPi;
        }
        case SquintMode::Attitude:
            break;
    }
    const double el = view.elevation * k;
    const double az = view.azimuth * k;
    const double lat = view.observerLatitude * k;
    const double s = LimitSquare(std::sin(el) * std::sin(lat) +
                                 std::cos(el) * std::cos(lat) * std::cos(az) - 1e-5);
    const double sightDecl = std::asin(s);
    const double q = LimitSquare((std::sin(el) - std::sin(lat) * std::sin(sightDecl)) /
                                 (std::cos(lat) * std::cos(sightDecl)));
    double hourAngle = kProgramPi / 2.0 - std::asin(q);
    if (az < kProgramPi)
        hourAngle = 2.0 * kProgramPi - hourAngle;
    const double wholeDays = std::trunc(view.dayNumber);
    const double dayFraction = (view.dayNumber - view.computationShift) - wholeDays;
    const double sidereal =
        360.985647 * dayFraction + 0.985647335 * wholeDays + 100.2907 + view.observerLongitude;
    const double sightRightAscension = sidereal * k - hourAngle;
    const double cosSquint = LimitSquare(std::sin(axis.declination) * std::sin(sightDecl) +
                                         std::cos(axis.declination) * std::cos(sightDecl) *
                                             std::cos(axis.rightAscension - sightRightAscension));
    return (kProgramPi / 2.0 - std::asin(cosSquint)) / k;
}

}  // namespace orbit

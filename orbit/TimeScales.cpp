// Reading the PC clock with its zone offset, the zone mode and UTC offset settings, converting
// between the program's time scales, and calendar dates to and from Julian dates.
#include "orbit/TimeScales.h"

#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <string>

namespace orbit {
namespace {

constexpr double kUnixEpochJulianDate = 2440587.5;

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

ClockReading SystemClock::Now() const {
    const auto now = std::chrono::system_clock::now();
    const double unixSeconds = std::chrono::duration<double>(now.time_since_epoch()).count();
    const std::time_t whole = static_cast<std::time_t>(std::floor(unixSeconds));
    // The zone's offset at this moment, from the broken-down local time.
    const std::tm local = *std::localtime(&whole);
    const long long localDays =
        DaysFromCivil(local.tm_year + 1900LL, local.tm_mon + 1, local.tm_mday);
    const double localSeconds = static_cast<double>(localDays) * 86400.0 + local.tm_hour * 3600.0 +
                                local.tm_min * 60.0 + local.tm_sec;
    const double offsetSeconds = localSeconds - static_cast<double>(whole);
    const double utcJulian = kUnixEpochJulianDate + unixSeconds / 86400.0;
    ClockReading reading;
    reading.utc = utcJulian - kDisplayTimeToJulianDate;
    reading.local = reading.utc + offsetSeconds / 86400.0;
    return reading;
}

std::optional<ZoneMode> ParseZoneMode(std::string_view text) {
    text = Trim(text);
    if (text == "L")
        return ZoneMode::Local;
    if (text == "U")
        return ZoneMode::Utc;
    return std::nullopt;
}

char ZoneModeLetter(ZoneMode mode) {
    return mode == ZoneMode::Local ? 'L' : 'U';
}

std::optional<double> ParseUtcOffset(std::string_view text, const Clock& clock) {
    text = Trim(text);
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "auto") {
        const ClockReading now = clock.Now();
        // To the minute: the two readings of the clock may straddle a tick.
        return std::round((now.local - now.utc) * 1440.0) / 60.0;
    }
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double hours = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hours);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(hours)) {
        return std::nullopt;
    }
    return hours;
}

TimeShifts ShiftsFor(double utcOffsetHours, ZoneMode mode) {
    TimeShifts shifts;
    if (mode == ZoneMode::Local) {
        shifts.computation = utcOffsetHours / 24.0;
    } else {
        shifts.display = utcOffsetHours / 24.0;
    }
    return shifts;
}

TimeState TimeFromClock(double localClockTime, const TimeShifts& shifts) {
    TimeState t;
    t.displayTime = localClockTime - shifts.display;
    t.dayNumber = t.displayTime - kDisplayTimeToDayNumber;
    t.displayJulianDate = t.displayTime + kDisplayTimeToJulianDate;
    t.computationInstant = t.displayJulianDate - shifts.computation;
    return t;
}

TimeState TimeAtDayNumber(double dayNumber, const TimeShifts& shifts) {
    TimeState t;
    t.dayNumber = dayNumber;
    t.displayTime = dayNumber + kDisplayTimeToDayNumber;
    t.displayJulianDate = dayNumber + kDayNumberToJulianDate;
    t.computationInstant = t.displayJulianDate - shifts.computation;
    return t;
}

TimeState UpdateClock(const Clock& clock, const TimeShifts& shifts) {
    return TimeFromClock(clock.Now().local, shifts);
}

CivilTime CivilFromJulianDate(double julianDate) {
    const double millis = std::round((julianDate - kUnixEpochJulianDate) * 86400000.0);
    long long days = static_cast<long long>(std::floor(millis / 86400000.0));
    long long rest = static_cast<long long>(millis - static_cast<double>(days) * 86400000.0);
    if (rest >= 86400000) {
        ++days;
        rest -= 86400000;
    }
    CivilTime civil;
    CivilFromDays(days, civil.year, civil.month, civil.day);
    civil.hour = static_cast<int>(rest / 3600000);
    civil.minute = static_cast<int>(rest / 60000 % 60);
    civil.second = static_cast<int>(rest / 1000 % 60);
    civil.millisecond = static_cast<int>(rest % 1000);
    return civil;
}

double JulianDateFromCivil(const CivilTime& civil) {
    const long long days = DaysFromCivil(civil.year, civil.month, civil.day);
    const double seconds =
        civil.hour * 3600.0 + civil.minute * 60.0 + civil.second + civil.millisecond / 1000.0;
    return kUnixEpochJulianDate + static_cast<double>(days) + seconds / 86400.0;
}

}  // namespace orbit

#pragma once
// The time scales of the program. The PC clock (local time) becomes the display time, the
// day number, the display Julian date and the computation instant (UTC Julian date).
// Clock instants are days since 1899-12-30 00:00, as the PC clock counts them.

#include <optional>
#include <string_view>

namespace orbit {

inline constexpr double kDisplayTimeToDayNumber = 28491.0;     // D = display time - this
inline constexpr double kDisplayTimeToJulianDate = 2415018.5;  // JD = display time + this
inline constexpr double kDayNumberToJulianDate = 2443509.5;    // JD = D + this
inline constexpr double kSecondInDays = 1.0 / 86400.0;

// The clock seam: local time and UTC of this moment.
struct ClockReading {
    double local = 0.0;  // days since 1899-12-30 00:00, local time
    double utc = 0.0;    // the same moment in UTC
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading Now() const = 0;
};

// The PC clock and the system's time zone.
class SystemClock : public Clock {
public:
    ClockReading Now() const override;
};

// A clock that shows what it is told; for tests, the preview and the command-line tool.
class FixedClock : public Clock {
public:
    FixedClock() = default;
    FixedClock(double local, double utc) : reading_{local, utc} {}
    ClockReading Now() const override { return reading_; }
    void Set(double local, double utc) { reading_ = {local, utc}; }
    void Advance(double days) {
        reading_.local += days;
        reading_.utc += days;
    }

private:
    ClockReading reading_;
};

// "L": times shown in local time; "U": times shown in UTC.
enum class ZoneMode { Local, Utc };

std::optional<ZoneMode> ParseZoneMode(std::string_view text);
char ZoneModeLetter(ZoneMode mode);

// The UTC offset text of the site: "auto" (any case) is the clock's local time minus its
// UTC in hours (to the minute); anything else must be a number of hours.
std::optional<double> ParseUtcOffset(std::string_view text, const Clock& clock);

// Shifts in days between the scales: A moves display time to UTC for the computations,
// B moves the clock's local time to the display time.
struct TimeShifts {
    double computation = 0.0;  // A
    double display = 0.0;      // B
};

TimeShifts ShiftsFor(double utcOffsetHours, ZoneMode mode);

// One reading of the time scales.
struct TimeState {
    double displayTime = 0.0;         // days since 1899-12-30, display scale
    double dayNumber = 0.0;           // D, days since 1978-01-01, display scale
    double displayJulianDate = 0.0;   // D + 2443509.5
    double computationInstant = 0.0;  // UTC Julian date
};

// The scales for a local clock time.
TimeState TimeFromClock(double localClockTime, const TimeShifts& shifts);
// The scales for a day number of the display scale (searches, preview, MA jumps).
TimeState TimeAtDayNumber(double dayNumber, const TimeShifts& shifts);
// What the tracking tick runs first.
TimeState UpdateClock(const Clock& clock, const TimeShifts& shifts);

// Calendar date and time of day, as a clock shows them (seconds cut after rounding the
// instant to the millisecond).
struct CivilTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

CivilTime CivilFromJulianDate(double julianDate);
double JulianDateFromCivil(const CivilTime& civil);

}  // namespace orbit

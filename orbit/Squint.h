#pragma once
// Squint: the angle between a satellite's antenna axis and the direction to the station.
// Squint.SQF names the satellites whose attitude is known: either "v" (antenna toward the
// Earth's centre) or an attitude date with the two angles ALON and ALAT.

#include <string>
#include <vector>

#include "orbit/ElementSet.h"

namespace orbit {

enum class SquintMode { None, Nadir, Attitude };

struct SquintEntry {
    std::string name;
    SquintMode mode = SquintMode::None;
    std::string date;   // "now" or DDMMYYYY, attitude form only
    double alon = 0.0;  // degrees
    double alat = 0.0;  // degrees
};

inline constexpr int kMaxSquintEntries = 1700;

// Reads the lines of Squint.SQF (";" comments). An entry whose attitude date or angles do not
// read is kept with mode None, so that satellite simply has no squint data.
std::vector<SquintEntry> ParseSquintLines(const std::vector<std::string>& lines);

// The squint data of one selected satellite.
struct SquintAxis {
    SquintMode mode = SquintMode::None;
    double rightAscension = 0.0;  // radians, antenna axis toward the Earth side
    double declination = 0.0;     // radians
};

// Days since 1978-01-01 of a calendar date, by the program's day-number formula.
double SquintDayNumber(int day, int month, int year);

// Looks up the set's entry (exact name) and, for an attitude, turns ALON/ALAT at the attitude
// date into the inertial direction of the antenna axis. `dayNumber` is the current day number
// (for "now").
SquintAxis PrepareSquint(const ElementSet& set, const std::vector<SquintEntry>& entries,
                         double dayNumber);

// The station's view of the satellite, for ComputeSquint.
struct SquintView {
    double elevation = 0.0;          // degrees, as shown
    double azimuth = 0.0;            // degrees
    double centreDistance = 0.0;     // km
    double observerLatitude = 0.0;   // degrees
    double observerLongitude = 0.0;  // degrees east
    double dayNumber = 0.0;          // D
    double computationShift = 0.0;   // A, days
};

// Squint in degrees; 0 for a satellite without squint data (the list shows "--" for those).
double ComputeSquint(const SquintAxis& axis, const SquintView& view);

}  // namespace orbit

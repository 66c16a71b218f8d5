#pragma once
// One satellite's mean elements, converted to the units the models read.

#include <string>

namespace orbit {

// Where a set came from; verbose and OMM sets have no element lines to convert again.
enum class ElementSource { TwoLine, Verbose, Omm };

// The values of an OMM record as the publisher writes them (degrees, revolutions per day, the
// two-line columns' rates), kept so that the set can be converted again and displayed.
struct OmmValues {
    std::string epochText;  // as written, for the display
    double epoch = 0.0;     // YYDDD.DDDDDDDD of the full date
    int century = 0;        // the epoch's own century: OMM dates carry the whole year
    double meanMotion = 0.0;
    double eccentricity = 0.0;
    double inclination = 0.0;
    double node = 0.0;
    double argumentOfPerigee = 0.0;
    double meanAnomaly = 0.0;
    double meanMotionDot = 0.0;      // ndot/2, revolutions per day^2
    double meanMotionDdot = 0.0;     // nddot/6, revolutions per day^3
    double dragTerm = 0.0;           // B*, 1/Earth radii
    long long elementSetNumber = 0;  // up to 9999 in the publisher's files
    long long revolutionAtEpoch = 0;
};

// Why a set cannot be propagated. Found at conversion so that every caller
// (tracking, pass search, footprint) can skip the satellite instead of
// feeding NaN into its loops.
enum class ElementFault {
    None,
    EccentricityOutOfRange,  // not in [0, 1)
    MeanMotionNotPositive,
};

// What the deep-space initialisation needs of the epoch alone: the Greenwich sidereal angle,
// days since 1950 and the Moon's and Sun's geometry at the epoch. Worked out once when the
// set is converted (for deep-space sets), since every selection initialises the model again.
struct DeepEpochTerms {
    int century = 0;     // the century the epoch was read in; 0 when not worked out
    double epoch = 0.0;  // the epoch they belong to, YYDDD.DDDDDDDD
    double thgr = 0.0;
    double ds50 = 0.0;
    double zmol = 0.0;
    double zmos = 0.0;
    double zcosil = 0.0;
    double zsinil = 0.0;
    double zsinhl = 0.0;
    double zcoshl = 0.0;
    double zcosgl = 0.0;
    double zsingl = 0.0;
};

// The original mean motion and semi-major axis recovered from the element set's mean motion,
// with the inclination and eccentricity factors on the way. Worked out once at conversion for
// a set without fault and kept with the elements it was made from.
struct RecoveredMotion {
    double cosio, theta2, x3thm1, eosq, betao2, betao, aodp, xnodp;
};
struct RecoveredMotionCache {
    bool made = false;
    double meanMotion = 0.0;
    double inclination = 0.0;
    double eccentricity = 0.0;
    RecoveredMotion motion{};
};

struct ElementSet {
    std::string name;  // empty marks a set that is not listed
    std::string shortName;
    std::string line1;  // element lines as read, cut to 69 characters
    std::string line2;
    // Columns 3-7 of line 1 (five digits, or the Alpha-5 form with a leading letter); an OMM
    // set's number up to 99999 in the same five-digit form, above that the whole number.
    std::string catalogueNumber;
    std::string internationalDesignator;  // columns 10-17 of line 1
    ElementSource source = ElementSource::TwoLine;
    OmmValues omm;  // OMM sets only

    double epoch = 0.0;  // YYDDD.DDDDDDDD as written
    // The century of the epoch's year when the set says it (OMM); 0 takes the clock's.
    int epochCentury = 0;
    double epochJulianDate = 0.0;
    double meanMotionRate = 0.0;        // ndot/2, rad/min^2
    double meanMotionSecondRate = 0.0;  // nddot/6, rad/min^3
    double dragTerm = 0.0;              // B*, 1/Earth radii
    std::string elementSetNumber = "000";

    double inclination = 0.0;  // radians
    double inclinationDeg = 0.0;
    double node = 0.0;  // right ascension of the ascending node, radians
    double nodeDeg = 0.0;
    double eccentricity = 0.0;
    double argumentOfPerigee = 0.0;
    double argumentOfPerigeeDeg = 0.0;
    double meanAnomaly = 0.0;
    double meanAnomalyDeg = 0.0;
    double meanMotion = 0.0;  // rad/min
    double meanMotionRevPerDay = 0.0;
    double epochRevolution = 0.0;  // revolution number at epoch - 0.5

    int deepSpaceFlag = 0;
    int initialiseFlag = 1;
    ElementFault fault = ElementFault::None;

    // Derived at conversion for the look-angle and display code.
    double perigeeDayNumber = 0.0;  // days since 1978-01-01 00:00
    double semiMajorAxis = 0.0;     // Earth radii
    double nodeDrift = 0.0;         // degrees per day
    double perigeeDrift = 0.0;      // degrees per day
    double rootOneMinusESquared = 0.0;
    double meanMotionRadPerDay = 0.0;
    DeepEpochTerms deepEpoch;
    RecoveredMotionCache recovered;
};

// The copy of one set that the models read. Propagation clears
// initialiseFlag here, never in the table, so every selection re-initialises.
struct CurrentSet {
    double meanAnomaly = 0.0;
    double node = 0.0;
    double argumentOfPerigee = 0.0;
    double eccentricity = 0.0;
    double inclination = 0.0;
    double meanMotion = 0.0;
    double meanMotionRate = 0.0;
    double meanMotionSecondRate = 0.0;
    double dragTerm = 0.0;
    double epoch = 0.0;
    int epochCentury = 0;
    double epochJulianDate = 0.0;
    std::string elementSetNumber = "000";
    int deepSpaceFlag = 0;
    int initialiseFlag = 1;
    ElementFault fault = ElementFault::None;

    double meanAnomalyDeg = 0.0;
    double nodeDeg = 0.0;
    double argumentOfPerigeeDeg = 0.0;
    double inclinationDeg = 0.0;
    double meanMotionRevPerDay = 0.0;
    double epochRevolution = 0.0;
    DeepEpochTerms deepEpoch;
    RecoveredMotionCache recovered;
};

}  // namespace orbit

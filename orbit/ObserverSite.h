#pragma once
// The observer's station as the settings hold it, and the geodetic site the look-angle
// code works with.

#include <string>

namespace orbit {

struct ObserverSite {
    std::string altitude = "0";  // metres above sea level, as text
    std::string locator;         // Maidenhead, 6 characters
    double longitude = 0.0;      // degrees, east positive
    double latitude = 0.0;       // degrees, north positive
    std::string utcOffset = "auto";
};

struct GeodeticSite {
    double latitude = 0.0;   // radians
    double longitude = 0.0;  // radians, 0..2π
    double altitudeKm = 0.0;
};

// The altitude text is read as a number of metres; text that holds no number counts as
// sea level (the observer dialogs refuse such text before it is stored).
GeodeticSite ObserverToSite(const ObserverSite& site);

}  // namespace orbit

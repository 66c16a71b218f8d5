#pragma once
// Maidenhead grid locators: field (A..R, 20 by 10 degrees), square (0..9, 2 by 1 degrees),
// sub-square (A..X, 5 by 2.5 minutes). Longitude counts east from 180 W, latitude north
// from 90 S.
#include <string>
#include <string_view>

namespace orbivox {

struct LocatorPosition {
    double eastLongitude = 0;  // 0..360
    double latitude = 0;
};

// The centre of a 6-character locator's sub-square (a 4-character one is completed with
// "LL" first). Letters may be lower case. The text must pass CheckLocatorChars.
LocatorPosition LocatorToDegrees(std::string_view locator);

// The 6-character locator of a longitude (-180..360, east positive) and latitude. The north
// pole, one step past the last field, is given the top row of the grid ("R", "9", "X").
std::string DegreesToLocator(double longitude, double latitude);

// Field and square only, for the map's mouse readout.
std::string DegreesToLocator4(double longitude, double latitude);

// Each present character valid for its position; an empty text or more than 6 characters
// is invalid. Lower case letters are accepted (locators are shown upper-cased).
bool CheckLocatorChars(std::string_view text);

}  // namespace orbivox

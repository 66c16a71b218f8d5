// Checking locator characters and converting between locators and degrees, with the edge
// cases of the north pole and of rounding at the end of a range.
#include "map/Locator.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace orbivox {

namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool ValidAt(size_t position, char c) {
    c = Upper(c);
    switch (position) {
        case 0:
        case 1:
            return c >= 'A' && c <= 'R';
        case 2:
        case 3:
            return c >= '0' && c <= '9';
        default:
            return c >= 'A' && c <= 'X';
    }
}

int CodeOf(char c) {
    c = Upper(c);
    return c >= '0' && c <= '9' ? c - '0' : c - 'A';
}

}  // namespace

bool CheckLocatorChars(std::string_view text) {
    if (text.empty() || text.size() > 6) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (!ValidAt(i, text[i])) {
            return false;
        }
    }
    return true;
}

LocatorPosition LocatorToDegrees(std::string_view locator) {
    std::string full(locator);
    if (full.size() == 4) {
        full += "LL";
    }
    full.resize(6, 'A');
    // 0.042 and 0.021 put the result in the middle of the sub-square.
    LocatorPosition p;
    p.eastLongitude =
        CodeOf(full[0]) * 20 + CodeOf(full[2]) * 2 + CodeOf(full[4]) / 12.0 - 180 + 0.042;
    if (p.eastLongitude < 0) {
        p.eastLongitude += 360;
    }
    p.latitude = CodeOf(full[1]) * 10 + CodeOf(full[3]) + CodeOf(full[5]) / 24.0 - 90 + 0.021;
    return p;
}

std::string DegreesToLocator(double longitude, double latitude) {
    if (!std::isfinite(longitude) || !std::isfinite(latitude)) {
        return "AA00AA";
    }
    longitude = std::fmod(longitude, 360.0);
    if (longitude >= 180) {
        longitude -= 360;
    } else if (longitude < -180) {
        longitude += 360;
    }
    // The grid ends just below the north pole; 90 itself would be field 18, past "R".
    latitude = std::clamp(latitude, -90.0, 90 - 1e-9);
    const double a = longitude / 20 + 9;
    const double b = latitude / 10 + 9;
    const double a1 = (a - std::trunc(a)) * 10;
    const double b1 = (b - std::trunc(b)) * 10;
    // Rounding at the very end of a range must not step past the last letter.
    auto letter = [](char first, double value, int last) {
        return static_cast<char>(first + std::clamp(static_cast<int>(value), 0, last));
    };
    std::string out;
    out += letter('A', a, 17);
    out += letter('A', b, 17);
    out += letter('0', a1, 9);
    out += letter('0', b1, 9);
    out += letter('A', (a1 - std::trunc(a1)) * 24, 23);
    out += letter('A', (b1 - std::trunc(b1)) * 24, 23);
    return out;
}

std::string DegreesToLocator4(double longitude, double latitude) {
    return DegreesToLocator(longitude, latitude).substr(0, 4);
}

}  // namespace orbivox

#pragma once
// Colours a control is given rather than taken from the palette. A control that fixes its
// background fixes its text colour with it: under a dark theme the palette's text is light and
// would vanish on silver or white. Controls that fix no background follow the palette.
#include <QString>

namespace orbivox {

inline constexpr const char* kWhiteBackground = "rgb(255, 255, 255)";
inline constexpr const char* kSilverBackground = "rgb(192, 192, 192)";

// The style sheet of a control on `background` (any style-sheet colour): black text on it,
// grey while the control is disabled.
inline QString FixedBackgroundStyle(const char* background) {
    return QStringLiteral("* { color: black; background-color: %1; } *:disabled { color: gray; }")
        .arg(QLatin1String(background));
}

}  // namespace orbivox

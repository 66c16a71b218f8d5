#pragma once
// The rules of the Observer Setup dialog: what a typed value of each item does, and
// storing the six observer lines of SatIni.SQF.
#include <QString>
#include <array>
#include <optional>
#include <utility>

namespace orbivox {

enum class ObserverItem { Altitude, Locator, Longitude, Latitude, UtcOffset, SourceMask };

// The SatIni.SQF line (from 1) of each item, in list order.
inline constexpr std::array<int, 6> kObserverLines = {1, 2, 3, 4, 13, 14};

inline constexpr const char* kPleaseCorrect = "   please, correct!";

struct ObserverEdit {
    QString shown;                 // what the value list shows
    std::optional<QString> store;  // the new line, when the text may be stored
    bool pleaseCorrect = false;    // show "   please, correct!"
    bool beep = false;
    std::optional<double> clockOffsetHours;  // a valid manual UTC offset
};

// One change of the edit field for an item. Numbers are whole values in range; a number
// still being typed ("-", "12.") is accepted quietly but not stored, so the file never
// holds a value the next start cannot read.
ObserverEdit EditObserverItem(ObserverItem item, const QString& typed);

// Writes the six values into SatIni.SQF, keeping every other line of the file as it is
// now. Throws SqfError.
void StoreObserverLines(const QString& satIniPath, const std::array<QString, 6>& values);

// "Locator > Degs.": the longitude and latitude texts (two decimals) of the centre of a
// 4- or 6-character locator's sub-square (a 4-character one means its middle sub-square);
// nothing for any other text.
std::optional<std::pair<QString, QString>> LocatorDegreeTexts(const QString& locator);

// The main window's status panel for the station: " Obs.: " longitude " / " latitude.
QString ObserverPanelText(double longitude, double latitude, char decimalSeparator);

}  // namespace orbivox

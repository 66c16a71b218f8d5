#pragma once
// SatIni.SQF (15 lines) with its companion ParPort.SQF, and DivOptions.SQF and SatPos.SQF:
// the start-up files that belong to no single subsystem.
#include <QChar>
#include <QList>
#include <QString>
#include <map>

#include "orbit/ObserverSite.h"

namespace orbivox {

struct StationSettings {
    QString altitudeText;          // 1  metres, a text holding a number
    QString locator;               // 2  six characters
    double longitude = 0;          // 3  degrees east
    double latitude = 0;           // 4  degrees north
    int radio1Port = 0;            // 5  0 = none
    int catDelayMs = 0;            // 6
    int parallelPortIndex = 0;     // 7  0..4
    int parallelPortDelay = 0;     // 8
    QChar turningPoint = 'N';      // 9  "N" or "S"
    double minimumElevation = 0;   // 10 degrees
    int horizontalCorrection = 0;  // 11 rounded
    int verticalCorrection = 0;    // 12 rounded
    QString utcOffset;             // 13 "auto" or hours
    QString sourceMask;            // 14
    QString openFolderText;        // 15 empty after a store by a dialog that wrote 14 lines
};

// Throws SqfError.
StationSettings ReadStationSettings(const QString& path);

// The station of the settings as the tracking works with it.
orbit::ObserverSite ObserverSiteOf(const StationSettings& station);

// SatIni.SQF line numbers, for dialogs that store their own lines with StoreSqfLines.
namespace SatIniLine {
enum : int {
    Altitude = 1,
    Locator,
    Longitude,
    Latitude,
    Radio1Port,
    CatDelay,
    ParallelPort,
    ParallelPortDelay,
    TurningPoint,
    MinimumElevation,
    HorizontalCorrection,
    VerticalCorrection,
    UtcOffset,
    SourceMask,
    OpenFolder
};
}

// ParPort.SQF: the parallel ports' addresses in port order (decimal or "$" hex).
QList<long long> ReadParallelPorts(const QString& path);
// The address of port k (1-based); port 0, or one the file does not list, gives 0.
long long ParallelPortAddress(const QList<long long>& addresses, int port);

struct DivOptions {
    bool instanceChecks = false;               // 1 "+"
    bool dataItemAlways = true;                // 2 "-": only while the elevation is >= 0
    bool dataItemConverterFrequencies = true;  // 3 "+", also when the file is missing
    bool sendUplink = true;                    // 4 "+"
    bool builtInEditor = true;                 // 5 "+"
    bool redStatusInPreview = false;           // 6 "+"
};

// A missing or unreadable file gives the defaults with the checks off.
DivOptions ReadDivOptions(const QString& path);

struct WindowPosition {
    int top = 0;
    int left = 0;
    int third = 0;       // carried through unchanged
    int fourth = 0;      // carried through unchanged
    bool known = false;  // false: the file was missing or broken, centre the window
};

WindowPosition ReadWindowPosition(const QString& path);
// WriteWindowPosition. Throws SqfError.
void WriteWindowPosition(const QString& path, const WindowPosition& position);

}  // namespace orbivox

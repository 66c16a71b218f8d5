#pragma once
// The rotor positioning settings: Flip.SQF, Park.SQF, ParkPos.SQF, WiRotOpt.SQF,
// AntKorr.SQF and Decimals.SQF. Reals are written in the 23-character form and read in any
// decimal notation.
#include <QChar>
#include <QString>

namespace orbivox {

// Flip.SQF.
struct FlipSettings {
    bool flipMode = false;    // 1  "+": the elevation rotor turns to 180 degrees
    bool azimuth450 = false;  // 2  "+": the azimuth rotor has 450 degrees of travel
};

// Throws SqfError.
FlipSettings ReadFlipSettings(const QString& path);
void WriteFlipSettings(const QString& path, const FlipSettings& settings);

// Park.SQF, one line: "+" parks the antenna after each pass.
bool ReadAutoPark(const QString& path);
void WriteAutoPark(const QString& path, bool autoPark);

// ParkPos.SQF.
struct ParkPosition {
    int azimuth = 0;    // 1 degrees
    int elevation = 0;  // 2 degrees
};

ParkPosition ReadParkPosition(const QString& path);
void WriteParkPosition(const QString& path, const ParkPosition& position);

// WiRotOpt.SQF.
struct RotorUpdateOptions {
    QChar updateMode = 'i';      // 1  "w": at position change; any other: time intervals
    double updateInterval = 10;  // 2  seconds
    double positionStep = 5;     // 3  degrees
    QChar azimuthRule = 'k';     // 4  "k" constant, "g" gain related
    bool rotorServer = false;    // 5  written for the server programs; the program takes
                                 //    the flag from SatStart.SQF
    bool atPositionChange() const { return updateMode == QChar('w'); }
};

// Throws SqfError (missing file, no number in line 2 or 3).
RotorUpdateOptions ReadRotorUpdateOptions(const QString& path);
void WriteRotorUpdateOptions(const QString& path, const RotorUpdateOptions& options);

// AntKorr.SQF: vertical, then horizontal correction (every reader and writer uses this
// order). SatIni.SQF keeps rounded copies, rewritten whenever this file is written.
struct AntennaCorrections {
    double vertical = 0;    // 1 degrees, added to every elevation sent
    double horizontal = 0;  // 2 degrees, added to every azimuth sent
};

AntennaCorrections ReadAntennaCorrections(const QString& path);
void WriteAntennaCorrections(const QString& path, const AntennaCorrections& corrections);
// AntKorr.SQF and the rounded copies in SatIni.SQF lines 11 (horizontal) and 12 (vertical);
// SatIni.SQF's other lines stay as they are.
void StoreAntennaCorrections(const QString& antKorrPath, const QString& satIniPath,
                             const AntennaCorrections& corrections);

// Decimals.SQF, one integer 0..2: the decimals of the positions sent to the rotor server.
// Throws SqfError for a value outside 0..2.
int ReadRotorDecimals(const QString& path);
void WriteRotorDecimals(const QString& path, int decimals);

}  // namespace orbivox

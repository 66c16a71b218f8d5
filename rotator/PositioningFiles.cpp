// Reading and writing each rotor positioning file in its fixed line order: flip and park flags,
// park position, update options, antenna corrections and shown decimals.
#include "rotator/PositioningFiles.h"

#include <cmath>

#include "settings/SqfFile.h"

namespace orbivox {

FlipSettings ReadFlipSettings(const QString& path) {
    SqfReader file(path);
    FlipSettings settings;
    settings.flipMode = file.Flag() == QChar('+');
    settings.azimuth450 = file.Flag() == QChar('+');
    return settings;
}

void WriteFlipSettings(const QString& path, const FlipSettings& settings) {
    SqfWriter().Flag(settings.flipMode).Flag(settings.azimuth450).Commit(path);
}

bool ReadAutoPark(const QString& path) {
    SqfReader file(path);
    return file.Flag() == QChar('+');
}

void WriteAutoPark(const QString& path, bool autoPark) {
    SqfWriter().Flag(autoPark).Commit(path);
}

ParkPosition ReadParkPosition(const QString& path) {
    SqfReader file(path);
    ParkPosition position;
    position.azimuth = static_cast<int>(file.Integer());
    position.elevation = static_cast<int>(file.Integer());
    return position;
}

void WriteParkPosition(const QString& path, const ParkPosition& position) {
    SqfWriter().Integer(position.azimuth).Integer(position.elevation).Commit(path);
}

RotorUpdateOptions ReadRotorUpdateOptions(const QString& path) {
    SqfReader file(path);
    RotorUpdateOptions options;
    options.updateMode = file.Flag();
    options.updateInterval = file.Real();
    options.positionStep = file.Real();
    options.azimuthRule = file.Flag();
    options.rotorServer = file.Flag() == QChar('+');
    return options;
}

void WriteRotorUpdateOptions(const QString& path, const RotorUpdateOptions& options) {
    SqfWriter()
        .Flag(options.updateMode)
        .Real(options.updateInterval)
        .Real(options.positionStep)
        .Flag(options.azimuthRule)
        .Flag(options.rotorServer)
        .Commit(path);
}

AntennaCorrections ReadAntennaCorrections(const QString& path) {
    SqfReader file(path);
    AntennaCorrections corrections;
    corrections.vertical = file.Real();
    corrections.horizontal = file.Real();
    return corrections;
}

void WriteAntennaCorrections(const QString& path, const AntennaCorrections& corrections) {
    SqfWriter().Real(corrections.vertical).Real(corrections.horizontal).Commit(path);
}

void StoreAntennaCorrections(const QString& antKorrPath, const QString& satIniPath,
                             const AntennaCorrections& corrections) {
    WriteAntennaCorrections(antKorrPath, corrections);
    StoreSqfLines(satIniPath, {{11, QString::number(std::lround(corrections.horizontal))},
                               {12, QString::number(std::lround(corrections.vertical))}});
}

int ReadRotorDecimals(const QString& path) {
    SqfReader file(path);
    const long long decimals = file.Integer();
    if (decimals < 0 || decimals > 2) {
        file.Fail(QStringLiteral("line 1 holds %1 decimals, not 0, 1 or 2").arg(decimals));
    }
    return static_cast<int>(decimals);
}

void WriteRotorDecimals(const QString& path, int decimals) {
    SqfWriter().Integer(decimals).Commit(path);
}

}  // namespace orbivox

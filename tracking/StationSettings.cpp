// Reading the station settings, the parallel port addresses and the program options, and
// reading and writing the window position.
#include "tracking/StationSettings.h"

#include <cmath>

#include "settings/SqfFile.h"

namespace orbivox {

StationSettings ReadStationSettings(const QString& path) {
    SqfReader file(path);
    StationSettings s;
    s.altitudeText = file.Text();
    s.locator = file.Text();
    s.longitude = file.Real();
    s.latitude = file.Real();
    // The observer dialog refuses such a latitude; a hand-edited file must not bring one in.
    if (!(std::abs(s.latitude) <= 90)) {
        file.Fail(QStringLiteral("line %1 holds a latitude outside -90..90").arg(file.position()));
    }
    s.radio1Port = static_cast<int>(file.Integer());
    s.catDelayMs = static_cast<int>(file.Integer());
    s.parallelPortIndex = static_cast<int>(file.Integer());
    s.parallelPortDelay = static_cast<int>(file.Integer());
    s.turningPoint = file.Flag();
    s.minimumElevation = file.Real();
    s.horizontalCorrection = static_cast<int>(file.Integer());
    s.verticalCorrection = static_cast<int>(file.Integer());
    s.utcOffset = file.Text();
    s.sourceMask = file.Text();
    s.openFolderText = file.Text();
    return s;
}

orbit::ObserverSite ObserverSiteOf(const StationSettings& station) {
    orbit::ObserverSite site;
    site.altitude = station.altitudeText.toStdString();
    site.locator = station.locator.toStdString();
    site.longitude = station.longitude;
    site.latitude = station.latitude;
    site.utcOffset = station.utcOffset.toStdString();
    return site;
}

QList<long long> ReadParallelPorts(const QString& path) {
    QList<long long> addresses;
    const QString name = path.section(QLatin1Char('/'), -1);
    int lineNumber = 0;
    for (const QString& line : ReadSqfLines(path)) {
        ++lineNumber;
        if (line.startsWith(QLatin1Char(';'))) {
            continue;
        }
        const auto address = ParseSqfInteger(line);
        if (!address) {
            throw SqfError(name, QStringLiteral("line %1 holds no address").arg(lineNumber));
        }
        addresses.append(*address);
    }
    return addresses;
}

long long ParallelPortAddress(const QList<long long>& addresses, int port) {
    return port >= 1 && port <= addresses.size() ? addresses[port - 1] : 0;
}

DivOptions ReadDivOptions(const QString& path) {
    DivOptions options;
    try {
        SqfReader file(path);
        options.instanceChecks = file.Flag() == QChar('+');
        options.dataItemAlways = file.Flag() != QChar('-');
        options.dataItemConverterFrequencies = file.Flag() == QChar('+');
        options.sendUplink = file.Flag() == QChar('+');
        options.builtInEditor = file.Flag() == QChar('+');
        options.redStatusInPreview = file.Flag() == QChar('+');
    } catch (const SqfError&) {
        return DivOptions{};
    }
    return options;
}

WindowPosition ReadWindowPosition(const QString& path) {
    try {
        SqfReader file(path);
        WindowPosition p;
        p.top = static_cast<int>(file.Integer());
        p.left = static_cast<int>(file.Integer());
        p.third = static_cast<int>(file.Integer());
        p.fourth = static_cast<int>(file.Integer());
        p.known = true;
        return p;
    } catch (const SqfError&) {
        return WindowPosition{};
    }
}

void WriteWindowPosition(const QString& path, const WindowPosition& p) {
    SqfWriter().Integer(p.top).Integer(p.left).Integer(p.third).Integer(p.fourth).Commit(path);
}

}  // namespace orbivox

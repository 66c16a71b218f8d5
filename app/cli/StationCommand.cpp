// orbivox station: shows the station of the configuration in use, or sets it from a locator
// or from latitude and longitude, with the Observer Setup's checks, by rewriting SatIni.SQF's
// station lines. Documented in docs/cli.md.
#include <map>
#include <optional>

#include "app/cli/CommandStart.h"
#include "app/cli/Commands.h"
#include "map/Locator.h"
#include "map/ObserverSetup.h"
#include "settings/Notifier.h"
#include "settings/SqfFile.h"
#include "tracking/StationSettings.h"

namespace orbivox::cli {

const char* const kStationUsage =
    "usage: orbivox station\n"
    "       orbivox station --locator LOCATOR [--alt METRES]\n"
    "       orbivox station --lat DEGREES --lon DEGREES [--alt METRES]\n";

const char* const kStationHelp =
    "Prints the station of the configuration in use (SatIni.SQF), or sets it.\n"
    "  --locator LOCATOR   a Maidenhead locator of 6 characters (IO91XL), or of 4 for the\n"
    "                      centre of the square's middle sub-square\n"
    "  --lat DEGREES       latitude, north positive (-90..90), with --lon\n"
    "  --lon DEGREES       longitude, east positive (-180..180), with --lat\n"
    "  --alt METRES        height above sea level (-1000..10000); kept when not given\n"
    "A running Orbivox32 takes a new station at its next start.\n";

namespace {

struct StationRequest {
    std::optional<QString> locator;
    std::optional<QString> latitude;
    std::optional<QString> longitude;
    std::optional<QString> altitude;

    bool changes() const { return locator || latitude || longitude || altitude; }
};

// The text the Observer Setup would store for an item, or nothing (the message written).
std::optional<QString> Checked(ObserverItem item, const QString& text, const char* option,
                               const char* wants, std::ostream& err) {
    const ObserverEdit edit = EditObserverItem(item, text);
    if (!edit.store || edit.pleaseCorrect) {
        err << "orbivox station: " << option << " wants " << wants << ", not \""
            << text.toStdString() << "\"\n";
        return std::nullopt;
    }
    return edit.store;
}

void PrintStation(const StationSettings& station, std::ostream& out) {
    out << "locator: " << station.locator.toStdString() << '\n'
        << "latitude: " << QString::number(station.latitude, 'g', 10).toStdString() << '\n'
        << "longitude: " << QString::number(station.longitude, 'g', 10).toStdString() << '\n'
        << "height: " << station.altitudeText.toStdString() << " m\n";
}

// The SatIni.SQF lines the request changes; nothing on a refusal (the message written).
std::optional<std::map<int, QString>> ChangedLines(const StationRequest& request,
                                                   std::ostream& err) {
    std::map<int, QString> lines;
    if (request.altitude) {
        const auto altitude = Checked(ObserverItem::Altitude, *request.altitude, "--alt",
                                      "metres from -1000 to 10000", err);
        if (!altitude)
            return std::nullopt;
        lines[SatIniLine::Altitude] = *altitude;
    }
    if (request.locator) {
        const auto degrees = LocatorDegreeTexts(*request.locator);
        if (!degrees) {
            err << "orbivox station: The QTH locator " << request.locator->toStdString()
                << " is invalid: it has 6 characters (IO91XL) or 4 (IO91)\n";
            return std::nullopt;
        }
        const auto& [longitude, latitude] = *degrees;
        const QString typed = request.locator->trimmed().toUpper();
        lines[SatIniLine::Locator] = typed.size() == 6
                                         ? typed
                                         : QString::fromStdString(DegreesToLocator(
                                               longitude.toDouble(), latitude.toDouble()));
        lines[SatIniLine::Longitude] = longitude;
        lines[SatIniLine::Latitude] = latitude;
    } else if (request.latitude) {
        const auto latitude = Checked(ObserverItem::Latitude, *request.latitude, "--lat",
                                      "degrees from -90 to 90", err);
        const auto longitude = latitude ? Checked(ObserverItem::Longitude, *request.longitude,
                                                  "--lon", "degrees from -180 to 180", err)
                                        : std::nullopt;
        if (!longitude)
            return std::nullopt;
        lines[SatIniLine::Locator] =
            QString::fromStdString(DegreesToLocator(longitude->toDouble(), latitude->toDouble()));
        lines[SatIniLine::Longitude] = *longitude;
        lines[SatIniLine::Latitude] = *latitude;
    }
    return lines;
}

}  // namespace

int RunStation(const Arguments& args, std::ostream& out, std::ostream& err) {
    StationRequest request;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        std::optional<QString>* target = a == "--locator" ? &request.locator
                                         : a == "--lat"   ? &request.latitude
                                         : a == "--lon"   ? &request.longitude
                                         : a == "--alt"   ? &request.altitude
                                                          : nullptr;
        if (!target || !hasValue) {
            err << "orbivox station: unknown or incomplete option \"" << a << "\"\n"
                << kStationUsage;
            return 2;
        }
        *target = QString::fromStdString(args[++i]);
    }
    if (request.latitude.has_value() != request.longitude.has_value() ||
        (request.locator && request.latitude)) {
        err << "orbivox station: give --locator, or --lat with --lon\n" << kStationUsage;
        return 2;
    }
    const Folders folders = FoldersInUse();
    const QString satIni = folders.ConfigFile(QStringLiteral("SatIni.SQF"));
    try {
        // Read first: a file the program cannot read is not written over.
        const StationSettings now = ReadStationSettings(satIni);
        if (!request.changes()) {
            PrintStation(now, out);
            return 0;
        }
        const auto lines = ChangedLines(request, err);
        if (!lines) {
            err << kStationUsage;
            return 2;
        }
        StoreSqfLines(satIni, *lines);
        PrintStation(ReadStationSettings(satIni), out);
    } catch (const SqfError& error) {
        err << "orbivox station: " << error.fileName().toStdString() << ": "
            << error.reason().toStdString() << '\n';
        return 1;
    }
    err << "orbivox station: stored in " << satIni.toStdString() << "; a running Orbivox32 "
        << "takes it at its next start\n";
    return 0;
}

}  // namespace orbivox::cli

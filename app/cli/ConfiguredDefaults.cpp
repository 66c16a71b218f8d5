// The station from SatIni.SQF and the element file from the group list (SatFiles.SQF, its
// first group is the current one) and the slot's source list (SatSources.SQF ..), each read
// only when the command line leaves it out.
#include "app/cli/ConfiguredDefaults.h"

#include <sstream>

#include "app/cli/CommandStart.h"
#include "catalogue/GroupFiles.h"
#include "settings/SqfFile.h"
#include "tracking/SettingsLoader.h"
#include "tracking/StationSettings.h"

namespace orbivox::cli {
namespace {

std::string Shortest(double value) {
    std::ostringstream text;
    text.precision(10);
    text << value;
    return text.str();
}

}  // namespace

std::string SiteText(const orbit::ObserverSite& site) {
    return Shortest(site.latitude) + ',' + Shortest(site.longitude) + ',' + site.altitude;
}

std::optional<int> FillFromConfiguration(SkyArguments& sky, const std::string& command,
                                         std::ostream& err) {
    if (sky.site && sky.file)
        return std::nullopt;
    const Folders folders = FoldersInUse();
    std::string taken;
    try {
        if (!sky.site) {
            orbit::ObserverSite site = ObserverSiteOf(
                ReadStationSettings(folders.ConfigFile(QStringLiteral("SatIni.SQF"))));
            site.utcOffset = "0";  // the commands work in UTC
            taken = "station " + SiteText(site) + " (" + site.locator + ")";
            sky.site = site;
        }
        if (!sky.file) {
            const QString group =
                ReadGroupList(folders.ConfigFile(QStringLiteral("SatFiles.SQF"))).value(0);
            const QString file = ResolveSourcePath(
                ReadSourceList(folders.MainFile(SourceListFileName(folders.slot))).value(0),
                folders.mainDataFolder);
            if (group.isEmpty() || file.isEmpty()) {
                err << "orbivox " << command << ": the configuration names no element file for "
                    << "its current group; give FILE\n";
                return 1;
            }
            taken += std::string(taken.empty() ? "" : ", ") + "elements of group " +
                     group.toStdString() + " from " + file.toStdString();
            sky.file = file.toStdString();
        }
    } catch (const SqfError& error) {
        err << "orbivox " << command << ": cannot read " << error.fileName().toStdString() << ": "
            << error.reason().toStdString() << " (give --site and FILE)\n";
        return 1;
    }
    err << "orbivox " << command << ": " << taken << " (the configuration in use)\n";
    return std::nullopt;
}

}  // namespace orbivox::cli

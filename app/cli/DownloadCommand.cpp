// orbivox download [--timeout SECONDS] [URL...]: fetch element files into the "Kepler" folder
// of the main data folder, as the "Download Keps" dialog does, for headless stations and cron.
#include <QCoreApplication>

#include "app/cli/Commands.h"
#include "catalogue/DownloadAddresses.h"
#include "catalogue/ElementDownload.h"
#include "settings/Folders.h"
#include "settings/SqfFile.h"

namespace orbivox::cli {

const char* const kDownloadUsage = "usage: orbivox download [--timeout SECONDS] [URL...]\n";

const char* const kDownloadHelp =
    "Fetches element files into the Kepler folder of the main data folder, as \"Download Keps\"\n"
    "does; without URLs every address of Celestrak.SQF in the main data folder.\n"
    "  URL                 an http or https address; the file is stored as Kepler/ + the text "
    "after\n"
    "                      the address's last \"/\". An address with a query names its file after\n"
    "                      \"#/\": .../gp.php?GROUP=amateur&FORMAT=csv#/amateur.txt\n"
    "  --timeout SECONDS   give up when no data arrives for SECONDS (default 30)\n";

int RunDownload(const Arguments& args, std::ostream& out, std::ostream& err) {
    HttpOptions options;
    QStringList addresses;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const QString arg = QString::fromStdString(args[i]);
        if (arg == QLatin1String("--timeout")) {
            bool valid = false;
            const double seconds =
                i + 1 < args.size() ? QString::fromStdString(args[++i]).toDouble(&valid) : 0.0;
            if (!valid || !(seconds > 0.0)) {
                err << "orbivox download: --timeout wants a number of seconds above 0\n"
                    << kDownloadUsage;
                return 2;
            }
            options.idleTimeout = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
        } else if (arg.startsWith(QLatin1Char('-'))) {
            err << "orbivox download: unknown option \"" << args[i] << "\"\n" << kDownloadUsage;
            return 2;
        } else {
            addresses.append(arg);
        }
    }

    const Folders folders =
        ResolveFolders(FolderEnvironment::FromEnvironment(QCoreApplication::applicationDirPath()));
    if (addresses.isEmpty()) {
        try {
            addresses =
                ReadDownloadAddresses(folders.MainFile(QLatin1String(kDownloadAddressFile)));
        } catch (const SqfError& error) {
            err << "orbivox download: cannot read " << error.fileName().toStdString() << ": "
                << error.reason().toStdString() << '\n';
            return 1;
        }
        if (addresses.isEmpty()) {
            err << "orbivox download: " << kDownloadAddressFile << " lists no addresses\n";
            return 1;
        }
    }

    ElementDownload download(folders.mainDataFolder, options);
    bool allStored = true;
    for (const QString& address : addresses) {
        const DownloadReport report = download.Run(address);
        if (report.outcome == DownloadOutcome::NoAddress) {
            continue;
        }
        out << report.message.toStdString() << std::endl;
        if (!report.detail.isEmpty()) {
            err << "orbivox download: " << address.toStdString() << ": "
                << report.detail.toStdString() << std::endl;
        }
        allStored = allStored && report.succeeded();
    }
    return allStored ? 0 : 1;
}

}  // namespace orbivox::cli

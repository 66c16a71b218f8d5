// orbivox download [--timeout SECONDS] [--if-older DAYS] [--force] [URL...]: fetch element
// files into the "Kepler" folder of the main data folder, as the "Download Keps" dialog does,
// for headless stations and timers. Each fetch is conditional on the file stored, and no
// address is fetched twice within two hours (Downloads.SQF remembers).

#include <QFile>

#include "app/cli/CommandStart.h"
#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "catalogue/ConditionalFetch.h"
#include "catalogue/DestinationName.h"
#include "catalogue/DownloadAddresses.h"
#include "catalogue/ElementDownload.h"
#include "settings/Folders.h"
#include "settings/SqfFile.h"

namespace orbivox::cli {

const char* const kDownloadUsage =
    "usage: orbivox download [--timeout SECONDS] [--if-older DAYS] [--force] [URL...]\n";

const char* const kDownloadHelp =
    "Fetches element files into the Kepler folder of the main data folder, as \"Download Keps\"\n"
    "does; without URLs every address of Celestrak.SQF in the main data folder.\n"
    "  URL                 an http or https address; the file is stored as Kepler/ + the text "
    "after\n"
    "                      the address's last \"/\". An address with a query names its file after\n"
    "                      \"#/\": .../gp.php?GROUP=amateur&FORMAT=csv#/amateur.txt\n"
    "  --timeout SECONDS   give up when no data arrives for SECONDS (default 30)\n"
    "  --if-older DAYS     fetch only when the stored file's newest epoch is older than DAYS\n"
    "  --force             fetch also an address fetched less than two hours ago\n"
    "Each fetch asks for the file only if it changed since it was stored; Downloads.SQF in\n"
    "the main data folder remembers when each address was fetched.\n";

namespace {

struct DownloadChoices {
    std::optional<double> ifOlderDays;
    bool force = false;
};

// A number above 0 from the argument after args[i] (advancing i); nothing when absent or bad.
std::optional<double> PositiveNumber(const Arguments& args, std::size_t& i) {
    bool valid = false;
    const double value =
        i + 1 < args.size() ? QString::fromStdString(args[++i]).toDouble(&valid) : 0.0;
    return valid && value > 0.0 ? std::optional<double>(value) : std::nullopt;
}

// Why an address is not fetched this time, or an empty text when it is.
std::string SkipReason(const FetchPlan& plan, const DownloadChoices& choices) {
    if (choices.ifOlderDays && FreshEnough(plan.storedFile, *choices.ifOlderDays, NowJulianDate()))
        return "fresh enough";
    if (!choices.force && plan.fetchedRecently)
        return "fetched less than two hours ago";
    return {};
}

}  // namespace

int RunDownload(const Arguments& args, std::ostream& out, std::ostream& err) {
    HttpOptions options;
    DownloadChoices choices;
    QStringList addresses;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const QString arg = QString::fromStdString(args[i]);
        if (arg == QLatin1String("--timeout")) {
            const auto seconds = PositiveNumber(args, i);
            if (!seconds) {
                err << "orbivox download: --timeout wants a number of seconds above 0\n"
                    << kDownloadUsage;
                return 2;
            }
            options.idleTimeout =
                std::chrono::milliseconds(static_cast<long long>(*seconds * 1000));
        } else if (arg == QLatin1String("--if-older")) {
            choices.ifOlderDays = PositiveNumber(args, i);
            if (!choices.ifOlderDays) {
                err << "orbivox download: --if-older wants a number of days above 0\n"
                    << kDownloadUsage;
                return 2;
            }
        } else if (arg == QLatin1String("--force")) {
            choices.force = true;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            err << "orbivox download: unknown option \"" << args[i] << "\"\n" << kDownloadUsage;
            return 2;
        } else {
            addresses.append(arg);
        }
    }

    const Folders folders = FoldersInUse();
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
        if (address.trimmed().isEmpty())
            continue;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const FetchPlan plan = PlanFetch(folders.mainDataFolder, address, now);
        for (const QString& problem : plan.problems)
            err << "orbivox download: warning: " << problem.toStdString() << '\n';
        const QString name = DestinationName(plan.address);
        if (DestinationProblem(plan.address).isEmpty()) {
            const std::string skip = SkipReason(plan, choices);
            if (!skip.empty()) {
                out << name.toStdString() << ": " << skip << std::endl;
                continue;
            }
        }
        const DownloadReport report = download.Run(address, plan.conditions);
        const QString unwritten = RememberAnswer(folders.mainDataFolder, plan, now, report);
        if (!unwritten.isEmpty())
            err << "orbivox download: warning: " << unwritten.toStdString() << '\n';
        if (report.outcome == DownloadOutcome::NotModified) {
            out << name.toStdString() << ": not modified" << std::endl;
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

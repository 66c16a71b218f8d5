// The download rules around one fetch: conditions and the two-hour rule before it, the
// record of the answer after it.
#include "catalogue/ConditionalFetch.h"

#include <QFile>

#include "catalogue/DestinationName.h"
#include "catalogue/ElementAge.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

QString RecordFile(const QString& mainDataFolder) {
    return mainDataFolder + QLatin1String(kDownloadRecordFile);
}

DownloadRecords ReadRecords(const QString& mainDataFolder, QStringList* problems) {
    try {
        return DownloadRecords::Read(RecordFile(mainDataFolder), problems);
    } catch (const SqfError& error) {
        problems->append(error.fileName() + QStringLiteral(": ") + error.reason());
        return {};
    }
}

}  // namespace

QString StoredFileOf(const QString& mainDataFolder, const QString& address) {
    return mainDataFolder + QLatin1String(kKeplerFolder) + QLatin1Char('/') +
           DestinationName(address.trimmed());
}

FetchPlan PlanFetch(const QString& mainDataFolder, const QString& address, const QDateTime& now) {
    FetchPlan plan;
    plan.address = address.trimmed();
    plan.storedFile = StoredFileOf(mainDataFolder, plan.address);
    plan.record = ReadRecords(mainDataFolder, &plan.problems).Find(plan.address);
    plan.conditions = ConditionsFor(plan.record, QFile::exists(plan.storedFile));
    plan.fetchedRecently = FetchedRecently(plan.record, now);
    return plan;
}

QString RememberAnswer(const QString& mainDataFolder, const FetchPlan& plan,
                       const QDateTime& now, const DownloadReport& report) {
    if (report.httpStatus == 0) {
        return {};
    }
    QStringList problems;
    DownloadRecords records = ReadRecords(mainDataFolder, &problems);
    records.Put(RecordAnswer(plan.record, plan.address, now, report.httpStatus,
                             report.succeeded(), report.outcome == DownloadOutcome::NotModified,
                             report.lastModified, report.etag));
    try {
        records.Write(RecordFile(mainDataFolder));
    } catch (const SqfError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

bool FreshEnough(const QString& path, double days, double julianDate) {
    std::string unreadable;
    const std::optional<double> newest = NewestEpoch(path.toStdString(), unreadable);
    return newest && julianDate - *newest < days;
}

}  // namespace orbivox

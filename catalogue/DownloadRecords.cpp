// Reading and writing Downloads.SQF, and the rules that use it: the two-hour interval, the
// conditions of a fetch and what an answer changes.
#include "catalogue/DownloadRecords.h"

#include <QFileInfo>
#include <QLocale>

#include "settings/SqfFile.h"

namespace orbivox {
namespace {

constexpr int kLinesPerRecord = 4;

}  // namespace

DownloadRecords DownloadRecords::Read(const QString& path, QStringList* problems) {
    DownloadRecords records;
    if (!QFileInfo::exists(path))
        return records;
    const QStringList lines = WithoutComments(ReadSqfLines(path));
    for (qsizetype i = 0; i + kLinesPerRecord <= lines.size(); i += kLinesPerRecord) {
        DownloadRecord record;
        record.address = lines[i].trimmed();
        record.fetched = QDateTime::fromString(lines[i + 1].trimmed(), Qt::ISODate).toUTC();
        record.lastModified = lines[i + 2].trimmed().toLatin1();
        record.etag = lines[i + 3].trimmed().toLatin1();
        if (record.address.isEmpty() || !record.fetched.isValid()) {
            if (problems) {
                problems->append(
                    QStringLiteral("%1: the record of \"%2\" has no time it was "
                                   "fetched (\"%3\"), left out")
                        .arg(QLatin1String(kDownloadRecordFile), record.address, lines[i + 1]));
            }
            continue;
        }
        records.Put(record);
    }
    return records;
}

void DownloadRecords::Write(const QString& path) const {
    SqfWriter file;
    file.Text(
        QStringLiteral("; Element downloads: address, last answer (UTC), Last-Modified, "
                       "ETag. Written by the program."));
    for (const DownloadRecord& record : records_) {
        file.Text(record.address)
            .Text(record.fetched.toUTC().toString(Qt::ISODate))
            .Text(QString::fromLatin1(record.lastModified))
            .Text(QString::fromLatin1(record.etag));
    }
    file.Commit(path);
}

std::optional<DownloadRecord> DownloadRecords::Find(const QString& address) const {
    for (const DownloadRecord& record : records_) {
        if (record.address == address.trimmed())
            return record;
    }
    return std::nullopt;
}

void DownloadRecords::Put(const DownloadRecord& record) {
    for (DownloadRecord& kept : records_) {
        if (kept.address == record.address) {
            kept = record;
            return;
        }
    }
    records_.append(record);
}

bool FetchedRecently(const std::optional<DownloadRecord>& record, const QDateTime& now) {
    if (!record || !record->fetched.isValid())
        return false;
    const qint64 since = record->fetched.secsTo(now);
    return since >= 0 && since < kFetchIntervalSeconds;
}

HttpConditions ConditionsFor(const std::optional<DownloadRecord>& record, bool fileStored) {
    if (!record || !fileStored)
        return {};
    return {record->lastModified, record->etag};
}

DownloadRecord RecordAnswer(std::optional<DownloadRecord> record, const QString& address,
                            const QDateTime& now, int httpStatus, bool stored, bool notModified,
                            const QByteArray& lastModified, const QByteArray& etag) {
    DownloadRecord next = record.value_or(DownloadRecord{address.trimmed(), {}, {}, {}});
    if (httpStatus == 0)
        return next;
    next.fetched = now.toUTC();
    if (stored) {
        next.lastModified = lastModified.isEmpty() ? HttpDate(now) : lastModified;
        next.etag = etag;
    } else if (notModified) {
        if (!lastModified.isEmpty())
            next.lastModified = lastModified;
        if (!etag.isEmpty())
            next.etag = etag;
    }
    return next;
}

QByteArray HttpDate(const QDateTime& instant) {
    return QLocale::c()
        .toString(instant.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
}

}  // namespace orbivox

#pragma once
// What the element downloads remember per address, in "Downloads.SQF" of the main data
// folder: when the address was last fetched and the validators of the file stored from it,
// so the next fetch can ask for the file only if it changed (a conditional GET), and so an
// address is never fetched twice within two hours (the element publishers ask for that).
//
// Downloads.SQF: ";" comment lines, then four lines per address: the address as written,
// the time of the last answer from its server (UTC, yyyy-MM-ddTHH:mm:ssZ), the Last-Modified
// and the ETag of the file stored from it (each empty when unknown).
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "net/HttpClient.h"

namespace orbivox {

inline constexpr char kDownloadRecordFile[] = "Downloads.SQF";
// The least time between two fetches of one address.
inline constexpr qint64 kFetchIntervalSeconds = 2 * 60 * 60;

struct DownloadRecord {
    QString address;
    QDateTime fetched;  // UTC; invalid when no answer came yet
    QByteArray lastModified;
    QByteArray etag;
};

class DownloadRecords {
public:
    // A missing file holds no records. A record whose time does not read is left out and
    // named in `problems`. Throws SqfError when the file exists but cannot be read.
    static DownloadRecords Read(const QString& path, QStringList* problems = nullptr);
    // Atomically. Throws SqfError.
    void Write(const QString& path) const;

    std::optional<DownloadRecord> Find(const QString& address) const;
    void Put(const DownloadRecord& record);

private:
    QList<DownloadRecord> records_;
};

// Fetched less than kFetchIntervalSeconds before `now` (a record from the future, after the
// clock was set back, does not hold a fetch back).
bool FetchedRecently(const std::optional<DownloadRecord>& record, const QDateTime& now);

// The conditions of the next fetch: the stored validators, and only while the file they
// describe is there (a 304 must never stand in for a file that is gone).
HttpConditions ConditionsFor(const std::optional<DownloadRecord>& record, bool fileStored);

// The record after an answer (status 0: none came, the record is unchanged). A stored file
// takes the answer's validators; without a Last-Modified the fetch time stands in for it, so
// the next fetch is conditional too. A 304 keeps the validators unless it sent new ones.
DownloadRecord RecordAnswer(std::optional<DownloadRecord> record, const QString& address,
                            const QDateTime& now, int httpStatus, bool stored, bool notModified,
                            const QByteArray& lastModified, const QByteArray& etag);

// An instant as an HTTP date: "Sun, 06 Nov 1994 08:49:37 GMT".
QByteArray HttpDate(const QDateTime& instant);

}  // namespace orbivox

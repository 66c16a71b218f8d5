#pragma once
// One fetch of an element address under the download rules, for every caller that fetches
// without the "Download Keps" dialog (the command line, the program's own refresh): before
// it, what Downloads.SQF knows of the address (the conditions of the request, whether it was
// fetched within two hours); after it, the answer remembered there.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

#include "catalogue/DownloadRecords.h"
#include "catalogue/ElementDownload.h"

namespace orbivox {

// `mainDataFolder` ends in "/", as Folders gives it.
struct FetchPlan {
    QString address;     // as the list gives it, without surrounding blanks
    QString storedFile;  // where its file is stored: Kepler/<name>
    std::optional<DownloadRecord> record;
    HttpConditions conditions;
    bool fetchedRecently = false;
    QStringList problems;  // what of Downloads.SQF did not read (nothing is lost for it)
};

// Where the file fetched from `address` is stored: Kepler/<name> of the main data folder.
QString StoredFileOf(const QString& mainDataFolder, const QString& address);

// Downloads.SQF is read afresh each time: another fetch may have written it meanwhile.
FetchPlan PlanFetch(const QString& mainDataFolder, const QString& address, const QDateTime& now);

// The answer goes into the address's record (nothing changes when no answer came). Returns
// why Downloads.SQF could not be written, or an empty text.
QString RememberAnswer(const QString& mainDataFolder, const FetchPlan& plan,
                       const QDateTime& now, const DownloadReport& report);

// The file's newest epoch is less than `days` before `julianDate` (UTC). A file that is
// missing or holds no set is never fresh enough.
bool FreshEnough(const QString& path, double days, double julianDate);

}  // namespace orbivox

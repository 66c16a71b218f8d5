#pragma once
// The program's own element refresh: when the group's element file is older than the days
// the operator chose, the address of Celestrak.SQF that stores to that file is fetched in the
// background under the download rules (a conditional request, never twice within two hours).
// The caller asks at start and every kElementRefreshHours; it reloads the elements when a
// fetch stored a new file.
#include <QDateTime>
#include <QObject>
#include <QString>

#include "catalogue/ConditionalFetch.h"
#include "catalogue/ElementDownload.h"

namespace orbivox {

inline constexpr int kElementRefreshHours = 12;

class ElementRefresh : public QObject {
    Q_OBJECT

public:
    explicit ElementRefresh(QString mainDataFolder, HttpOptions options = {},
                            QObject* parent = nullptr);

    enum class Decision {
        Started,          // a fetch runs; finished() follows
        FreshEnough,      // the file's newest epoch is younger than the days
        NoAddress,        // no address of the list stores to the file
        FetchedRecently,  // its address was fetched less than two hours ago
        Busy,             // a fetch of this refresh is still running
    };
    // `julianDate`: now as a UTC Julian date (the element age), `now` the same instant for
    // Downloads.SQF.
    Decision Check(const QString& elementFile, double days, double julianDate,
                   const QDateTime& now);
    bool busy() const { return download_.busy(); }

signals:
    void progress(qint64 received, qint64 total);
    // report.succeeded(): a new file was stored at report.destination.
    void finished(const orbivox::DownloadReport& report);

private:
    QString AddressFor(const QString& elementFile) const;

    QString mainDataFolder_;
    ElementDownload download_;
    FetchPlan plan_;
    QDateTime started_;
};

}  // namespace orbivox

#pragma once
// Downloads one element file: GET the address into "InterKeps.txt" in the main data folder,
// keep a copy in "InterKeps2.txt", check that the body is element data through and through
// (DownloadCheck.h), and store the copy as "Kepler/<name>". The destination is written
// through a temporary file and renamed into place before success is reported, so a failed,
// refused or cancelled download never leaves a partial file, and an older file of that name
// survives any failure. Both temporaries are gone afterwards whatever happened.
//
// The dialog uses Start() and listens; the command-line tool calls Run(). A lock file in the
// main data folder keeps the dialog and a cron job from sharing the temporaries at once.
#include <QFile>
#include <QLockFile>
#include <QObject>
#include <memory>

#include "net/HttpClient.h"

namespace orbivox {

inline constexpr char kDownloadSucceeded[] = "Download succesful!";
inline constexpr char kNoKeplerianData[] = "No Keplerian data found!";
inline constexpr char kDownloadFailed[] = "Download failed";
inline constexpr char kDownloadCancelled[] = "Download cancelled";
inline constexpr char kDownloadNotModified[] = "Not modified";

inline constexpr char kFirstTemporary[] = "InterKeps.txt";
inline constexpr char kSecondTemporary[] = "InterKeps2.txt";

enum class DownloadOutcome {
    NoAddress,  // nothing selected: nothing done, nothing to say
    Succeeded,
    NoElementData,
    Failed,
    Refused,  // the address gives no usable file name; nothing was fetched
    Cancelled,
    NotModified,  // a conditional download: the server's file is the one stored, left as it is
};

struct DownloadReport {
    DownloadOutcome outcome = DownloadOutcome::NoAddress;
    QString address;
    QString message;      // what the user is shown; empty for NoAddress
    QString detail;       // why it failed, for a second line or a log
    QString destination;  // the stored file, when it succeeded
    // The server's answer: its status (0 when none came) and validators (empty when absent).
    int httpStatus = 0;
    QByteArray lastModified;
    QByteArray etag;

    bool succeeded() const { return outcome == DownloadOutcome::Succeeded; }
};

class ElementDownload : public QObject {
    Q_OBJECT

public:
    explicit ElementDownload(QString mainDataFolder, HttpOptions options = {},
                             QObject* parent = nullptr);
    ~ElementDownload() override;

    // finished() always follows, for an empty or refused address too. With conditions (the
    // validators of the file stored), a server that has nothing newer answers NotModified.
    void Start(const QString& address, const HttpConditions& conditions = {});
    DownloadReport Run(const QString& address, const HttpConditions& conditions = {});

    void Cancel() { client_.Cancel(); }
    void Disconnect() { client_.Disconnect(); }
    bool busy() const { return running_; }

    QString keplerFolder() const;
    QString firstTemporary() const { return mainDataFolder_ + QLatin1String(kFirstTemporary); }
    QString secondTemporary() const { return mainDataFolder_ + QLatin1String(kSecondTemporary); }

signals:
    void progress(qint64 received, qint64 total);
    void finished(const orbivox::DownloadReport& report);

private:
    void OnTransferEnded(const HttpResult& result);
    DownloadReport StoreBody();
    DownloadReport Report(DownloadOutcome outcome, const QString& detail = QString()) const;
    void FinishLater(DownloadReport report);
    void Finish(DownloadReport report);
    void RemoveTemporaries();

    QString mainDataFolder_;
    HttpClient client_;
    std::unique_ptr<QFile> body_;
    std::unique_ptr<QLockFile> lock_;
    QString address_;
    QString destinationName_;
    HttpResult answer_;  // the last transfer's, for the report
    bool running_ = false;
};

}  // namespace orbivox

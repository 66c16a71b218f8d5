#pragma once
// Fetches one address with an HTTP GET and streams the body into a device (a file, as a
// rule). HTTPS works, redirects are followed (never from https down to http), the proxy
// comes from the environment, and a transfer that stalls or grows past the body limit is
// stopped: an element file is a few hundred kilobytes, so a multi-megabyte answer is
// something else and is refused rather than written to disk.
//
// Get() returns at once and reports through progress() and finished(), so a window stays
// responsive and can offer a Cancel button. GetAndWait() runs a local event loop for the
// command-line tool. One transfer at a time per client.
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <memory>

class QIODevice;
class QNetworkAccessManager;

namespace orbivox {

enum class HttpFailure {
    None,
    BadAddress,  // not an http or https address
    Network,     // name resolution, connection, TLS, protocol
    Status,      // the server answered, but not with success
    TimedOut,
    TooLarge,
    Write,  // the body could not be stored
    Cancelled,
    Busy,  // another transfer of this client is still running
};

inline constexpr int kHttpNotModified = 304;

struct HttpResult {
    HttpFailure failure = HttpFailure::None;
    int status = 0;    // the last HTTP status, 0 when no answer came
    qint64 bytes = 0;  // body bytes handed to the device
    QUrl finalUrl;     // where the body came from, after redirects
    QString detail;    // why it failed, in words for a log line
    // The answer's validators, as sent; empty when it sent none.
    QByteArray lastModified;
    QByteArray etag;

    bool ok() const { return failure == HttpFailure::None; }
    // A conditional GET found the copy current: no body came, and none was written.
    bool notModified() const { return ok() && status == kHttpNotModified; }
};

// What a conditional GET sends: the validators of the copy we hold. A server whose resource
// has not changed answers 304 Not Modified without a body. Empty values are not sent.
struct HttpConditions {
    QByteArray ifModifiedSince;  // an HTTP date, as a Last-Modified header gave it
    QByteArray ifNoneMatch;      // an entity tag, as an ETag header gave it

    bool any() const { return !ifModifiedSince.isEmpty() || !ifNoneMatch.isEmpty(); }
};

inline constexpr qint64 kDefaultMaxBodyBytes = 16 * 1024 * 1024;

struct HttpOptions {
    // No byte for this long stops the transfer; so does the whole transfer taking longer
    // than the deadline (a server dripping one byte a minute is not going to finish).
    std::chrono::milliseconds idleTimeout{30000};
    std::chrono::milliseconds deadline{180000};
    qint64 maxBodyBytes = kDefaultMaxBodyBytes;
    int maxRedirects = 10;
    // The element servers our users know have seen this agent for many years.
    QByteArray userAgent = "Mozilla/3.0 (compatible; Indy Library)";
};

class HttpClient : public QObject {
    Q_OBJECT

public:
    explicit HttpClient(HttpOptions options = {}, QObject* parent = nullptr);
    ~HttpClient() override;

    const HttpOptions& options() const { return options_; }
    void setOptions(const HttpOptions& options) { options_ = options; }

    // Starts the transfer; the body is written to `sink` (opened for writing by the caller,
    // kept alive until finished()) only while the answer is a success. finished() always
    // follows, also for a bad address. With conditions, a 304 answer is no failure.
    void Get(const QUrl& url, QIODevice* sink, const HttpConditions& conditions = {});
    // The same, waiting in a local event loop until the transfer has ended.
    HttpResult GetAndWait(const QUrl& url, QIODevice* sink, const HttpConditions& conditions = {});

    // Stops a running transfer; finished() reports HttpFailure::Cancelled.
    void Cancel();
    // Cancel, and drop kept-alive connections. Harmless when nothing is open.
    void Disconnect();
    bool busy() const { return reply_ != nullptr; }

signals:
    void progress(qint64 received, qint64 total);  // total -1 when unknown
    void finished(const orbivox::HttpResult& result);

private:
    void OnMetaData();
    void OnReadyRead();
    void OnFinished();
    void Stop(HttpFailure failure, const QString& detail);
    void FinishLater(HttpResult result);
    bool AnswerIsSuccess() const;
    static qint64 AnnouncedLength(const QNetworkReply& reply);

    HttpOptions options_;
    std::unique_ptr<QNetworkAccessManager> manager_;
    QPointer<QNetworkReply> reply_;
    QIODevice* sink_ = nullptr;
    bool conditional_ = false;
    HttpResult result_;
    HttpFailure stopReason_ = HttpFailure::None;
    QString stopDetail_;
    QTimer idleTimer_;
    QTimer deadlineTimer_;
};

// A short text for a failure kind, for messages and logs.
QString DescribeHttpFailure(HttpFailure failure);

}  // namespace orbivox

Q_DECLARE_METATYPE(orbivox::HttpResult)

// The GET transfer: starting the request, writing the body as it arrives, stopping on a stall,
// an oversized answer or a cancel, and sorting the ending into one failure. Early refusals are
// reported from the event loop, so Get() never calls back before it has returned.
#include "net/HttpClient.h"

#include <QEventLoop>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "net/EnvironmentProxy.h"

namespace orbivox {
namespace {

bool IsSuccess(int status) {
    return status >= 200 && status <= 299;
}

QString Seconds(std::chrono::milliseconds duration) {
    return QString::number(static_cast<double>(duration.count()) / 1000.0, 'g', 3);
}

QString Mebibytes(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'g', 3) +
           QStringLiteral(" MiB");
}

// A transfer refused before it started.
HttpResult Refusal(HttpFailure failure, const QUrl& url) {
    HttpResult result;
    result.failure = failure;
    result.finalUrl = url;
    result.detail = DescribeHttpFailure(failure);
    return result;
}

}  // namespace

QString DescribeHttpFailure(HttpFailure failure) {
    switch (failure) {
        case HttpFailure::None:
            return QStringLiteral("ok");
        case HttpFailure::BadAddress:
            return QStringLiteral("not an http or https address");
        case HttpFailure::Network:
            return QStringLiteral("network error");
        case HttpFailure::Status:
            return QStringLiteral("the server refused");
        case HttpFailure::TimedOut:
            return QStringLiteral("timed out");
        case HttpFailure::TooLarge:
            return QStringLiteral("answer too large");
        case HttpFailure::Write:
            return QStringLiteral("cannot store the answer");
        case HttpFailure::Cancelled:
            return QStringLiteral("cancelled");
        case HttpFailure::Busy:
            return QStringLiteral("another transfer is running");
    }
    return QString();
}

HttpClient::HttpClient(HttpOptions options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      manager_(std::make_unique<QNetworkAccessManager>()) {
    manager_->setProxyFactory(new EnvironmentProxyFactory(ProxyEnvironment::FromProcess()));
    idleTimer_.setSingleShot(true);
    deadlineTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        Stop(HttpFailure::TimedOut,
             QStringLiteral("no data for %1 s").arg(Seconds(options_.idleTimeout)));
    });
    connect(&deadlineTimer_, &QTimer::timeout, this, [this] {
        Stop(HttpFailure::TimedOut,
             QStringLiteral("not finished after %1 s").arg(Seconds(options_.deadline)));
    });
}

HttpClient::~HttpClient() {
    if (reply_) {
        // Nobody is left to hear about it.
        disconnect(reply_, nullptr, this, nullptr);
        reply_->abort();
    }
}

void HttpClient::Get(const QUrl& url, QIODevice* sink, const HttpConditions& conditions) {
    if (busy()) {
        FinishLater(Refusal(HttpFailure::Busy, url));
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        FinishLater(Refusal(HttpFailure::BadAddress, url));
        return;
    }
    sink_ = sink;
    result_ = HttpResult{};
    result_.finalUrl = url;
    stopReason_ = HttpFailure::None;
    stopDetail_.clear();

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/html"));
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, options_.userAgent);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(options_.maxRedirects);
    if (!conditions.ifModifiedSince.isEmpty()) {
        request.setRawHeader("If-Modified-Since", conditions.ifModifiedSince);
    }
    if (!conditions.ifNoneMatch.isEmpty()) {
        request.setRawHeader("If-None-Match", conditions.ifNoneMatch);
    }
    conditional_ = conditions.any();

    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &HttpClient::OnMetaData);
    connect(reply_, &QNetworkReply::readyRead, this, &HttpClient::OnReadyRead);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        idleTimer_.start(options_.idleTimeout);
        emit progress(received, total);
    });
    connect(reply_, &QNetworkReply::finished, this, &HttpClient::OnFinished);
    idleTimer_.start(options_.idleTimeout);
    deadlineTimer_.start(options_.deadline);
}

HttpResult HttpClient::GetAndWait(const QUrl& url, QIODevice* sink,
                                  const HttpConditions& conditions) {
    HttpResult outcome;
    bool done = false;
    QEventLoop loop;
    const auto connection =
        connect(this, &HttpClient::finished, &loop, [&](const HttpResult& result) {
            outcome = result;
            done = true;
            loop.quit();
        });
    Get(url, sink, conditions);
    if (!done) {
        loop.exec();
    }
    disconnect(connection);
    return outcome;
}

void HttpClient::Cancel() {
    Stop(HttpFailure::Cancelled, DescribeHttpFailure(HttpFailure::Cancelled));
}

void HttpClient::Disconnect() {
    Cancel();
    manager_->clearConnectionCache();
}

// The body length the answer announced, -1 when it announced none or sent it compressed (the
// length then counts the compressed bytes, not the ones we receive).
qint64 HttpClient::AnnouncedLength(const QNetworkReply& reply) {
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    if (!length.isValid() || !reply.rawHeader("Content-Encoding").isEmpty()) {
        return -1;
    }
    return length.toLongLong();
}

bool HttpClient::AnswerIsSuccess() const {
    return reply_ && IsSuccess(reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
}

void HttpClient::OnMetaData() {
    if (!AnswerIsSuccess()) {
        return;
    }
    // Refuse an announced oversize at once instead of after 16 MiB have arrived.
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > options_.maxBodyBytes) {
        Stop(HttpFailure::TooLarge,
             QStringLiteral("the answer announces %1, more than %2")
                 .arg(Mebibytes(length.toLongLong()), Mebibytes(options_.maxBodyBytes)));
    }
}

void HttpClient::OnReadyRead() {
    if (!reply_ || stopReason_ != HttpFailure::None) {
        return;
    }
    const QByteArray chunk = reply_->readAll();
    if (!AnswerIsSuccess()) {
        return;  // an error page is not the body we asked for
    }
    if (result_.bytes + chunk.size() > options_.maxBodyBytes) {
        Stop(HttpFailure::TooLarge,
             QStringLiteral("the answer is larger than %1").arg(Mebibytes(options_.maxBodyBytes)));
        return;
    }
    if (sink_ == nullptr || sink_->write(chunk) != chunk.size()) {
        Stop(HttpFailure::Write, sink_ ? sink_->errorString() : QStringLiteral("no file"));
        return;
    }
    result_.bytes += chunk.size();
}

void HttpClient::Stop(HttpFailure failure, const QString& detail) {
    if (!reply_ || stopReason_ != HttpFailure::None) {
        return;
    }
    stopReason_ = failure;
    stopDetail_ = detail;
    reply_->abort();  // finished() follows and reports stopReason_
}

void HttpClient::OnFinished() {
    if (!reply_) {
        return;
    }
    OnReadyRead();  // whatever arrived with the last packet
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    idleTimer_.stop();
    deadlineTimer_.stop();
    sink_ = nullptr;

    result_.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result_.finalUrl = reply->url();
    result_.lastModified = reply->rawHeader("Last-Modified");
    result_.etag = reply->rawHeader("ETag");
    // Only a conditional request can be answered "not modified".
    const bool notModified = conditional_ && result_.status == kHttpNotModified;
    if (stopReason_ != HttpFailure::None) {
        result_.failure = stopReason_;
        result_.detail = stopDetail_;
    } else if (reply->error() == QNetworkReply::TooManyRedirectsError ||
               reply->error() == QNetworkReply::InsecureRedirectError) {
        result_.failure = HttpFailure::Network;
        result_.detail = reply->errorString();
    } else if (notModified) {
        // No body, and none expected: the copy the conditions describe is current.
    } else if (result_.status != 0 && !IsSuccess(result_.status)) {
        result_.failure = HttpFailure::Status;
        result_.detail =
            QStringLiteral("HTTP status %1 %2")
                .arg(result_.status)
                .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                .trimmed();
    } else if (reply->error() != QNetworkReply::NoError) {
        result_.failure = HttpFailure::Network;
        result_.detail = reply->errorString();
    } else if (result_.status == 0) {
        result_.failure = HttpFailure::Network;
        result_.detail = QStringLiteral("no HTTP answer");
    } else if (const qint64 announced = AnnouncedLength(*reply);
               announced >= 0 && result_.bytes < announced) {
        // The server closed the connection before the body it announced was complete; the
        // network layer does not always call that an error, but a cut file is one.
        result_.failure = HttpFailure::Network;
        result_.detail = QStringLiteral("the connection closed after %1 of %2 bytes")
                             .arg(result_.bytes)
                             .arg(announced);
    }
    stopReason_ = HttpFailure::None;
    reply->deleteLater();
    emit finished(result_);
}

void HttpClient::FinishLater(HttpResult result) {
    QTimer::singleShot(0, this, [this, result] { emit finished(result); });
}

}  // namespace orbivox

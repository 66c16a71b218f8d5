// The download's steps: the lock on the temporaries, the GET into the first temporary, the
// copy and the check of the body, and the store through QSaveFile; every path clears up after itself.
#include "catalogue/ElementDownload.h"

#include <QDir>
#include <QEventLoop>
#include <QSaveFile>
#include <QTimer>

#include "catalogue/DestinationName.h"
#include "catalogue/DownloadCheck.h"
#include "settings/Folders.h"

namespace orbivox {
namespace {

QString MessageFor(DownloadOutcome outcome) {
    switch (outcome) {
        case DownloadOutcome::Succeeded:
            return QLatin1String(kDownloadSucceeded);
        case DownloadOutcome::NoElementData:
            return QLatin1String(kNoKeplerianData);
        case DownloadOutcome::Failed:
            return QLatin1String(kDownloadFailed);
        case DownloadOutcome::Cancelled:
            return QLatin1String(kDownloadCancelled);
        case DownloadOutcome::NotModified:
            return QLatin1String(kDownloadNotModified);
        case DownloadOutcome::NoAddress:
        case DownloadOutcome::Refused:
            break;
    }
    return QString();
}

}  // namespace

ElementDownload::ElementDownload(QString mainDataFolder, HttpOptions options, QObject* parent)
    : QObject(parent), mainDataFolder_(WithSlash(mainDataFolder)), client_(std::move(options)) {
    connect(&client_, &HttpClient::progress, this, &ElementDownload::progress);
    connect(&client_, &HttpClient::finished, this, &ElementDownload::OnTransferEnded);
}

ElementDownload::~ElementDownload() {
    if (running_) {
        disconnect(&client_, nullptr, this, nullptr);
        client_.Disconnect();
        body_.reset();
        RemoveTemporaries();
    }
}

QString ElementDownload::keplerFolder() const {
    return mainDataFolder_ + QLatin1String(kKeplerFolder) + QLatin1Char('/');
}

DownloadReport ElementDownload::Report(DownloadOutcome outcome, const QString& detail) const {
    DownloadReport report;
    report.outcome = outcome;
    report.address = address_;
    report.message = MessageFor(outcome);
    report.detail = detail;
    report.httpStatus = answer_.status;
    report.lastModified = answer_.lastModified;
    report.etag = answer_.etag;
    return report;
}

void ElementDownload::Start(const QString& address, const HttpConditions& conditions) {
    if (running_) {
        DownloadReport report;
        report.outcome = DownloadOutcome::Failed;
        report.address = address;
        report.message = QLatin1String(kDownloadFailed);
        report.detail = QStringLiteral("another download is running");
        QTimer::singleShot(0, this, [this, report] { emit finished(report); });
        return;
    }
    running_ = true;
    answer_ = HttpResult{};
    address_ = address.trimmed();
    if (address_.isEmpty()) {
        FinishLater(Report(DownloadOutcome::NoAddress));
        return;
    }
    destinationName_ = DestinationName(address_);
    const QString problem = DestinationProblem(address_);
    if (!problem.isEmpty()) {
        DownloadReport report = Report(DownloadOutcome::Refused);
        report.message = problem;
        FinishLater(report);
        return;
    }
    // The temporaries have fixed names; a second program sharing them would mix two files.
    lock_ = std::make_unique<QLockFile>(mainDataFolder_ + QStringLiteral("InterKeps.lock"));
    lock_->setStaleLockTime(0);  // a live holder keeps it however long it takes
    if (!lock_->tryLock(0)) {
        lock_.reset();
        FinishLater(
            Report(DownloadOutcome::Failed, QStringLiteral("another download into %1 is running")
                                                .arg(QDir::toNativeSeparators(mainDataFolder_))));
        return;
    }
    // Only the lock's holder may clear a temporary: another download may be writing it.
    QFile::remove(secondTemporary());
    body_ = std::make_unique<QFile>(firstTemporary());
    QFile second(secondTemporary());
    if (!body_->open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !second.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QString why = body_->isOpen() ? second.errorString() : body_->errorString();
        body_.reset();
        RemoveTemporaries();
        FinishLater(Report(DownloadOutcome::Failed, why));
        return;
    }
    client_.Get(QUrl(address_, QUrl::TolerantMode), body_.get(), conditions);
}

DownloadReport ElementDownload::Run(const QString& address, const HttpConditions& conditions) {
    DownloadReport outcome;
    bool done = false;
    QEventLoop loop;
    const auto connection =
        connect(this, &ElementDownload::finished, &loop, [&](const DownloadReport& report) {
            outcome = report;
            done = true;
            loop.quit();
        });
    Start(address, conditions);
    if (!done) {
        loop.exec();
    }
    disconnect(connection);
    return outcome;
}

void ElementDownload::OnTransferEnded(const HttpResult& result) {
    if (!running_ || !body_) {
        return;
    }
    const bool written = body_->flush();
    const QString writeError = body_->errorString();
    body_->close();
    body_.reset();
    answer_ = result;
    if (result.notModified()) {
        RemoveTemporaries();
        Finish(Report(DownloadOutcome::NotModified));
        return;
    }
    if (!result.ok()) {
        RemoveTemporaries();
        Finish(Report(result.failure == HttpFailure::Cancelled ? DownloadOutcome::Cancelled
                                                               : DownloadOutcome::Failed,
                      result.detail));
        return;
    }
    if (!written) {
        RemoveTemporaries();
        Finish(Report(DownloadOutcome::Failed, writeError));
        return;
    }
    Finish(StoreBody());
}

DownloadReport ElementDownload::StoreBody() {
    QFile first(firstTemporary());
    QFile second(secondTemporary());
    if (!first.open(QIODevice::ReadOnly)) {
        RemoveTemporaries();
        return Report(DownloadOutcome::Failed, first.errorString());
    }
    const QByteArray body = first.readAll();
    first.close();
    if (!second.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        second.write(body) != body.size() || !second.flush()) {
        const QString why = second.errorString();
        RemoveTemporaries();
        return Report(DownloadOutcome::Failed, why);
    }
    second.close();

    const std::optional<QString> problem =
        DownloadBodyProblem(std::string_view(body.constData(), static_cast<size_t>(body.size())));
    QFile::remove(firstTemporary());
    if (problem) {
        QFile::remove(secondTemporary());
        return Report(DownloadOutcome::NoElementData, *problem);
    }

    const QString destination = keplerFolder() + destinationName_;
    QDir().mkpath(keplerFolder());
    QSaveFile target(destination);
    if (!second.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly) ||
        target.write(second.readAll()) != body.size() || !target.commit()) {
        const QString why = QStringLiteral("cannot write %1: %2")
                                .arg(QDir::toNativeSeparators(destination), target.errorString());
        target.cancelWriting();
        second.close();
        QFile::remove(secondTemporary());
        return Report(DownloadOutcome::Failed, why);
    }
    second.close();
    QFile::remove(secondTemporary());
    DownloadReport report = Report(DownloadOutcome::Succeeded);
    report.destination = destination;
    return report;
}

void ElementDownload::RemoveTemporaries() {
    QFile::remove(firstTemporary());
    QFile::remove(secondTemporary());
}

void ElementDownload::FinishLater(DownloadReport report) {
    QTimer::singleShot(0, this, [this, report] { Finish(report); });
}

void ElementDownload::Finish(DownloadReport report) {
    lock_.reset();
    running_ = false;
    emit finished(report);
}

}  // namespace orbivox

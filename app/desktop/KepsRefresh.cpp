// Starting the element refresh at its times, showing its progress, and reading a new file.
#include "app/desktop/KepsRefresh.h"

#include <QFileInfo>

#include "app/desktop/StatusText.h"

namespace orbivox {

KepsRefresh::KepsRefresh(TrackingSession& session, QStatusBar& bar,
                         std::function<void()> reloaded, HttpOptions options)
    : QObject(&bar),
      session_(session),
      reloaded_(std::move(reloaded)),
      refresh_(session.folders().mainDataFolder, std::move(options)),
      panel_(new QLabel(&bar)) {
    panel_->setObjectName(QStringLiteral("lblKepsRefresh"));
    panel_->hide();
    bar.addWidget(panel_);
    timer_.setInterval(kElementRefreshHours * 60 * 60 * 1000);
    connect(&timer_, &QTimer::timeout, this, &KepsRefresh::Check);
    timer_.start();
    connect(&refresh_, &ElementRefresh::progress, this, [this](qint64 received, qint64) {
        panel_->setText(QStringLiteral("Fetching elements: %1 kB").arg(received / 1024));
    });
    connect(&refresh_, &ElementRefresh::finished, this, &KepsRefresh::Finished);
}

void KepsRefresh::Check() {
    const StartValues& values = session_.storedValues();
    const double now = session_.engine().Time().computationInstant;
    if (!values.elementRefresh || now <= 0.0 || session_.sourceFile().isEmpty()) {
        return;
    }
    if (refresh_.Check(session_.sourceFile(), values.elementRefreshDays, now,
                       QDateTime::currentDateTimeUtc()) == ElementRefresh::Decision::Started) {
        panel_->setText(QStringLiteral("Fetching elements"));
        panel_->setToolTip(QFileInfo(session_.sourceFile()).fileName());
        panel_->show();
    }
}

void KepsRefresh::Finished(const DownloadReport& report) {
    const QString name = QFileInfo(session_.sourceFile()).fileName();
    if (report.outcome == DownloadOutcome::NotModified) {
        ShowWhole(panel_, name + QStringLiteral(": not modified"));
    } else if (!report.succeeded()) {
        ShowWhole(panel_, name + QStringLiteral(": ") + report.message);
        panel_->setToolTip(report.detail);
    } else if (QFileInfo(report.destination) == QFileInfo(session_.sourceFile()) &&
               session_.ReloadElements()) {
        ShowWhole(panel_, name + QStringLiteral(": fresh elements"));
        if (reloaded_) {
            reloaded_();
        }
    }
}

}  // namespace orbivox

// Deciding whether the group's element file is fetched again, and fetching it without
// waiting, with its answer remembered in Downloads.SQF.
#include "catalogue/ElementRefresh.h"

#include <QFileInfo>

#include "catalogue/DownloadAddresses.h"
#include "settings/Folders.h"
#include "settings/SqfFile.h"

namespace orbivox {

ElementRefresh::ElementRefresh(QString mainDataFolder, HttpOptions options, QObject* parent)
    : QObject(parent),
      mainDataFolder_(WithSlash(mainDataFolder)),
      download_(mainDataFolder_, std::move(options)) {
    connect(&download_, &ElementDownload::progress, this, &ElementRefresh::progress);
    connect(&download_, &ElementDownload::finished, this, [this](const DownloadReport& report) {
        RememberAnswer(mainDataFolder_, plan_, started_, report);
        emit finished(report);
    });
}

QString ElementRefresh::AddressFor(const QString& elementFile) const {
    QStringList addresses;
    try {
        addresses = ReadDownloadAddresses(mainDataFolder_ + QLatin1String(kDownloadAddressFile));
    } catch (const SqfError&) {
        return {};
    }
    const QString wanted = QFileInfo(elementFile).absoluteFilePath();
    for (const QString& address : addresses) {
        if (!address.trimmed().isEmpty() &&
            QFileInfo(StoredFileOf(mainDataFolder_, address)).absoluteFilePath() == wanted) {
            return address.trimmed();
        }
    }
    return {};
}

ElementRefresh::Decision ElementRefresh::Check(const QString& elementFile, double days,
                                               double julianDate, const QDateTime& now) {
    if (busy()) {
        return Decision::Busy;
    }
    if (FreshEnough(elementFile, days, julianDate)) {
        return Decision::FreshEnough;
    }
    const QString address = AddressFor(elementFile);
    if (address.isEmpty()) {
        return Decision::NoAddress;
    }
    plan_ = PlanFetch(mainDataFolder_, address, now);
    if (plan_.fetchedRecently) {
        return Decision::FetchedRecently;
    }
    started_ = now;
    download_.Start(plan_.address, plan_.conditions);
    return Decision::Started;
}

}  // namespace orbivox

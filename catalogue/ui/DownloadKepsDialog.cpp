// The download dialog's layout and help text, starting and cancelling a transfer, the progress
// bar in KiB, and the message shown when the download ends.
#include "catalogue/ui/DownloadKepsDialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/DownloadAddresses.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

QString Kibibytes(qint64 bytes) {
    return QString::number((bytes + 1023) / 1024) + QStringLiteral(" KiB");
}

}  // namespace

QString DownloadKepsHelpText() {
    const QStringList lines = {
        QStringLiteral("To download a Keplerian data file select the address in the list and\r"
                       "click on \"DownLoad\"."),
        QStringLiteral("To add new download addresses to the list edit the file"),
        QStringLiteral("\"Celestrak.SQF\" in the Orbivox32 data folder. The file can be"),
        QStringLiteral("opened with the Orbivox32 menu \"? | Auxiliary Files.\""),
        QStringLiteral("Add only addresses of Http servers (addresses starting with \"Http\")."),
        QStringLiteral("DIRECT download from FTP servers (addresses starting with \"FTP\")"),
        QStringLiteral("will not work!"),
        QStringLiteral("Downloaded files will be saved in the sub folder \"Kepler\" in the"),
        QStringLiteral("Orbivox32 program folder. To use a file click on the filename in the "),
        QStringLiteral("left list of the menu \"Satellites\", then click on \"OK\"."),
        QStringLiteral("For information how to update the Keplerian data from other sources "),
        QStringLiteral("read the FAQ file, section 2."),
    };
    QString text;
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += QLatin1Char('\r');
        }
        text += lines[i];
        if (i == 1 || i == 8 || i == 11) {
            text += QLatin1Char('\r');  // an empty line after these
        }
    }
    return text;
}

TDownloadKeps::TDownloadKeps(const QString& mainDataFolder, Notifier& notifier, HttpOptions options,
                             QWidget* parent)
    : QDialog(parent), download_(mainDataFolder, std::move(options)), notifier_(notifier) {
    setWindowTitle(QStringLiteral("Download Keps"));
    setModal(true);

    lblSelect = new QLabel(QStringLiteral("Select URL, then click on \"Download!\""), this);
    lstCelesAdr = new QListWidget(this);
    lstCelesAdr->setMinimumWidth(420);
    // An address ends in the file's name, the part worth seeing when it is too long.
    lstCelesAdr->setTextElideMode(Qt::ElideMiddle);
    lblSelect->setBuddy(lstCelesAdr);
    prgTransfer = new QProgressBar(this);
    prgTransfer->setTextVisible(true);  // "0%" before it moves: a bar, not a text field
    prgTransfer->setRange(0, 1);
    prgTransfer->setValue(0);
    lblStatus = new QLabel(this);
    lblStatus->setWordWrap(true);

    btnDownload = new QPushButton(QStringLiteral("Download"), this);
    btnHelp = new QPushButton(QStringLiteral("Help"), this);
    btnQuit = new QPushButton(QStringLiteral("Quit"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnDownload->setDefault(true);
    btnCancel->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDownload);
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnQuit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSelect);
    layout->addWidget(lstCelesAdr, 1);
    layout->addWidget(prgTransfer);
    layout->addWidget(lblStatus);
    layout->addLayout(buttons);

    // The list is read once, when the dialog is made.
    try {
        lstCelesAdr->addItems(ReadDownloadAddresses(
            QDir(mainDataFolder).filePath(QLatin1String(kDownloadAddressFile))));
    } catch (const SqfError& error) {
        lblStatus->setText(
            QStringLiteral("Cannot read %1: %2").arg(error.fileName(), error.reason()));
    }
    if (lstCelesAdr->count() > 0) {
        lstCelesAdr->setCurrentRow(0);
    }
    lstCelesAdr->setFocus();

    connect(btnDownload, &QPushButton::clicked, this, &TDownloadKeps::DownloadClick);
    connect(btnHelp, &QPushButton::clicked, this, &TDownloadKeps::HelpClick);
    connect(btnQuit, &QPushButton::clicked, this, &TDownloadKeps::QuitClick);
    connect(btnCancel, &QPushButton::clicked, &download_, &ElementDownload::Cancel);
    connect(lstCelesAdr, &QListWidget::itemActivated, this, &TDownloadKeps::DownloadClick);
    connect(&download_, &ElementDownload::progress, this, &TDownloadKeps::OnProgress);
    connect(&download_, &ElementDownload::finished, this, &TDownloadKeps::OnFinished);
}

void TDownloadKeps::DownloadClick() {
    if (download_.busy()) {
        return;
    }
    const QListWidgetItem* item = lstCelesAdr->currentItem();
    const QString address = item ? item->text() : QString();
    if (address.trimmed().isEmpty()) {
        return;
    }
    SetTransferring(true);
    lblStatus->setText(QStringLiteral("Connecting to %1 ...").arg(address));
    download_.Start(address);
}

void TDownloadKeps::HelpClick() {
    notifier_.Show(
        {DownloadKepsHelpText(), MessageKind::Information, QStringLiteral("Help"), {}, false});
}

void TDownloadKeps::reject() {
    // Quit, Escape while idle, and the frame's close button all end here.
    download_.Disconnect();
    emit quitting();
    QDialog::reject();
}

void TDownloadKeps::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && download_.busy()) {
        download_.Cancel();  // the first Escape stops the transfer, the next one quits
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDownloadKeps::OnProgress(qint64 received, qint64 total) {
    if (total > 0) {
        prgTransfer->setRange(0, 1000);
        prgTransfer->setValue(static_cast<int>(received * 1000 / total));
        lblStatus->setText(QStringLiteral("%1 of %2").arg(Kibibytes(received), Kibibytes(total)));
    } else {
        prgTransfer->setRange(0, 0);  // size unknown: a busy bar
        lblStatus->setText(Kibibytes(received));
    }
}

void TDownloadKeps::OnFinished(const DownloadReport& report) {
    SetTransferring(false);
    if (report.outcome == DownloadOutcome::NoAddress) {
        lblStatus->clear();
        return;
    }
    lblStatus->setText(report.detail.isEmpty()
                           ? report.message
                           : report.message + QStringLiteral(": ") + report.detail);
    if (report.outcome != DownloadOutcome::Cancelled) {
        notifier_.Show({report.message, MessageKind::Information, QStringLiteral("Download Keps"),
                        report.detail, false});
    }
    if (report.succeeded()) {
        emit fileListChanged(report.destination);
    }
}

void TDownloadKeps::SetTransferring(bool transferring) {
    btnDownload->setEnabled(!transferring);
    lstCelesAdr->setEnabled(!transferring);
    btnCancel->setEnabled(transferring);
    prgTransfer->setRange(0, transferring ? 0 : 1);
    prgTransfer->setValue(0);
    if (transferring) {
        btnCancel->setFocus();
    } else {
        lstCelesAdr->setFocus();
    }
}

}  // namespace orbivox

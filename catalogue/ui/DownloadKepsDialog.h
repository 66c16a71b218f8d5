#pragma once
// "Download Keps": pick an address from Celestrak.SQF and fetch its element file into the
// "Kepler" folder. The dialog is modal, but the transfer runs in the background: a progress
// bar moves and "Cancel" (or Escape) stops it.
//
// The satellites dialog connects fileListChanged() to refresh its file list and quitting() to
// reselect the source file it remembered when it opened this one.
#include <QDialog>

#include "catalogue/ElementDownload.h"
#include "settings/Notifier.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace orbivox {

// The help text of the dialog, lines separated by "\r".
QString DownloadKepsHelpText();

class TDownloadKeps : public QDialog {
    Q_OBJECT

public:
    TDownloadKeps(const QString& mainDataFolder, Notifier& notifier, HttpOptions options = {},
                  QWidget* parent = nullptr);

    ElementDownload& download() { return download_; }

    QLabel* lblSelect = nullptr;
    QListWidget* lstCelesAdr = nullptr;
    QPushButton* btnDownload = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnQuit = nullptr;
    QPushButton* btnCancel = nullptr;
    QProgressBar* prgTransfer = nullptr;
    QLabel* lblStatus = nullptr;

signals:
    void fileListChanged(const QString& storedFile);
    void quitting();

public slots:
    void DownloadClick();
    void HelpClick();
    void QuitClick() { reject(); }
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnProgress(qint64 received, qint64 total);
    void OnFinished(const DownloadReport& report);
    void SetTransferring(bool transferring);

    ElementDownload download_;
    Notifier& notifier_;
};

}  // namespace orbivox

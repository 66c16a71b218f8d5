// The download dialog against a local HTTP server: its address list, a download into the
// Kepler folder, cancelling, Quit telling the satellites dialog, and the help text's lines.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "catalogue/ui/DownloadKepsDialog.h"
#include "settings/SqfFile.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

using namespace std::chrono_literals;

class DownloadKepsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile fixture(QStringLiteral(ORBIVOX_TEST_DATA "/download-elements.txt"));
        ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
        Answer good;
        good.body = fixture.readAll();
        server.Serve("/amateur.txt", good);
        Answer slow;
        slow.silent = true;
        server.Serve("/slow.txt", slow);
        SqfWriter()
            .Lines({"; our own list", server.Url("/amateur.txt"), ";" + server.Url("/hidden.txt"),
                    server.Url("/slow.txt")})
            .Commit(dir.filePath("Celestrak.SQF"));
    }

    // Waits until the dialog's download has ended.
    static void WaitForDownload(TDownloadKeps& dialog) {
        QEventLoop loop;
        QObject::connect(&dialog.download(), &ElementDownload::finished, &loop, &QEventLoop::quit,
                         Qt::QueuedConnection);
        QTimer::singleShot(10s, &loop, &QEventLoop::quit);
        if (dialog.download().busy()) {
            loop.exec();
        }
    }

    QTemporaryDir dir;
    LocalHttpServer server;
    RecordingNotifier notifier;
};

void PressKey(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

TEST_F(DownloadKepsDialogTest, ListsTheAddressesAndDownloadsTheSelectedOne) {
    TDownloadKeps dialog(dir.path(), notifier);
    QStringList listChanged;
    QObject::connect(&dialog, &TDownloadKeps::fileListChanged,
                     [&](const QString& file) { listChanged.append(file); });

    EXPECT_EQ(dialog.lblSelect->text(), "Select URL, then click on \"Download!\"");
    ASSERT_EQ(dialog.lstCelesAdr->count(), 2);  // the comment is not listed
    EXPECT_EQ(dialog.lstCelesAdr->currentRow(), 0);

    dialog.show();
    PressKey(dialog.lstCelesAdr, Qt::Key_Return);  // Enter on the list downloads
    WaitForDownload(dialog);
    EXPECT_EQ(notifier.messages, QStringList{"Download succesful!"});
    EXPECT_EQ(notifier.boxes.at(0).caption, "Download Keps");
    ASSERT_EQ(listChanged.size(), 1);
    EXPECT_EQ(listChanged.first(), dir.filePath("Kepler/amateur.txt"));
    EXPECT_TRUE(dialog.btnDownload->isEnabled());
    EXPECT_FALSE(dialog.btnCancel->isEnabled());
}

TEST_F(DownloadKepsDialogTest, ATransferCanBeCancelledAndQuitTellsTheSatellitesDialog) {
    TDownloadKeps dialog(dir.path(), notifier);
    int quitting = 0;
    QObject::connect(&dialog, &TDownloadKeps::quitting, [&] { ++quitting; });
    dialog.show();
    dialog.lstCelesAdr->setCurrentRow(1);
    dialog.btnDownload->click();
    EXPECT_TRUE(dialog.download().busy());
    EXPECT_FALSE(dialog.btnDownload->isEnabled());
    EXPECT_TRUE(dialog.btnCancel->isEnabled());
    EXPECT_TRUE(dialog.isVisible());

    PressKey(&dialog, Qt::Key_Escape);  // the first Escape stops the transfer only
    WaitForDownload(dialog);
    EXPECT_FALSE(dialog.download().busy());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(notifier.boxes.empty());  // the user asked for it: no message box
    EXPECT_EQ(quitting, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("InterKeps.txt")));

    dialog.btnQuit->click();
    EXPECT_EQ(quitting, 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DownloadKepsDialogTest, HelpHasTwelveLinesAndThreeEmptyOnes) {
    TDownloadKeps dialog(dir.path(), notifier);
    dialog.btnHelp->click();
    ASSERT_EQ(notifier.boxes.size(), 1u);
    EXPECT_EQ(notifier.boxes[0].caption, "Help");
    EXPECT_EQ(notifier.boxes[0].text, DownloadKepsHelpText());
    const QStringList lines = DownloadKepsHelpText().split('\r');
    EXPECT_EQ(lines.size(), 16);
    EXPECT_EQ(lines.count(QString()), 3);
    EXPECT_EQ(lines.first(),
              "To download a Keplerian data file select the address in the list and");
    EXPECT_EQ(lines.at(2), "To add new download addresses to the list edit the file");
    EXPECT_EQ(lines.at(3), "");
    // The address list lives with the data, not with the program.
    EXPECT_EQ(lines.at(4), "\"Celestrak.SQF\" in the Orbivox32 data folder. The file can be");
}

}  // namespace
}  // namespace orbivox

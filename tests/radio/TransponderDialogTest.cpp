// The frequency-store dialog offscreen: its texts, a keyboard that cannot store by accident,
// and its buttons running the stores with the answers through the notifier.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "radio/ui/CalibrationDialog.h"
#include "tests/radio/TransponderTestTarget.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

const QByteArray kTable = ";h\r\n;h\r\n;h\r\nJAS-2 (FO-29),435850,145950,USB,LSB,REV,0,0\r\n";

class TransponderDialogTest : public ScratchFolder {
protected:
    void SetUp() override {
        Write("Doppler.SQF", kTable);
        files_ = TransponderFilesIn(dir_.path() + "/");
        table_ = ReadTransponderTable(files_.table);
    }
    TransponderFiles files_;
    QList<TransponderEntry> table_;
    RecordingTarget target_;
    RecordingNotifier notifier_;
};

TEST_F(TransponderDialogTest, ShowsItsCaptionsWarningAndHints) {
    TCalib dialog(target_, notifier_, files_, &table_[0]);
    EXPECT_EQ(dialog.windowTitle(), "Change & Store Frequency Data");
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels.append(label->text());
    }
    EXPECT_EQ(labels, QStringList({" Attention: Clicking on the controls will change and store "
                                   "frequeny data",
                                   " in the Doppler.SQF file! "}));
    QStringList groups;
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        groups.append(group->title());
    }
    EXPECT_EQ(groups, QStringList({"Change/Store:", "Store:"}));
    const std::pair<QPushButton*, const char*> buttons[] = {
        {dialog.rxTxButton(), "RX/TX Freq. Data"},
        {dialog.calibrationButton(), "Uplink Calibration"},
        {dialog.restoreButton(), "Restore data"},
        {dialog.cancelButton(), "Cancel"},
    };
    for (const auto& [button, text] : buttons) {
        EXPECT_EQ(button->text(), text);
    }
    EXPECT_EQ(dialog.rxTxButton()->toolTip(),
              "Changes & Stores RX/TX data for present RX/TX frequencies");
    EXPECT_EQ(dialog.calibrationButton()->toolTip(),
              "Stores Uplink calibration by changing the TX frequency entry");
    EXPECT_EQ(dialog.restoreButton()->toolTip(),
              "Restores  previous content of the Doppler.SQF file");
}

// Tab walks the buttons in reading order; Enter and Escape close without storing.
TEST_F(TransponderDialogTest, TheKeyboardClosesWithoutStoring) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        TCalib dialog(target_, notifier_, files_, &table_[0]);
        dialog.show();
        QWidget* first = dialog.rxTxButton();
        EXPECT_EQ(first->nextInFocusChain(), dialog.calibrationButton());
        EXPECT_EQ(dialog.calibrationButton()->nextInFocusChain(), dialog.restoreButton());
        EXPECT_EQ(dialog.restoreButton()->nextInFocusChain(), dialog.cancelButton());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &press);
        EXPECT_FALSE(dialog.isVisible()) << key;
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(target_.events.isEmpty());
    EXPECT_TRUE(notifier_.texts.isEmpty());
    EXPECT_EQ(Bytes("Doppler.SQF"), kTable);
}

TEST_F(TransponderDialogTest, ButtonsRunTheStoresAndReportThroughTheNotifier) {
    TCalib dialog(target_, notifier_, files_, &table_[0]);
    int refills = 0;
    dialog.onStored = [&] { ++refills; };

    dialog.restoreButton()->click();  // nothing to restore yet
    EXPECT_EQ(notifier_.boxes.back().kind, MessageKind::Warning);

    target_.tuning = {435150, 145900.5, 0, 0, 0, 500};
    dialog.rxTxButton()->click();
    EXPECT_EQ(Bytes("Doppler.SQF"), QByteArray(kTable).replace("435850,145950", "435150,145900.5"));
    dialog.calibrationButton()->click();
    EXPECT_EQ(Bytes("Doppler.SQF"), QByteArray(kTable).replace("435850,145950", "435150,145901"));
    EXPECT_EQ(refills, 2);
    dialog.restoreButton()->click();
    EXPECT_EQ(Bytes("Doppler.SQF"), kTable);
    EXPECT_EQ(refills, 2);  // a restore leaves the table in memory as it is
    EXPECT_EQ(notifier_.messages.mid(1),
              QStringList({kStoredMessage, kStoredMessage, kRestoredMessage}));
}

}  // namespace
}  // namespace orbivox

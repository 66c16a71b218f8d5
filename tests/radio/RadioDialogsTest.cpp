// The Radio Setup and Mode dialogs driven offscreen: they show what their logic holds and
// hand every click and keystroke to it; the Mode logic on a tracker without a radio.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "radio/CatLink.h"
#include "radio/ModeSettings.h"
#include "radio/ui/ModeDialog.h"
#include "radio/ui/RadioSetupDialog.h"
#include "settings/SqfFile.h"
#include "tests/support/BundledData.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

// What typing does to a field: its text, then the edit signal.
void Type(QLineEdit* field, const QString& text) {
    field->setText(text);
    emit field->textEdited(text);
}

class RadioSetupDialogTest : public BundledConfiguration {
protected:
    void SetUp() override {
        BundledConfiguration::SetUp();
        setup_.Load();
        dialog_.Present();
    }
    RecordingNotifier notifier_;
    RadioSetup setup_{folders_, notifier_};
    TSatSetupRad dialog_{setup_};
};

TEST_F(RadioSetupDialogTest, ABadPortShowsTheRedLabelAndKeepsTheValue) {
    dialog_.lstValue()->setCurrentRow(0);
    Type(dialog_.edtPers(), "12");
    Type(dialog_.edtPers(), "100");
    EXPECT_FALSE(dialog_.errorLabel()->isHidden());
    EXPECT_EQ(dialog_.errorLabel()->text(), "Errpor!");
    EXPECT_EQ(setup_.Values().port, 12);
    Type(dialog_.edtPers(), "7");
    EXPECT_TRUE(dialog_.errorLabel()->isHidden());
    EXPECT_EQ(dialog_.lstValue()->item(0)->text(), "7");
    EXPECT_EQ(dialog_.device(1)->currentText(), "/dev/ttyUSB6");
}

TEST_F(RadioSetupDialogTest, FamiliesFillTheCombosAndRadio2NoneDisablesItsPort) {
    dialog_.rdGrpOptTrx()->button(3)->click();  // Kenwood
    EXPECT_EQ(setup_.Values().radio1, RadioFamily::Kenwood);
    QStringList items;
    for (int k = 0; k < dialog_.leftCombo(1)->count(); ++k) {
        items << dialog_.leftCombo(1)->itemText(k);
    }
    EXPECT_EQ(items, QStringList({"Model", "Baudrate", "S-Store", "Trace"}));

    dialog_.rdGrpOptTrx2()->button(4)->click();  // Kenwood
    EXPECT_TRUE(dialog_.edPers2()->isEnabled());
    dialog_.leftCombo(2)->setCurrentIndex(1);
    emit dialog_.leftCombo(2)->activated(1);
    EXPECT_EQ(dialog_.rightCombo(2)->count(), 4);  // radio 2's Kenwood baud rates
    dialog_.rdGrpOptTrx2()->button(0)->click();    // None
    EXPECT_FALSE(dialog_.edPers2()->isEnabled());
    EXPECT_EQ(dialog_.edPers2()->text(), "0");
    EXPECT_FALSE(dialog_.chkDtrII()->isEnabled());
}

TEST_F(RadioSetupDialogTest, StoreWritesAndCloses) {
    dialog_.rdGrpOptTrx()->button(0)->click();  // Yaesu
    dialog_.lstValue()->setCurrentRow(0);
    Type(dialog_.edtPers(), "3");
    dialog_.device(1)->setCurrentText("/dev/pts/9");
    dialog_.cmdOK()->click();
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    EXPECT_EQ(ReadSqfLines(folders_.ConfigFile("SatIni.SQF"))[4], "3");
    EXPECT_EQ(setup_.DeviceFor(3), "/dev/pts/9");
    EXPECT_TRUE(ReadSqfLines(folders_.ConfigFile("ComPorts.SQF")).contains("3=/dev/pts/9"));
}

// The Hamlib family: radio 1's only, typed host and port (a bad port refused with why), the
// style chosen, no COM port; Store writes HamlibPar.SQF and port 0, and a new setup reads
// them back.
TEST_F(RadioSetupDialogTest, HamlibIsTypedStoredAndReadBack) {
    EXPECT_EQ(dialog_.rdGrpOptTrx2()->buttons().size(), dialog_.rdGrpOptTrx()->buttons().size());
    dialog_.rdGrpOptTrx()->button(4)->click();  // Hamlib
    ASSERT_EQ(setup_.Values().radio1, RadioFamily::Hamlib);
    EXPECT_FALSE(dialog_.cmdTest()->isHidden());
    EXPECT_FALSE(dialog_.lstValue()->item(0)->flags() & Qt::ItemIsEnabled);  // the COM port
    EXPECT_TRUE(dialog_.lstValue()->item(1)->flags() & Qt::ItemIsEnabled);   // the CAT delay
    EXPECT_FALSE(dialog_.device(1)->isEnabled());
    QComboBox* left = dialog_.leftCombo(1);
    QComboBox* right = dialog_.rightCombo(1);
    auto item = [&](int index) {
        left->setCurrentIndex(index);
        emit left->activated(index);
    };
    ASSERT_EQ(left->count(), 4);
    item(0);  // Host
    ASSERT_TRUE(right->isEditable());
    right->setEditText("shack-pi");
    item(1);  // Port
    right->setEditText("4600");
    right->setEditText("70000");
    EXPECT_FALSE(dialog_.errorLabel()->isHidden());
    EXPECT_TRUE(dialog_.helpLabel()->text().contains("1 to 65535"));
    item(2);  // VFO style: a list
    EXPECT_FALSE(right->isEditable());
    right->setCurrentIndex(1);
    emit right->activated(1);
    item(3);  // the radio's name
    right->setEditText("IC-9700");
    dialog_.cmdOK()->click();
    EXPECT_EQ(ReadSqfLines(folders_.ConfigFile("HamlibPar.SQF")),
              QStringList({"shack-pi", "4600", "sub", "IC-9700"}));
    EXPECT_EQ(ReadSqfLines(folders_.ConfigFile("SatIni.SQF"))[4], "0");
    EXPECT_EQ(ReadSqfLines(folders_.ConfigFile("TRX.SQF"))[0], "Hamlib");

    RadioSetup again(folders_, notifier_);
    again.Load();
    EXPECT_EQ(again.Values().radio1, RadioFamily::Hamlib);
    EXPECT_EQ(again.Chosen(RadioFamily::Hamlib, RadioSetupItem::Host, 1), "shack-pi");
    EXPECT_EQ(again.Chosen(RadioFamily::Hamlib, RadioSetupItem::NetworkPort, 1), "4600");
    EXPECT_EQ(again.Chosen(RadioFamily::Hamlib, RadioSetupItem::VfoStyle, 1), "sub");
}

class ModeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QTemporaryDir dir_;
    CatLink link_{nullptr, 0};
    DopplerTracker tracker_{link_, nullptr, {}};
    RecordingNotifier notifier_;
    ModeSettings mode_{
        tracker_, dir_.filePath("KorrMod.SQF"), {{0x60, 0x60}, {0xA2, 0x00}}, notifier_};
};

TEST_F(ModeTest, CorrectionModeOnlyWithVfoModeAndStoreReadsBack) {
    QString status;
    mode_.onStatus = [&](const QString& text) { status = text; };
    tracker_.Tuning().vfoMode = false;
    mode_.ChooseMode(CorrectionMode::Uplink);
    EXPECT_EQ(mode_.Correction().mode, CorrectionMode::UplinkAndDownlink);
    tracker_.Tuning().vfoMode = true;
    mode_.ChooseMode(CorrectionMode::Uplink);
    EXPECT_EQ(status, " Doppl.Corr.: Uplink");
    mode_.ChooseDisplay(FrequencyDisplay::DopplerShift);
    EXPECT_EQ(tracker_.ShiftLine(), QString(26, ' '));
    mode_.ChooseDisplay(FrequencyDisplay::SatelliteFrequency);
    ASSERT_TRUE(mode_.Store());
    const CorrectionSettings stored = ReadCorrectionSettings(dir_.filePath("KorrMod.SQF"));
    EXPECT_EQ(stored.mode, CorrectionMode::Uplink);
    EXPECT_EQ(stored.display, FrequencyDisplay::SatelliteFrequency);
    EXPECT_FALSE(mode_.ApplyPair(0));  // radio 1 is no Icom radio
}

TEST_F(ModeTest, DialogShowsTheStateAndDisablesTheModeWithoutVfo) {
    tracker_.Tuning().vfoMode = false;
    TMode dialog(mode_);
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_FALSE(dialog.findChild<QGroupBox*>("rdgModeKorr")->isEnabled());
        EXPECT_EQ(dialog.lstAdress()->item(1)->text(), " $A2    $00");
        dialog.reject();
    });
    EXPECT_EQ(dialog.Open(), QDialog::Rejected);
}

}  // namespace
}  // namespace orbivox

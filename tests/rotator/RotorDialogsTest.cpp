// The two rotor dialogs driven offscreen: they show what their rules hold and hand every
// click and keystroke to them.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "rotator/ui/HinweiseDialog.h"
#include "rotator/ui/RotorSetupDialog.h"
#include "settings/SqfFile.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

template <typename T>
T* Child(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(THinweise, ExecuteStandardDirectionsAndSpinners) {
    QTemporaryDir dir;
    Folders folders;
    folders.configDataFolder = dir.path() + "/";
    AntennaPositioning positioning;
    bool rotorOn = true;
    positioning.BindRotorSwitch(&rotorOn);
    positioning.Settings().decimals = 0;
    std::vector<QString> sent;
    positioning.SetSender(
        [&](const QString& az, const QString& el) { sent.push_back(az + " " + el); });
    RecordingNotifier notifier;
    ManualRotor manual(positioning, folders, notifier);
    THinweise dialog(manual, {{"North", 0}, {"East", 90}});
    EXPECT_EQ(dialog.windowTitle(), "Rotor");
    EXPECT_FALSE(dialog.cmdOK()->isEnabled());
    EXPECT_EQ(dialog.lstStandR()->item(1)->text(), "East     90");
    EXPECT_FALSE(Child<QPushButton>(dialog, "SpinElev01")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(dialog, "SpinElev")->isEnabled());

    dialog.show();
    dialog.txtEl()->setText("30");
    dialog.txtAz()->setText("400");  // beeps, not taken
    EXPECT_EQ(notifier.beeps, 1);
    ASSERT_TRUE(dialog.cmdOK()->isEnabled());
    dialog.cmdOK()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(rotorOn);
    EXPECT_EQ(sent.back(), "000 030");

    dialog.show();
    dialog.lstStandR()->setCurrentRow(1);
    emit dialog.lstStandR()->itemClicked(dialog.lstStandR()->item(1));
    EXPECT_EQ(sent.back(), "090 000");
    Child<QPushButton>(dialog, "SpinAzim")->click();
    EXPECT_EQ(dialog.txtKorrH()->text(), " 1");
    EXPECT_EQ(sent.back(), "091 000");
}

TEST(TSatSetupRot, OptionsFollowTheRulesAndStore) {
    QTemporaryDir dir;
    Folders folders;
    folders.programFolder = dir.path() + "/program/";
    folders.configDataFolder = dir.path() + "/";
    const auto cfg = [&](const char* name, const QByteArray& bytes) {
        WriteBytes(folders.ConfigFile(name), bytes);
    };
    cfg("AlleServer.SQF", "None,none\r\nDDE,none\r\nHamlib rotctld,x\\RotctldSrv\r\n");
    cfg("RotorInterface.SQF", "2\r\n");
    cfg("Decimals.SQF", "1\r\n");
    cfg("AntKorr.SQF", "0\r\n0\r\n");
    cfg("SatIni.SQF",
        "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n2\r\n10\r\nN\r\n-3\r\n0\r\n0\r\nauto\r\n*\r\n");
    cfg("WiRotOpt.SQF", "i\r\n10\r\n5\r\nk\r\n+\r\n");
    RotorSettings settings;
    RecordingNotifier notifier;
    RotorSetup setup(folders, settings, notifier);
    setup.Load(true, {});
    AntennaPositioning positioning;
    TSatSetupRot dialog(setup, positioning, [] { return std::nullopt; });
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Rotor Setup");
    EXPECT_EQ(dialog.cbRotIntf()->currentText(), "Hamlib rotctld");
    ASSERT_EQ(dialog.lstValue()->count(), 4);
    EXPECT_EQ(dialog.edtPers()->text(), "2");
    EXPECT_FALSE(Child<QSpinBox>(dialog, "SpinMinWin")->isEnabled());

    const auto flip = Child<QGroupBox>(dialog, "RdGrpFlip")->findChildren<QRadioButton*>();
    ASSERT_EQ(flip.size(), 2);
    flip[1]->click();  // "180 degr."
    EXPECT_TRUE(settings.flip.flipMode);
    ASSERT_EQ(notifier.texts.size(), 1);
    for (QRadioButton* b : Child<QGroupBox>(dialog, "RdGrpMaxAz")->findChildren<QRadioButton*>()) {
        EXPECT_FALSE(b->isEnabled());
    }
    dialog.lstValue()->setCurrentRow(3);
    dialog.edtPers()->setText("x5");
    emit dialog.edtPers()->textEdited("x5");
    EXPECT_FALSE(dialog.korrektur()->isHidden());
    EXPECT_EQ(dialog.lstValue()->item(3)->text(), "x5");

    Child<QPushButton>(dialog, "cmdRotOptSave")->click();
    EXPECT_EQ(ReadBytes(folders.ConfigFile("Flip.SQF")), "+\r\n-\r\n");
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace orbivox

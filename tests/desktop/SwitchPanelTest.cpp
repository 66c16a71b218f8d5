// The main window's switch panel and Options dialog, offscreen on a copy of the bundled
// configuration: the switches stand on PanSchalter with their hints, the map-view switches
// work from there, the status bar's double click hides the TX/RX button, keys reach the
// radio, and the Options dialog disables the window and writes only on "Store".
#include "app/desktop/SwitchPanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "app/desktop/MainWindow.h"
#include "app/desktop/RadioPanel.h"
#include "settings/SqfFile.h"
#include "tests/catalogue/ScriptedFileChooser.h"
#include "tests/support/BundledData.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/Spin.h"
#include "tracking/ui/OptionsDialog.h"

namespace orbivox {
namespace {

void Click(QWidget* widget, QEvent::Type type = QEvent::MouseButtonPress) {
    QMouseEvent event(type, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The dialog a press on `widget` opens (closed again at once), or an empty name.
QString PressOpens(QWidget* widget) {
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened = dialog->objectName();
            dialog->reject();
        }
    });
    Click(widget);
    QCoreApplication::processEvents();
    return opened;
}

class SwitchPanelTest : public BundledConfiguration {
protected:
    void SetUp() override {
        BundledConfiguration::SetUp();
        session_ = std::make_unique<TrackingSession>(clock_, folders_);
        ASSERT_FALSE(session_->LoadSettings({}));
        ASSERT_EQ(session_->LoadElements(), ElementPartOutcome::Tracking);
        window_ = std::make_unique<TAusgabe>(*session_, messages_, files_, screen_);
        window_->show();
        window_->StartTracking();
        window_->Timer1().stop();
    }
    QLabel* Switch(const char* name) const {
        return window_->findChild<QLabel*>(QString::fromLatin1(name));
    }
    QString SatStart() const { return folders_.ConfigFile(QStringLiteral("SatStart.SQF")); }

    orbit::FixedClock clock_{46256.0, 46256.0};  // 2026-08-22 00:00
    RecordingNotifier messages_;
    ScriptedFileChooser files_;
    FixedScreen screen_{96, QSize(1100, 800), 1280};  // room for W1 to W3 only
    std::unique_ptr<TrackingSession> session_;
    std::unique_ptr<TAusgabe> window_;
};

TEST_F(SwitchPanelTest, EverySwitchStandsOnThePanelWithItsHint) {
    const QWidget* panel = window_->findChild<QWidget*>("PanSchalter");
    ASSERT_TRUE(panel);
    for (const SwitchInfo& info : kSwitchTable) {
        QLabel* label = Switch(info.name);
        ASSERT_TRUE(label) << info.name;
        EXPECT_EQ(label->parentWidget(), panel) << info.name;
        EXPECT_EQ(label->toolTip(), QString::fromLatin1(info.hint));
    }
    // Bundled start values.
    EXPECT_EQ(Switch("lblWinSize")->text(), "W3");
    EXPECT_EQ(Switch("lblSpur")->text(), "G+");
    EXPECT_FALSE(Switch("lblVorZur")->isVisible());
    const QLabel* name = window_->findChild<QLabel*>("lblSatName");
    EXPECT_LE(name->maximumWidth(), panel->sizeHint().width());
}

TEST_F(SwitchPanelTest, MapSwitchesWorkFromThePanelAndTheWindowSizeIsStored) {
    Click(Switch("lblWinSize"));
    EXPECT_EQ(Switch("lblWinSize")->text(), "W1");  // after the largest the screen allows
    EXPECT_EQ(session_->storedValues().windowSize, WindowSize::W1);
    // The Options dialog's W5 on this screen gives W3, on the switch and in the group.
    TSatSetup& dialog = window_->optionsDialog();
    dialog.Options1Click();
    const QList<QRadioButton*> sizes =
        dialog.findChild<QWidget*>("RdGrpOptScreen")->findChildren<QRadioButton*>();
    ASSERT_EQ(sizes.size(), 5);
    EXPECT_TRUE(sizes[0]->isChecked());
    sizes[4]->click();
    EXPECT_TRUE(sizes[2]->isChecked());
    EXPECT_EQ(Switch("lblWinSize")->text(), "W3");
    EXPECT_EQ(session_->storedValues().windowSize, WindowSize::W3);
    dialog.AbbrechenClick();
    // The map set follows the images there are (none in this scratch program folder): the
    // caption and the stored value show the set the map really has.
    Click(Switch("lblBlueM"));
    const MapSet set = session_->engine().Switches().map.set;
    EXPECT_EQ(Switch("lblBlueM")->text(), QString::fromLatin1(NamesOf(set).caption));
    EXPECT_EQ(session_->storedValues().physicalMap, set == MapSet::Physical);
    // lblSpur from "G+": off, then "Gt", and a double click "G+".
    Click(Switch("lblSpur"));
    EXPECT_EQ(Switch("lblSpur")->text(), "G-");
    Click(Switch("lblSpur"));
    Click(Switch("lblSpur"), QEvent::MouseButtonDblClick);
    EXPECT_EQ(Switch("lblSpur")->text(), "G+");
}

TEST_F(SwitchPanelTest, StatusBarDoubleClickShowsAndHidesTheTxRxButton) {
    QLabel* txRx = Switch("lblTxRx");
    ASSERT_TRUE(txRx);
    EXPECT_EQ(txRx->toolTip(), kTxRxHint);
    EXPECT_EQ(window_->statusBar()->toolTip(), kStatusBarHint);
    ASSERT_TRUE(txRx->isVisible());
    Click(window_->statusBar(), QEvent::MouseButtonDblClick);
    EXPECT_FALSE(txRx->isVisible());
    Click(window_->statusBar(), QEvent::MouseButtonDblClick);
    EXPECT_TRUE(txRx->isVisible());
}

TEST_F(SwitchPanelTest, KeysOfTheTableReachTheRadio) {
    const TuningState& tuning = window_->radioPanel().Radios().Tracker().Tuning();
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier);
    QApplication::sendEvent(window_.get(), &plus);
    EXPECT_EQ(tuning.CalibrationHz(), 100);
    QKeyEvent pageUp(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &pageUp);
    EXPECT_EQ(tuning.vfoOffsetHz, 0);  // VFO mode is off
    EXPECT_FALSE(window_->switchPanel().Timer2().isActive());
}

// After a VFO step Timer2 holds the tracking for 300 ms and then restarts it, but only
// when it was running: a still picture (preview, MA) stays still.
TEST_F(SwitchPanelTest, Timer2RestartsOnlyATrackingThatWasRunning) {
    SwitchPanel& panel = window_->switchPanel();
    const auto waitForTimer2 = [&panel] {
        QEventLoop loop;
        QObject::connect(&panel.Timer2(), &QTimer::timeout, &loop, &QEventLoop::quit);
        QTimer::singleShot(kWaitDeadlineMs, &loop, &QEventLoop::quit);
        loop.exec();
    };
    window_->Timer1().start(1000);
    panel.State().holdTracking();
    EXPECT_FALSE(window_->Timer1().isActive());
    EXPECT_TRUE(panel.Timer2().isActive());
    panel.State().holdTracking();  // a second step while held
    waitForTimer2();
    EXPECT_TRUE(window_->Timer1().isActive());

    window_->Timer1().stop();
    panel.State().holdTracking();
    waitForTimer2();
    EXPECT_FALSE(window_->Timer1().isActive());
}

TEST_F(SwitchPanelTest, OptionsDisableTheWindowAndOnlyStoreWrites) {
    QAction* menu = window_->findChild<QAction*>("Options1");
    ASSERT_TRUE(menu && menu->isEnabled());
    TSatSetup& dialog = window_->optionsDialog();
    const QStringList before = ReadSqfLines(SatStart());
    menu->trigger();
    EXPECT_TRUE(dialog.isVisible());
    const QList<QRadioButton*> sizes =
        dialog.findChild<QWidget*>("RdGrpOptScreen")->findChildren<QRadioButton*>();
    ASSERT_EQ(sizes.size(), 5);
    EXPECT_TRUE(sizes[2]->isChecked());  // W3, as the bundled start values say
    EXPECT_FALSE(window_->isEnabled());
    EXPECT_TRUE(dialog.isEnabled());
    dialog.Box(StartOption::Rotor)->click();
    dialog.findChild<QPushButton*>("Abbrechen")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_EQ(ReadSqfLines(SatStart()), before);

    menu->trigger();
    EXPECT_TRUE(dialog.Box(StartOption::Rotor)->isChecked());
    dialog.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_EQ(ReadSqfLines(SatStart())[0], "+");
}

// Options belongs to the main window, so the window manager keeps it above; while it is open
// a press on the grey main window opens nothing, and an empty letter slot never does.
TEST_F(SwitchPanelTest, WhileOptionsIsOpenTheGreyWindowOpensNothing) {
    QWidget* background = window_->centralWidget();
    ASSERT_EQ(background->childAt(2, 2), nullptr);
    QLabel* emptySlot = Switch("lblX");
    ASSERT_FALSE(emptySlot->isEnabled());
    EXPECT_EQ(PressOpens(background), "TSatFilesII");
    EXPECT_EQ(PressOpens(emptySlot), "");

    TSatSetup& dialog = window_->optionsDialog();
    dialog.Options1Click();
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
    ASSERT_TRUE(dialog.windowHandle());
    EXPECT_EQ(dialog.windowHandle()->transientParent(), window_->windowHandle());
    EXPECT_EQ(PressOpens(background), "");
    const int working = session_->engine().WorkingSlot();
    EXPECT_EQ(PressOpens(Switch(working == 1 ? "lblA" : "lblB")), "");
    EXPECT_EQ(session_->engine().WorkingSlot(), working);
    dialog.AbbrechenClick();
    EXPECT_EQ(PressOpens(background), "TSatFilesII");
}

}  // namespace
}  // namespace orbivox

// The pass windows on the main window, offscreen on a copy of the bundled configuration:
// the preview draws the frame `orbivox map --at` draws for the same instant, the MA dialog's
// field and its way back to real time, the countdown window attached and stored, the
// Speech dialog's "Test" without announcements, and the sky view opened from its menu.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <memory>

#include "app/desktop/MainWindow.h"
#include "app/desktop/MapPanel.h"
#include "app/desktop/PassWindows.h"
#include "orbit/TimeScales.h"
#include "settings/SqfFile.h"
#include "tests/catalogue/ScriptedFileChooser.h"
#include "tests/support/BundledData.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/RecordingSpeech.h"
#include "tracking/SkyView.h"

namespace orbivox {
namespace {

const QString kProgramFolder = QStringLiteral(ORBIVOX_PROGRAM_FOLDER);

// A click on a switch of the panel (they act on the press).
void Press(QWidget* widget) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

class PassWindowsTest : public BundledConfiguration {
protected:
    void SetUp() override {
        BundledConfiguration::SetUp();
        folders_.programFolder = kProgramFolder + "/";
        session_ = std::make_unique<TrackingSession>(clock_, folders_);
        ASSERT_FALSE(session_->LoadSettings({}));
        ASSERT_EQ(session_->LoadElements(), ElementPartOutcome::Tracking);
        window_ = std::make_unique<TAusgabe>(*session_, messages_, files_, screen_, nullptr,
                                             speech_.Factory());
        window_->StartTracking();
    }
    PassWindows& passes() { return window_->passWindows(); }
    // Runs `answer` once the modal dialog that `open` shows is up.
    void WithDialog(const std::function<void()>& open, const std::function<void()>& answer) {
        QTimer::singleShot(0, answer);
        open();
    }

    orbit::FixedClock clock_{46256.0, 46256.0};  // 2026-08-22 00:00 UTC
    RecordingNotifier messages_;
    ScriptedFileChooser files_;
    FixedScreen screen_;
    RecordingSpeechFactory speech_;
    std::unique_ptr<TrackingSession> session_;
    std::unique_ptr<TAusgabe> window_;
};

TEST_F(PassWindowsTest, PreviewDrawsTheFrameOfTheMapCommandForItsInstant) {
    if (!QFileInfo::exists(kProgramFolder + "/Maps2D/Welt1l.bmp")) {
        GTEST_SKIP() << "the map images were not drawn in this build";
    }
    // 2026-08-22 13:47:00 UTC, in the display scale of a station on UTC.
    const double jd = orbit::JulianDateFromCivil({2026, 8, 22, 13, 47, 0, 0});
    WithDialog([&] { passes().StartPreview(); },
               [&] {
                   EXPECT_EQ(passes().PreviewDialog().windowTitle(), "Start Time (U)");
                   passes().PreviewDialog().SetPresent(jd, 15.5);
                   passes().PreviewDialog().accept();
               });
    ASSERT_EQ(passes().Preview().Mode(), TimeMode::Preview);
    EXPECT_FALSE(window_->Timer1().isActive());
    EXPECT_TRUE(passes().Controls()->isVisibleTo(window_.get()));
    // The switch panel's step factor stands where the CAT switch stood, and switches F-/F+.
    auto* factor = window_->findChild<QLabel*>("lblVorZur");
    ASSERT_TRUE(factor);
    EXPECT_TRUE(factor->isVisibleTo(window_.get()));
    EXPECT_FALSE(window_->findChild<QLabel*>("lblCat")->isVisibleTo(window_.get()));
    EXPECT_EQ(factor->text(), "F-");
    Press(factor);
    EXPECT_EQ(factor->text(), "F+");
    Press(factor);
    EXPECT_EQ(factor->text(), "F-");
    const QImage preview = window_->mapPanel().picture()->Shown();
    ASSERT_FALSE(preview.isNull());

    // The command's own data folder is a fresh copy of the same bundled defaults.
    QTemporaryDir home;
    const QString png = home.filePath("map.png");
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.insert("XDG_DATA_HOME", home.path() + "/.local/share");
    env.insert("XDG_RUNTIME_DIR", home.path() + "/run");
    cli.setProcessEnvironment(env);
    cli.start(ORBIVOX_CLI, {"map", "--at", "2026-08-22T13:47:00Z", "--out", png});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QImage command(png);
    ASSERT_EQ(preview.size(), command.size());
    EXPECT_TRUE(preview.convertToFormat(QImage::Format_RGB32) ==
                command.convertToFormat(QImage::Format_RGB32));

    // A step moves the frame on; the way back to real time starts the clock again.
    passes().Controls()->step(true);
    EXPECT_FALSE(window_->mapPanel().picture()->Shown().convertToFormat(QImage::Format_RGB32) ==
                 command.convertToFormat(QImage::Format_RGB32));
    passes().ReturnToRealTime();
    EXPECT_TRUE(window_->Timer1().isActive());
    EXPECT_FALSE(passes().Controls()->isVisibleTo(window_.get()));
    EXPECT_FALSE(factor->isVisibleTo(window_.get()));
    EXPECT_TRUE(window_->findChild<QLabel*>("lblCat")->isVisibleTo(window_.get()));
}

TEST_F(PassWindowsTest, TheGlobeSwitchCyclesTheViewsAndGreysTheZoom) {
    if (!QFileInfo::exists(kProgramFolder + "/Maps2D/Welt1l.bmp")) {
        GTEST_SKIP() << "the map images were not drawn in this build";
    }
    auto* globe = window_->findChild<QLabel*>("lbl3D");
    auto* zoom = window_->findChild<QLabel*>("lblZoom");
    ASSERT_TRUE(globe && zoom);
    EXPECT_EQ(globe->text(), "2D");
    ASSERT_TRUE(globe->isEnabled());
    Press(globe);
    EXPECT_EQ(globe->text(), "3D1");
    EXPECT_TRUE(window_->mapPanel().globe().shown());
    EXPECT_FALSE(zoom->isEnabled());
    Press(globe);
    Press(globe);
    EXPECT_EQ(globe->text(), "2D");
    EXPECT_FALSE(window_->mapPanel().globe().shown());
}

TEST_F(PassWindowsTest, MaFieldRefusesBadValuesAndCancelRestartsOnlyARunningClock) {
    TMAInp& dialog = passes().MaDialog();
    auto* field = dialog.findChild<QLineEdit*>("txtMA");
    auto* ok = dialog.findChild<QPushButton*>("cmdOK");
    auto* invalid = dialog.findChild<QLabel*>("lblInvalid");
    ASSERT_TRUE(field && ok && invalid);
    // A coarse timer may fire a tick early and stretch the rotor's intervals by a tick.
    EXPECT_EQ(window_->Timer1().timerType(), Qt::PreciseTimer);
    double reached = -1;
    for (const bool running : {true, false}) {
        if (!running) {
            window_->Timer1().stop();
        }
        WithDialog([&] { passes().JumpToMA(); },
                   [&] {
                       field->setText("300");
                       EXPECT_FALSE(ok->isEnabled());
                       EXPECT_TRUE(invalid->isVisibleTo(&dialog));
                       EXPECT_EQ(invalid->text(), "    unvalid  value!");
                       field->setText("128,5");
                       EXPECT_TRUE(ok->isEnabled());
                       ok->click();
                       reached = session_->engine().Working().meanAnomaly;
                       EXPECT_EQ(passes().Preview().Mode(), TimeMode::Ma);
                       dialog.reject();
                   });
        EXPECT_NEAR(reached, 128.5, 0.5);
        EXPECT_TRUE(passes().Preview().RealTime());
        EXPECT_EQ(window_->Timer1().isActive(), running) << "running before: " << running;
    }
}

// Out of real time the zone can be changed neither by the switch nor in the Options dialog.
TEST_F(PassWindowsTest, ZoneChoicesAreGreyedOutOfRealTime) {
    auto* utc = window_->findChild<QWidget*>("lblUTC");
    auto* local = window_->findChild<QCheckBox*>("chkLoc");
    ASSERT_TRUE(utc && local);
    EXPECT_TRUE(utc->isEnabled() && local->isEnabled());
    WithDialog([&] { passes().JumpToMA(); },
               [&] {
                   EXPECT_FALSE(utc->isEnabled());
                   EXPECT_FALSE(local->isEnabled());
                   passes().MaDialog().reject();
               });
    EXPECT_TRUE(utc->isEnabled());
    EXPECT_TRUE(local->isEnabled());
}

TEST_F(PassWindowsTest, CountdownWindowAttachesAndStores) {
    window_->move(50, 40);
    TCountDown& countdown = passes().CountdownWindow();
    passes().Countdown().SetAttached(true);
    passes().CountdownWindow().OpenFromMenu();
    auto* list = countdown.findChild<QListWidget*>("lstCountDown");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count(), session_->engine().SelectedCount());
    EXPECT_EQ(countdown.windowTitle(), "CountDown");

    countdown.findChild<QPushButton*>("cmdOK")->click();
    SqfReader stored(folders_.ConfigFile("CountDownPos.SQF"));
    ASSERT_GE(stored.lineCount(), 8);
    EXPECT_EQ(stored.lines()[5], "+");
    EXPECT_EQ(stored.lines()[1], QString::number(countdown.pos().x()));
    EXPECT_TRUE(messages_.boxes.empty());
}

TEST_F(PassWindowsTest, SpeechTestWithoutAnnouncementsOnlyTellsTheOperator) {
    EXPECT_EQ(speech_.calls, 0) << "no engine for a window that has said nothing";
    session_->engine().Switches().announcements = false;
    TTalk& talk = passes().TalkDialog();
    talk.Prepare();
    talk.findChild<QPushButton*>("Button1")->click();
    ASSERT_EQ(messages_.boxes.size(), 1);
    EXPECT_EQ(messages_.boxes[0].text, "Activate the checkbox \"AOS Announcement\"!");
    ASSERT_TRUE(speech_.made);
    EXPECT_TRUE(speech_.made->spoken.isEmpty());

    talk.findChild<QCheckBox*>("CkbTalk")->setChecked(true);
    EXPECT_TRUE(session_->engine().Switches().announcements);
    talk.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(speech_.made->spoken, QStringList{AnnouncementText(session_->SelectedNames().value(
                                        session_->engine().WorkingSlot()))});
}

// The preview's fields take the years 1985 to 2385 and a step of up to 12 hours.
TEST_F(PassWindowsTest, PreviewFieldsTakeTheirRanges) {
    const QList<QSpinBox*> fields = passes().PreviewDialog().findChildren<QSpinBox*>();
    const std::pair<int, int> ranges[] = {{1985, 2385}, {1, 12}, {1, 31}, {0, 23}, {0, 59},
                                          {0, 59},      {0, 12}, {0, 59}, {0, 59}};
    ASSERT_EQ(fields.size(), std::ssize(ranges));
    for (qsizetype k = 0; k < fields.size(); ++k) {
        EXPECT_EQ(std::pair(fields[k]->minimum(), fields[k]->maximum()), ranges[k]) << k;
    }
}

// The sky view follows the preview's instant: its table lists the passes from there on.
TEST_F(PassWindowsTest, SkyViewFollowsThePreview) {
    window_->skyView().OpenFromMenu();
    QTableWidget* table = window_->skyView().Table();
    ASSERT_GT(table->rowCount(), 0);
    const QImage before = window_->skyView().Plot()->pixmap().toImage();
    const double jd = orbit::JulianDateFromCivil({2026, 8, 23, 13, 47, 0, 0});
    WithDialog([&] { passes().StartPreview(); },
               [&] {
                   passes().PreviewDialog().SetPresent(jd, 15.5);
                   passes().PreviewDialog().accept();
               });
    ASSERT_EQ(passes().Preview().Mode(), TimeMode::Preview);
    ASSERT_GT(table->rowCount(), 0);
    for (int r = 0; r < table->rowCount(); ++r) {
        EXPECT_GE(table->item(r, 1)->text(), "2026-08-23 13:47:00") << r;  // LOS
    }
    EXPECT_FALSE(window_->skyView().Plot()->pixmap().toImage() == before);
}

TEST_F(PassWindowsTest, SkyViewListsTheDaysPassesAndAClickWorksThatSatellite) {
    TrackingEngine& engine = session_->engine();
    engine.TrackingTick();
    QAction* item = nullptr;
    for (QAction* top : window_->menuBar()->actions()) {
        if (top->menu() && top->text() == "Acc&y") {
            for (QAction* action : top->menu()->actions()) {
                item = action->text() == "Sky View" ? action : item;
            }
        }
    }
    ASSERT_NE(item, nullptr);
    item->trigger();
    SkyViewWindow& sky = window_->skyView();
    ASSERT_TRUE(sky.isVisible());
    EXPECT_FALSE(sky.Plot()->pixmap().isNull());
    QTableWidget* table = sky.Table();
    ASSERT_GT(table->rowCount(), 5);
    for (int r = 1; r < table->rowCount(); ++r) {
        EXPECT_LE(table->item(r - 1, 0)->text(), table->item(r, 0)->text());
    }
    const QString working =
        QString::fromStdString(engine.Orbit().Sets()[engine.WorkingSetIndex()].name);
    int other = -1;
    for (int r = 0; r < table->rowCount() && other < 0; ++r) {
        other = table->item(r, 5)->text() != working ? r : -1;
    }
    ASSERT_GE(other, 0);
    emit table->cellClicked(other, 0);
    EXPECT_EQ(QString::fromStdString(engine.Orbit().Sets()[engine.WorkingSetIndex()].name),
              table->item(other, 5)->text());

    const QString place = folders_.ConfigFile(QStringLiteral("SkyView.SQF"));
    sky.close();  // by the operator: closed at the next start
    EXPECT_FALSE(ReadSkyViewPlace(place).open);
    sky.show();
    sky.StoreAtQuit();
    sky.close();  // with the program: open again at the next start
    EXPECT_TRUE(ReadSkyViewPlace(place).open);
    EXPECT_TRUE(messages_.boxes.empty());
}

}  // namespace
}  // namespace orbivox

// The main window on a copy of the bundled configuration, driven offscreen with a fixed
// clock: the date and time box, the eclipse label and the second observer's readout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QStatusBar>
#include <QTimer>
#include <memory>

#include "app/desktop/DateTimeBox.h"
#include "app/desktop/MainWindow.h"
#include "app/desktop/MapPanel.h"
#include "app/desktop/RadioPanel.h"
#include "app/desktop/SelectionActions.h"
#include "catalogue/GroupFiles.h"
#include "catalogue/Selection.h"
#include "map/WindowSizes.h"
#include "map/ui/SecondObserverDialog.h"
#include "orbit/Sun.h"
#include "orbit/TimeScales.h"
#include "settings/SqfFile.h"
#include "tests/catalogue/ScriptedFileChooser.h"
#include "tests/support/BundledData.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"
#include "tracking/IlluminationLabel.h"

namespace orbivox {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

// The palette of a dark desktop theme, in force while it lives.
class DarkPalette {
public:
    DarkPalette() : old_(QApplication::palette()) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(53, 53, 53));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(53, 53, 53));
        dark.setColor(QPalette::ButtonText, Qt::white);
        QApplication::setPalette(dark);
    }
    ~DarkPalette() { QApplication::setPalette(old_); }

private:
    QPalette old_;
};

// The darkest and the lightest grey inside a control as it is drawn (its frame left out).
std::pair<int, int> GreyRange(QWidget* widget) {
    const QImage image = widget->grab(widget->contentsRect()).toImage();
    int darkest = 255;
    int lightest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            darkest = std::min(darkest, grey);
            lightest = std::max(lightest, grey);
        }
    }
    return {darkest, lightest};
}

class MainWindowTest : public BundledConfiguration {
protected:
    // The window as the program opens it, after the loader.
    void Open(ElementPartOutcome expected) {
        session_ = std::make_unique<TrackingSession>(clock_, folders_);
        ASSERT_FALSE(session_->LoadSettings({}));
        ASSERT_EQ(session_->LoadElements(), expected);
        window_ = std::make_unique<TAusgabe>(*session_, messages_, files_, screen_);
    }
    void Tick() { window_->StartTracking(); }
    // Placed, shown and drawn after one tick, the timer stopped.
    void ShowAfterATick() {
        window_->PlaceAtStart(WindowPosition{});
        window_->show();
        Tick();
        window_->Timer1().stop();
        QCoreApplication::processEvents();
    }

    orbit::FixedClock clock_{46256.0, 46256.0};  // 2026-08-22 00:00
    RecordingNotifier messages_;
    ScriptedFileChooser files_;
    FixedScreen screen_;
    std::unique_ptr<TrackingSession> session_;
    std::unique_ptr<TAusgabe> window_;
};

// With nothing selected there is nothing to track, but the clock still runs on screen.
TEST_F(MainWindowTest, DateAndTimeRunOnWithNothingSelected) {
    SqfWriter().Lines({}).Commit(FindGroupFile(folders_.configDataFolder, "Amateur"));
    Open(ElementPartOutcome::NothingSelected);
    Tick();
    const DateTimeBox& box = window_->dateTimeBox();
    EXPECT_EQ(box.date(), "22.08.2026");
    const QString first = box.time();
    EXPECT_TRUE(first.startsWith("00:00:00")) << first.toStdString();
    clock_.Advance(65 * kSecond);
    Tick();
    EXPECT_TRUE(box.time().startsWith("00:01:05")) << box.time().toStdString();
}

// The frequency window shows the working satellite's Doppler-corrected frequencies from the
// second tick on, whether or not a radio is connected.
TEST_F(MainWindowTest, TheFrequencyWindowFollowsTheWorkingSatellite) {
    Open(ElementPartOutcome::Tracking);
    Tick();
    const QLabel* line = window_->findChild<QLabel*>("ptbRxTx");
    const QLabel* shifts = window_->findChild<QLabel*>("ptbRxTx2");
    ASSERT_TRUE(line && shifts);
    EXPECT_EQ(shifts->text(), QString(25, ' '));
    clock_.Advance(kSecond);
    window_->Timer1().stop();
    Tick();
    const DopplerTracker& tracker = window_->radioPanel().Radios().Tracker();
    ASSERT_TRUE(tracker.Transponder().found);
    EXPECT_EQ(line->text(), tracker.FrequencyLine());
    EXPECT_EQ(line->text().size(), 26);
    // ISS (ZARYA),437800,145990,FM,FM,NOR: receding, the downlink below and the uplink above.
    EXPECT_EQ(line->text(), " 437793.026  145992.325   ");
    EXPECT_EQ(window_->findChild<QLabel*>("lblVFO")->text(), "V-");
    EXPECT_EQ(window_->findChild<QLabel*>("StatusCorrection")->text(), " Doppl.Corr.: Upl/Dwnl");
}

// lblIll says whether the working satellite is in sunlight, as the sun and its sub-point
// give it, every tick while the sun display is on.
TEST_F(MainWindowTest, EclipseLabelFollowsTheWorkingSatellite) {
    Open(ElementPartOutcome::Tracking);
    TrackingEngine& engine = session_->engine();
    engine.Switches().sunDisplay = true;
    for (int minute = 0; minute < 100; minute += 20) {
        clock_.Set(46256.0 + minute / 1440.0, 46256.0 + minute / 1440.0);
        Tick();
        const orbit::TrackResult& working = engine.Working();
        ASSERT_TRUE(working.ok);
        orbit::SunState sun;
        orbit::SetSunTime(sun, engine.Time().dayNumber, engine.View().Shifts().computation);
        orbit::ComputeSun(sun);
        const IlluminationLabel expected = IlluminationLabelFor(
            orbit::CheckEclipse(sun, working.subLatitude, working.subLongitude, working.height));
        EXPECT_EQ(window_->illumination().text(), QLatin1String(expected.text)) << minute;
    }
    // Switched off, the label keeps its last text.
    const QString last = window_->illumination().text();
    engine.Switches().sunDisplay = false;
    clock_.Advance(30.0 / 1440.0);
    Tick();
    EXPECT_EQ(window_->illumination().text(), last);
}

// While "Observer 2" is open on a confirmed locator, each tick shows the working satellite
// from there; the main station's line is not disturbed by it.
TEST_F(MainWindowTest, SecondObserverReadoutShownWhileItsDialogIsOpen) {
    Open(ElementPartOutcome::Tracking);
    Tick();
    const std::string alone = session_->engine().ListText();

    window_->mapPanel().ShowSecondObserver();
    TLocEingabe* dialog = window_->mapPanel().secondObserverDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->edit()->setText(QStringLiteral("KP20"));
    dialog->Confirm();
    Tick();
    const QString shown = dialog->readout()->text();
    EXPECT_TRUE(shown.startsWith(" Az:")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("  El:") && shown.contains("  Rge:") && shown.contains("  Sq:"));
    EXPECT_EQ(session_->engine().ListText(), alone);

    // Hidden, the readout rests.
    dialog->hide();
    clock_.Advance(600 * kSecond);
    Tick();
    EXPECT_EQ(dialog->readout()->text(), shown);
}

// The status bar shows the working satellite's element age each tick, in the warning colour
// once it is old; the start on old elements asks about "Update Keps" once for the file.
TEST_F(MainWindowTest, ElementAgeOnTheStatusBarAndOneOfferPerFile) {
    Open(ElementPartOutcome::Tracking);
    TrackingEngine& engine = session_->engine();
    const orbit::ElementSet& set = engine.Orbit().Sets()[engine.WorkingSetIndex()];
    const double epochDisplayTime = set.epochJulianDate - orbit::kDisplayTimeToJulianDate;
    const QLabel* age = window_->findChild<QLabel*>("lblElementAge");
    ASSERT_NE(age, nullptr);

    clock_.Set(epochDisplayTime + 1.0, epochDisplayTime + 1.0);
    Tick();
    EXPECT_EQ(age->text(), " Elements: 1.0 days");
    EXPECT_TRUE(age->styleSheet().isEmpty());
    window_->OfferFreshElements();
    EXPECT_TRUE(messages_.questions.isEmpty());

    clock_.Set(epochDisplayTime + 40.0, epochDisplayTime + 40.0);
    Tick();
    EXPECT_EQ(age->text(), " Elements: 40.0 days");
    EXPECT_FALSE(age->styleSheet().isEmpty());
    messages_.answer = false;
    window_->OfferFreshElements();
    window_->OfferFreshElements();
    ASSERT_EQ(messages_.questions.size(), 1);
    EXPECT_TRUE(messages_.questions[0].contains("40.0 days old"));
    EXPECT_TRUE(QFile::exists(folders_.MainFile("KepsAge.SQF")));
}

// "&Satellites" after the group's source file has gone: the warning first, then the choice
// of another file, then the satellites dialog.
TEST_F(MainWindowTest, SatellitesWithTheSourceFileGoneWarnsAndOffersAnother) {
    Open(ElementPartOutcome::Tracking);
    ASSERT_TRUE(QFile::remove(session_->sourceFile()));
    messages_.boxes.clear();  // what the start said (no map images here)
    messages_.messages.clear();
    bool dialogShown = false;
    QTimer::singleShot(0, [&dialogShown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogShown = true;
            dialog->reject();
        }
    });
    window_->selectionActions().ShowSatellites(true);
    EXPECT_EQ(messages_.messages.value(0), MissingSourceWarning(session_->group()));
    EXPECT_EQ(messages_.boxes.front().kind, MessageKind::Warning);
    EXPECT_EQ(files_.foldersOffered.size(), 1);
    EXPECT_TRUE(dialogShown);
}

// The observer's station is set up under Setup | Observer.
TEST_F(MainWindowTest, SetupMenuOffersTheObserver) {
    Open(ElementPartOutcome::Tracking);
    const QMenu* setup = nullptr;
    for (const QAction* action : window_->menuBar()->actions()) {
        if (action->text() == "S&etup") {
            setup = action->menu();
        }
    }
    ASSERT_NE(setup, nullptr);
    const QAction* observer = nullptr;
    for (const QAction* action : setup->actions()) {
        if (action->text() == "&Observer") {
            observer = action;
        }
    }
    ASSERT_NE(observer, nullptr);
    EXPECT_TRUE(observer->isEnabled());
}

}  // namespace
}  // namespace orbivox

namespace orbivox {
namespace {

// lbl3D's operation as the switch panel calls it: the globe in the map, the zoom switch off
// while it is shown, and back to the flat map after the last mode.
// A program folder with small map images (ocean blue and night blue) for every window size.
void GiveMapImages(Folders& folders, const QString& root) {
    folders.programFolder = root + "/program/";
    QDir().mkpath(folders.programFolder + "Maps2D");
    QImage light(64, 32, QImage::Format_RGB32);
    light.fill(qRgb(120, 170, 230));
    QImage dark(64, 32, QImage::Format_RGB32);
    dark.fill(qRgb(20, 30, 60));
    for (const WindowSizeLayout& layout : kWindowSizes) {
        for (const MapImagePair* pair : {&layout.z1, layout.z2 ? &*layout.z2 : nullptr}) {
            if (pair) {
                light.save(folders.programFolder + "Maps2D/" + pair->light, "BMP");
                dark.save(folders.programFolder + "Maps2D/" + pair->dark, "BMP");
            }
        }
    }
}

TEST_F(MainWindowTest, GlobeShownThroughTheMapPanel) {
    GiveMapImages(folders_, root_.path());
    Open(ElementPartOutcome::Tracking);
    Tick();
    MapPanel& map = window_->mapPanel();
    int changes = 0;
    map.globeChanged = [&changes] { ++changes; };
    map.Toggle3D();
    EXPECT_EQ(map.caption3D(), "3D1");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(window_->findChild<QLabel*>("lblZoom")->isEnabled());
    map.Redraw();
    const QImage& view = map.display().frame().view;
    EXPECT_EQ(view.pixel(2, 2), qRgb(0, 0, 0));  // space around the globe
    EXPECT_TRUE(messages_.boxes.empty());
    for (int click = 0; click < 2 && map.caption3D() != "2D"; ++click) {
        map.Toggle3D();
    }
    EXPECT_EQ(map.caption3D(), "2D");
    EXPECT_TRUE(window_->findChild<QLabel*>("lblZoom")->isEnabled());
}

// "&Programs" and "&?" come from the launcher: items hidden until their menu opens, and
// "Info" says the version lines.
TEST_F(MainWindowTest, LauncherMenus) {
    GiveMapImages(folders_, root_.path());
    // An empty line keeps its slot: the entry after it is the third item, the second shows
    // nothing.
    SqfWriter()
        .Lines({";comment", "/usr/bin/xterm", "", "tools\\Helper"})
        .Commit(folders_.ConfigFile(QStringLiteral("Program.SQF")));
    Open(ElementPartOutcome::Tracking);
    QStringList menus;
    for (const QAction* action : window_->menuBar()->actions()) {
        menus << action->text();
    }
    const qsizetype programs = menus.indexOf("&Programs");
    EXPECT_EQ(menus.indexOf("S&etup"), programs - 1) << menus.join(' ').toStdString();
    EXPECT_EQ(menus.indexOf("Acc&y"), programs + 1) << menus.join(' ').toStdString();
    QAction* prog1 = window_->findChild<QAction*>("menProg1");
    ASSERT_NE(prog1, nullptr);
    EXPECT_FALSE(prog1->isVisible());
    emit window_->findChild<QMenu*>("menProg")->aboutToShow();
    EXPECT_TRUE(prog1->isVisible());
    EXPECT_EQ(prog1->text(), "xterm");
    EXPECT_FALSE(window_->findChild<QAction*>("menProg2")->isVisible());
    EXPECT_TRUE(window_->findChild<QAction*>("menProg3")->isVisible());
    EXPECT_EQ(window_->findChild<QAction*>("menProg3")->text(), "Helper");
    EXPECT_FALSE(window_->findChild<QAction*>("menProg4")->isVisible());
    QMenu* aux = window_->findChild<QMenu*>("Auxiliaryfiles1");
    ASSERT_NE(aux, nullptr);
    emit aux->aboutToShow();
    QAction* aux1 = window_->findChild<QAction*>("menAux1");
    EXPECT_TRUE(aux1->isVisible());
    EXPECT_EQ(aux1->text(), session_->settings().auxiliaryFiles.value(0));
    window_->findChild<QAction*>("menInfo")->trigger();
    ASSERT_EQ(messages_.boxes.size(), 1u);
    EXPECT_TRUE(messages_.boxes[0].text.startsWith("Orbivox32  V.12.8d \rReleased 6/2019\r"));
}

// Under a dark theme the list line and the letter buttons keep dark text on their light
// backgrounds; the header line, with no background of its own, follows the palette.
TEST_F(MainWindowTest, UnderADarkPaletteEveryLabelIsReadable) {
    const DarkPalette dark;
    Open(ElementPartOutcome::Tracking);
    ShowAfterATick();
    for (const char* name : {"lstAusgabe", "lblA"}) {
        auto* label = window_->findChild<QLabel*>(name);
        ASSERT_TRUE(label != nullptr && !label->text().trimmed().isEmpty()) << name;
        const auto [darkest, lightest] = GreyRange(label);
        EXPECT_LT(darkest, 80) << name;     // its text
        EXPECT_GT(lightest, 180) << name;  // its background
    }
    const auto [darkest, lightest] = GreyRange(window_->findChild<QLabel*>("lblKopfZeile"));
    EXPECT_LT(darkest, 80);
    EXPECT_GT(lightest, 180);
}

// The window opens as large as its map, nothing of it cut: W3 as stored on a 1280 x 1024
// screen, and a stored W5 that the screen cannot hold as the largest size it can (W4).
TEST_F(MainWindowTest, TheWindowOpensAsLargeAsItsMap) {
    GiveMapImages(folders_, root_.path());
    screen_ = FixedScreen(96, QSize(1280, 1000), 1280);
    for (const auto& [code, expected] :
         {std::pair{"+", WindowSize::W3}, std::pair{"B", WindowSize::W4}}) {
        const QString satStart = folders_.ConfigFile(QStringLiteral("SatStart.SQF"));
        QStringList lines = ReadSqfLines(satStart);
        lines[4] = QString::fromLatin1(code);  // the window size
        SqfWriter().Lines(lines).Commit(satStart);
        Open(ElementPartOutcome::Tracking);
        window_->PlaceAtStart(WindowPosition{});
        window_->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(session_->engine().Switches().map.size, expected) << code;
        const QWidget* map = window_->mapPanel().picture();
        EXPECT_EQ(map->size(), ViewSize(expected, false)) << code;
        const QRect onWindow(map->mapTo(window_.get(), QPoint(0, 0)), map->size());
        EXPECT_TRUE(window_->rect().contains(onWindow))
            << code << ": window " << window_->width() << "x" << window_->height();
        // In the middle of the work area, whole.
        EXPECT_TRUE(QRect(QPoint(0, 0), screen_.WorkArea()).contains(window_->geometry()));
        window_.reset();
    }
}

// The map on the screen is the whole view image, -180 to +180, at any scale factor, and
// sharp: the picture is painted from an image of the screen's own pixels, one for one, and
// that image is the view's map with finer detail. (ctest runs this once more with
// QT_SCALE_FACTOR=2.)
TEST_F(MainWindowTest, TheMapShowsTheWholeWorldAtAnyScale) {
    folders_.programFolder = QStringLiteral(ORBIVOX_PROGRAM_FOLDER "/");  // the real maps
    Open(ElementPartOutcome::Tracking);
    ShowAfterATick();
    MapPicture* picture = window_->mapPanel().picture();
    const QImage view = window_->mapPanel().display().frame().view;
    const QImage shown = picture->Shown().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(shown.isNull());
    const QImage drawn = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(picture->size(), view.size());  // logical pixels
    EXPECT_EQ(drawn.size(), shown.size());    // painted one for one
    EXPECT_EQ(shown.size(), view.size() * drawn.devicePixelRatio());
    // What is painted is the shown image, column by column: a shifted or cut map differs most
    // at its edges.
    const auto columnDifference = [](const QImage& a, const QImage& b, int x) {
        long long difference = 0;
        for (int y = 0; y < a.height(); ++y) {
            difference += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        }
        return difference / a.height();
    };
    for (const int x : {0, 1, shown.width() / 2, shown.width() - 2, shown.width() - 1}) {
        EXPECT_EQ(columnDifference(drawn, shown, x), 0) << "column " << x;
    }
    // The shown image is the view's map, brought back to the view's pixels.
    const QImage back = shown.scaled(view.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage logical = view.convertToFormat(QImage::Format_RGB32);
    for (const int x : {0, 1, view.width() / 2, view.width() - 2, view.width() - 1}) {
        EXPECT_LT(columnDifference(back, logical, x), 24) << "column " << x;
    }
}

// At W1 on a 1024-pixel screen every status text is shown whole, the window still on the
// screen.
TEST_F(MainWindowTest, AtW1EveryStatusTextIsWhole) {
    screen_ = FixedScreen(96, QSize(1024, 740), 1024);
    const QString satStart = folders_.ConfigFile(QStringLiteral("SatStart.SQF"));
    QStringList lines = ReadSqfLines(satStart);
    lines[4] = "-";  // W1
    SqfWriter().Lines(lines).Commit(satStart);
    clock_.Set(46256.0 + 100.0, 46256.0 + 100.0);  // old elements: the longest age text
    Open(ElementPartOutcome::Tracking);
    window_->PlaceAtStart(WindowPosition{});
    window_->show();
    Tick();
    window_->Timer1().stop();
    QCoreApplication::processEvents();
    ASSERT_EQ(session_->engine().Switches().map.size, WindowSize::W1);
    int shown = 0;
    for (const QLabel* label : window_->statusBar()->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) {
            ++shown;
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
    EXPECT_GE(shown, 5);
    // Nor can the window manager make it narrower than they are.
    EXPECT_GE(window_->minimumWidth(), window_->statusBar()->minimumSizeHint().width());
    EXPECT_LE(window_->width(), 1024);
}

}  // namespace
}  // namespace orbivox

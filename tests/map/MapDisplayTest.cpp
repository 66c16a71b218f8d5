// The map display's rules without a window: the size switch on different screens, the zoom
// fallback, the locator readout and its refusal, stretching by dragging the border, and the
// second observer's mark.
#include "map/MapDisplay.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

// A program folder with small stand-ins for every map image of both sets.
class MapDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage tiny(8, 4, QImage::Format_RGB32);
        tiny.fill(Qt::darkBlue);
        for (MapSet set : {MapSet::Political, MapSet::Physical}) {
            QDir folder(dir_.path());
            folder.mkdir(QLatin1String(NamesOf(set).folder));
            folder.cd(QLatin1String(NamesOf(set).folder));
            for (const WindowSizeLayout& layout : kWindowSizes) {
                for (const MapImagePair* pair : {&layout.z1, layout.z2 ? &*layout.z2 : nullptr}) {
                    if (pair) {
                        tiny.save(folder.filePath(QLatin1String(pair->light)), "BMP");
                        tiny.save(folder.filePath(QLatin1String(pair->dark)), "BMP");
                    }
                }
            }
        }
    }
    MapDisplay Display() { return MapDisplay(dir_.path(), view_, screen_, notifier_); }

    QTemporaryDir dir_;
    MapViewSwitches view_;  // kept by the tracking engine in the program
    FixedScreen screen_;
    RecordingNotifier notifier_;
};

TEST_F(MapDisplayTest, SizeSwitchGoesThroughWhatTheScreenOffers) {
    using W = WindowSize;
    const struct {
        const char* screen;
        FixedScreen metrics;
        W saved;
        std::vector<W> sizes;  // at the start, then after each click
        std::vector<int> codes;
    } cases[] = {
        {"full HD",
         FixedScreen(96, {1920, 1040}, 1920),
         W::W3,
         {W::W3, W::W4, W::W5, W::W1, W::W2},
         {5, 6, 7, 1, 3}},
        // W1 is not offered on a 120-dpi screen, and W2 and W3 have their own codes there.
        {"full HD, 120 dpi",
         FixedScreen(120, {1920, 1040}, 1920),
         W::W5,
         {W::W5, W::W2, W::W3, W::W4},
         {7, 2, 4, 6}},
        {"800 by 600", FixedScreen(96, {800, 570}, 800), W::W5, {W::W2, W::W1, W::W2}, {3, 1, 3}},
    };
    for (const auto& c : cases) {
        screen_ = c.metrics;
        MapDisplay display = Display();
        display.Start(c.saved, Zoom::Z1, MapSet::Political);
        for (size_t i = 0; i < c.sizes.size(); ++i) {
            if (i > 0) {
                display.NextSize();
            }
            const WindowSizeLayout& layout = LayoutOf(c.sizes[i]);
            EXPECT_EQ(display.size(), c.sizes[i]) << c.screen << " step " << i;
            EXPECT_EQ(display.sizeCode(), c.codes[i]) << c.screen << " step " << i;
            // The list line reads the same switches the display changed.
            EXPECT_EQ(view_.SizeCode(), c.codes[i]) << c.screen << " step " << i;
            EXPECT_EQ(display.sizeCaption(), QLatin1String(layout.caption));
            EXPECT_EQ(display.pictureSize(), ViewSize(c.sizes[i], c.metrics.Dpi120()));
            EXPECT_EQ(display.frame().view.size(), display.pictureSize());
        }
    }
    EXPECT_TRUE(notifier_.boxes.empty()) << notifier_.texts.join('|').toStdString();
}

TEST_F(MapDisplayTest, ZoomFallsBackToZ1WhereTheSizeHasNone) {
    MapDisplay display = Display();
    display.Start(WindowSize::W3, Zoom::Z2, MapSet::Political);
    EXPECT_EQ(display.zoomCaption(), "Z2");
    EXPECT_EQ(display.frame().light.width(), 1920);  // the W3 map at four times the area

    display.NextSize();  // W4 has no zoom
    EXPECT_EQ(display.zoom(), Zoom::Z1);
    EXPECT_EQ(display.zoomCaption(), "Z1");
    EXPECT_FALSE(display.zoomAvailable());
    EXPECT_FALSE(display.ToggleZoom());
    EXPECT_EQ(display.zoom(), Zoom::Z1);
    EXPECT_EQ(display.frame().light.width(), 1200);

    display.NextSize();
    display.NextSize();  // W1: zoom is offered again, and starts at Z1
    EXPECT_EQ(display.size(), WindowSize::W1);
    EXPECT_EQ(display.zoom(), Zoom::Z1);
    EXPECT_TRUE(display.ToggleZoom());
    EXPECT_EQ(display.zoomCaption(), "Z2");
    EXPECT_EQ(display.frame().light.width(), 1200);

    display.ToggleMapSet();
    EXPECT_EQ(display.setCaption(), "BM");
    EXPECT_EQ(display.frame().set, MapSet::Physical);
}

TEST_F(MapDisplayTest, ReadoutTogglesAndIsRefusedWhileStretched) {
    MapDisplay display = Display();
    display.Start(WindowSize::W3, Zoom::Z1, MapSet::Political);
    display.FittedTo(QSize(980, 700));
    EXPECT_FALSE(display.ReadoutAt(QPoint(480, 240)));
    display.ClickMap();
    ASSERT_TRUE(display.ReadoutAt(QPoint(480, 240)));
    EXPECT_EQ(display.ReadoutAt(QPoint(480, 240))->text.trimmed().size(), 4);
    display.ClickMap();
    EXPECT_FALSE(display.ReadoutAt(QPoint(480, 240)));
    display.ClickMap();

    // The operator drags the border 200 pixels wider: the readout goes off, the map takes
    // the new width at 2:1.
    EXPECT_TRUE(display.WindowResized(QSize(1180, 700), true));
    EXPECT_FALSE(display.readoutOn());
    EXPECT_TRUE(display.DragEnded(QSize(1180, 700)));
    EXPECT_TRUE(display.stretched());
    EXPECT_EQ(display.pictureSize(), QSize(1160, 580));

    display.ClickMap();
    EXPECT_FALSE(display.readoutOn());
    EXPECT_FALSE(display.ReadoutAt(QPoint(480, 240)));
    ASSERT_EQ(notifier_.messages.size(), 1);
    EXPECT_EQ(notifier_.messages[0],
              "Locator function disabled while map stretched,\r      click W1 - W5 to enable "
              "the function!");

    // A size switch ends the stretching; the readout works again, without a word.
    display.SetWindowSize(WindowSize::W3);
    EXPECT_FALSE(display.stretched());
    display.ClickMap();
    EXPECT_TRUE(display.readoutOn());
    EXPECT_EQ(notifier_.messages.size(), 1);
}

// The size switch resizes the window itself; a resize that settles where our own layout put
// the window is no drag, however the window system got there.
TEST_F(MapDisplayTest, ResizesOfOurOwnDoNotStretchTheMap) {
    MapDisplay display = Display();
    display.Start(WindowSize::W3, Zoom::Z1, MapSet::Political);
    EXPECT_FALSE(display.WindowResized(QSize(700, 500), false));  // before tracking runs
    display.FittedTo(QSize(980, 700));
    EXPECT_FALSE(display.WindowResized(QSize(980, 700), true));

    display.NextSize();
    display.FittedTo(QSize(1220, 820));
    EXPECT_TRUE(display.WindowResized(QSize(980, 820), true));  // an interim size on the way
    EXPECT_FALSE(display.DragEnded(QSize(1220, 820)));
    EXPECT_FALSE(display.stretched());
    EXPECT_EQ(display.pictureSize(), QSize(1200, 600));
    display.ClickMap();
    EXPECT_TRUE(display.readoutOn());
    EXPECT_TRUE(notifier_.boxes.empty());
}

TEST_F(MapDisplayTest, StretchingShrinksAsWellAsGrowsButNotBelowTheSmallestMap) {
    MapDisplay display = Display();
    display.Start(WindowSize::W3, Zoom::Z1, MapSet::Political);
    const struct {
        QSize window;
        QSize picture;
    } drags[] = {
        {QSize(980, 800), QSize(1160, 580)},  // 100 taller: the height wins
        {QSize(800, 900), QSize(980, 490)},   // 200 narrower
        {QSize(200, 200), QSize(300, 150)},   // the smallest map
    };
    QSize fitted(1000, 700);
    for (const auto& d : drags) {
        display.FittedTo(fitted);
        ASSERT_TRUE(display.WindowResized(d.window, true));
        EXPECT_TRUE(display.DragEnded(d.window));
        EXPECT_EQ(display.pictureSize(), d.picture) << d.window.width() << "x" << d.window.height();
        EXPECT_TRUE(display.stretched());
        fitted = d.window;
    }
}

TEST_F(MapDisplayTest, SecondObserverMarkAndCentre) {
    MapDisplay display = Display();
    display.Start(WindowSize::W1, Zoom::Z1, MapSet::Political);
    display.SetSecondObserver(286.959, 41.479);
    EXPECT_TRUE(display.frame().secondObserverShown());
    EXPECT_TRUE(display.frame().secondObserverCentre);
    const PixelPoint mark = display.frame().secondObserverMark;
    EXPECT_LT(mark.x, 600);
    EXPECT_LT(mark.y, 150);  // north of the equator
    display.StopCentringOnSecondObserver();
    EXPECT_FALSE(display.frame().secondObserverCentre);
    EXPECT_TRUE(display.frame().secondObserverShown());
    display.RemoveSecondObserver();
    EXPECT_FALSE(display.frame().secondObserverShown());
    EXPECT_EQ(display.frame().secondObserverLatitude, 45.0);
}

TEST_F(MapDisplayTest, AMissingImageIsAnErrorAndTheMapKeepsWhatItHad) {
    MapDisplay display = Display();
    display.Start(WindowSize::W1, Zoom::Z1, MapSet::Political);
    const QString captionBefore = display.setCaption();
    QDir(dir_.filePath("BM_Maps2D")).removeRecursively();
    display.ToggleMapSet();
    ASSERT_EQ(notifier_.boxes.size(), 1u);
    EXPECT_EQ(notifier_.boxes[0].kind, MessageKind::Error);
    EXPECT_TRUE(notifier_.boxes[0].text.contains("BM_Maps2D"))
        << notifier_.boxes[0].text.toStdString();
    EXPECT_EQ(display.frame().set, MapSet::Political);
    EXPECT_FALSE(display.frame().view.isNull());
    // The switch goes on saying what the map shows.
    EXPECT_EQ(display.set(), MapSet::Political);
    EXPECT_EQ(display.setCaption(), captionBefore);
}

}  // namespace
}  // namespace orbivox

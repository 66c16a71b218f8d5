#pragma once
// The five sizes of the main window, W1 to W5: the map view, the map images at each
// zoom, and which sizes a screen can take.
#include <QRect>
#include <QSize>
#include <array>
#include <optional>
#include <vector>

namespace orbivox {

enum class WindowSize { W1 = 1, W2, W3, W4, W5 };
enum class Zoom { Z1 = 1, Z2 = 2 };

struct MapImagePair {
    const char* light;
    const char* dark;
    int width;
    int height;
};

struct WindowSizeLayout {
    WindowSize size;
    const char* caption;  // "W1" .. "W5" on lblWinSize
    double scale;         // s
    int viewWidth;        // s * 600
    int viewHeight;       // s * 300
    MapImagePair z1;
    std::optional<MapImagePair> z2;  // W4 and W5 have no zoom
    QSize minimumWorkArea;           // the screen's work area this size needs
    int screenWiderThan;             // a request needs a screen wider than this
};

inline constexpr std::array<WindowSizeLayout, 5> kWindowSizes = {{
    {WindowSize::W1,
     "W1",
     1.0,
     600,
     300,
     {"Welt1l.bmp", "Welt1d.bmp", 600, 300},
     MapImagePair{"Welt4l.bmp", "Welt4d.bmp", 1200, 600},
     QSize(0, 0),
     0},
    {WindowSize::W2,
     "W2",
     1.25,
     750,
     375,
     {"Welt1L_Cap.bmp", "Welt1D_Cap.bmp", 750, 375},
     MapImagePair{"Welt4L_Cap.bmp", "Welt4D_Cap.bmp", 1500, 750},
     QSize(762, 544),
     640},
    {WindowSize::W3,
     "W3",
     1.6,
     960,
     480,
     {"Welt1L_1024.bmp", "Welt1D_1024.bmp", 960, 480},
     MapImagePair{"Welt4L_1024.bmp", "Welt4D_1024.bmp", 1920, 960},
     QSize(972, 649),
     800},
    {WindowSize::W4,
     "W4",
     2.0,
     1200,
     600,
     {"Welt4l.bmp", "Welt4d.bmp", 1200, 600},
     std::nullopt,
     QSize(1212, 769),
     1024},
    {WindowSize::W5,
     "W5",
     2.5,
     1500,
     750,
     {"Welt4l_Cap.bmp", "Welt4d_Cap.bmp", 1500, 750},
     std::nullopt,
     QSize(1512, 912),
     1280},
}};

const WindowSizeLayout& LayoutOf(WindowSize size);

// The largest pictures of each map set, for drawing the map sharp on a screen with more
// device pixels than logical ones (a scale factor above 1). No window size shows them at
// their own size; PNG, as a bitmap this size would be large.
inline constexpr MapImagePair kSharpestImages{"Welt8l.png", "Welt8d.png", 3840, 1920};

// Every map picture of a set, smallest first: the pairs of the window sizes, each once,
// and the sharpest pair.
std::vector<MapImagePair> MapImagePairsBySize();

// The map images shown at a size and zoom; a zoom the size does not offer falls back to Z1.
const MapImagePair& MapImagesFor(WindowSize size, Zoom zoom);
bool ZoomAvailable(WindowSize size);

// The internal size code, 1..7: W1 1, W2 2 on a 120-dpi screen else 3, W3 4 on a 120-dpi
// screen else 5, W4 6, W5 7. Codes 1 and 2 take the narrow list layout.
int SizeCode(WindowSize size, bool dpi120);

// The map view's size: the size's view, one row short at W1, and at W2 on a 120-dpi screen.
QSize ViewSize(WindowSize size, bool dpi120);

// What the screen offers: the largest size whose work area fits, and the smallest size
// (W2 on a 120-dpi screen, where W1 is not offered).
WindowSize LargestWindowSize(QSize workArea, bool dpi120);
WindowSize SmallestWindowSize(bool dpi120);

// A requested size (a saved setting or the Options dialog) limited by the screen: sizes
// above the work-area limit or too wide for the screen fall back to the next smaller one.
WindowSize LimitWindowSize(WindowSize requested, QSize workArea, int screenWidth, bool dpi120);

// The size that follows a click on lblWinSize.
WindowSize NextWindowSize(WindowSize current, QSize workArea, bool dpi120);

// Where a window frame of this place and size stands once moved into the work area: as
// little as it takes, and with its top-left corner visible when it is larger than the area.
QPoint KeepInsideWorkArea(QRect frame, QRect workArea);

// Free resizing: the map frame size that brings a dragged map back to its 2:1 aspect.
// The larger of the width and height changes wins. (The main window adds its own frame.)
QSize AspectCorrectedSize(QSize before, QSize after);

}  // namespace orbivox

// Looking up a window size's layout and map images, its size code, and which sizes fit the
// screen; and keeping the map's aspect when the operator resizes the window.
#include "map/WindowSizes.h"

#include <QString>
#include <algorithm>
#include <cstdlib>

namespace orbivox {

const WindowSizeLayout& LayoutOf(WindowSize size) {
    return kWindowSizes[static_cast<int>(size) - 1];
}

bool ZoomAvailable(WindowSize size) {
    return LayoutOf(size).z2.has_value();
}

std::vector<MapImagePair> MapImagePairsBySize() {
    std::vector<MapImagePair> pairs;
    const auto add = [&pairs](const MapImagePair& pair) {
        const bool known = std::any_of(pairs.begin(), pairs.end(), [&pair](const MapImagePair& p) {
            return QString::fromLatin1(p.light).compare(QString::fromLatin1(pair.light),
                                                        Qt::CaseInsensitive) == 0;
        });
        if (!known) {
            pairs.push_back(pair);
        }
    };
    for (const WindowSizeLayout& layout : kWindowSizes) {
        add(layout.z1);
        if (layout.z2) {
            add(*layout.z2);
        }
    }
    add(kSharpestImages);
    std::stable_sort(pairs.begin(), pairs.end(), [](const MapImagePair& a, const MapImagePair& b) {
        return a.width < b.width;
    });
    return pairs;
}

const MapImagePair& MapImagesFor(WindowSize size, Zoom zoom) {
    const WindowSizeLayout& layout = LayoutOf(size);
    return zoom == Zoom::Z2 && layout.z2 ? *layout.z2 : layout.z1;
}

int SizeCode(WindowSize size, bool dpi120) {
    switch (size) {
        case WindowSize::W1:
            return 1;
        case WindowSize::W2:
            return dpi120 ? 2 : 3;
        case WindowSize::W3:
            return dpi120 ? 4 : 5;
        case WindowSize::W4:
            return 6;
        case WindowSize::W5:
            return 7;
    }
    return 1;
}

QSize ViewSize(WindowSize size, bool dpi120) {
    const WindowSizeLayout& layout = LayoutOf(size);
    const bool rowShort = size == WindowSize::W1 || (size == WindowSize::W2 && dpi120);
    return QSize(layout.viewWidth, layout.viewHeight - (rowShort ? 1 : 0));
}

WindowSize SmallestWindowSize(bool dpi120) {
    return dpi120 ? WindowSize::W2 : WindowSize::W1;
}

WindowSize LargestWindowSize(QSize workArea, bool dpi120) {
    for (int i = static_cast<int>(kWindowSizes.size()) - 1; i > 0; --i) {
        const QSize need = kWindowSizes[i].minimumWorkArea;
        if (workArea.width() >= need.width() && workArea.height() >= need.height()) {
            return kWindowSizes[i].size;
        }
    }
    return SmallestWindowSize(dpi120);
}

WindowSize LimitWindowSize(WindowSize requested, QSize workArea, int screenWidth, bool dpi120) {
    const int smallest = static_cast<int>(SmallestWindowSize(dpi120));
    int size = std::min(static_cast<int>(requested),
                        static_cast<int>(LargestWindowSize(workArea, dpi120)));
    while (size > smallest && screenWidth <= kWindowSizes[size - 1].screenWiderThan) {
        --size;
    }
    return static_cast<WindowSize>(std::max(size, smallest));
}

WindowSize NextWindowSize(WindowSize current, QSize workArea, bool dpi120) {
    const int next = static_cast<int>(current) + 1;
    if (next > static_cast<int>(LargestWindowSize(workArea, dpi120))) {
        return SmallestWindowSize(dpi120);
    }
    return static_cast<WindowSize>(next);
}

QSize AspectCorrectedSize(QSize before, QSize after) {
    const int dw = after.width() - before.width();
    const int dh = after.height() - before.height();
    if (std::abs(dw) >= std::abs(dh)) {
        return QSize(after.width(), after.width() / 2);
    }
    return QSize(2 * after.height(), after.height());
}

QPoint KeepInsideWorkArea(QRect frame, QRect workArea) {
    if (workArea.isEmpty()) {
        return frame.topLeft();
    }
    const auto fit = [](int at, int length, int areaStart, int areaLength) {
        return std::max(areaStart, std::min(at, areaStart + areaLength - length));
    };
    return QPoint(fit(frame.x(), frame.width(), workArea.x(), workArea.width()),
                  fit(frame.y(), frame.height(), workArea.y(), workArea.height()));
}

}  // namespace orbivox

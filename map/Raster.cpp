// The map's raster drawing: black surfaces, Bresenham lines that leave out the end point, a
// scanline flood fill up to a border colour, and a colour chosen to contrast with the ground.
#include "map/Raster.h"

#include <cstdlib>
#include <vector>

namespace orbivox {

namespace {
inline bool Inside(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}
inline QRgb* Row(QImage& image, int y) {
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}
}  // namespace

QImage MapSurface(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBlack);
    return image;
}

void DrawLine(QImage& image, QPoint from, QPoint to, QRgb colour) {
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1;
    const int sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        if (Inside(image, x, y)) {
            Row(image, y)[x] = colour;
        }
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void FloodFill(QImage& image, QPoint seed, QRgb border) {
    if (!Inside(image, seed.x(), seed.y()) || Row(image, seed.y())[seed.x()] == border) {
        return;
    }
    // Scanline fill: a stack of seeds, each run filled left and right at once.
    std::vector<QPoint> stack{seed};
    const int width = image.width();
    const int height = image.height();
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        QRgb* row = Row(image, p.y());
        if (row[p.x()] == border) {
            continue;
        }
        int left = p.x();
        while (left > 0 && row[left - 1] != border) {
            --left;
        }
        int right = p.x();
        while (right < width - 1 && row[right + 1] != border) {
            ++right;
        }
        for (int x = left; x <= right; ++x) {
            row[x] = border;
        }
        for (const int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= height) {
                continue;
            }
            const QRgb* next = Row(image, ny);
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = next[x] != border;
                if (open && !inRun) {
                    stack.push_back({x, ny});
                }
                inRun = open;
            }
        }
    }
}

QRgb ContrastColour(const QImage& image, QPoint at, QRgb given) {
    if (!Inside(image, at.x(), at.y())) {
        return given;
    }
    const QRgb pixel = image.pixel(at) | 0xFF000000;
    return pixel == kWhite || pixel == kYellow ? kRed : given;
}

}  // namespace orbivox

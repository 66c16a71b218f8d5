#pragma once
// The few raster operations the map is drawn with, on 32-bit RGB images: one-pixel lines
// that stop short of their end point, a border flood fill, and the contrast colour rule.
#include <QImage>
#include <QPoint>

namespace orbivox {

inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kYellow = 0xFFFFFF00;
inline constexpr QRgb kBlue = 0xFF0000FF;
inline constexpr QRgb kSilver = 0xFFC0C0C0;

// A one-pixel line from `from` up to but not including `to`; pixels off the image are
// skipped, so a line may run to x = -1 or x = W to close a shape against the border.
void DrawLine(QImage& image, QPoint from, QPoint to, QRgb colour);

// Fills the area around `seed` that is not `border` with `border`, bounded by pixels of
// that colour and by the image edges. A seed off the image or on the border does nothing.
void FloodFill(QImage& image, QPoint seed, QRgb border);

// Red where the pixel at `at` is white or yellow, else `given`, so a mark stays visible.
QRgb ContrastColour(const QImage& image, QPoint at, QRgb given);

// An image of the given size in the format every map surface uses.
QImage MapSurface(int width, int height);

}  // namespace orbivox

// Drawing the direction arrow, the ground track's dots and their instants, the other
// satellites' crosses and labels, and the sun's day/night line.
#include "map/MapOverlays.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "map/FootprintDrawing.h"
#include "map/Raster.h"
#include "orbit/DisplayFormat.h"

namespace orbivox {

namespace {
constexpr double kMinute = 1.0 / 1440;
constexpr int kMaxTrackDots = 2000;  // a very slow orbit still ends
}  // namespace

void DrawDirectionArrow(QImage& work, const MapGeometry& g, MapPoint now, MapPoint later) {
    using std::numbers::pi;
    double dx = later.x - now.x;
    // A track that crossed the map edge jumps by nearly the map width.
    if (dx > g.width / 2.0) {
        dx -= g.width;
    } else if (dx < -g.width / 2.0) {
        dx += g.width;
    }
    if (std::abs(dx) < 1e-5) {
        dx = dx < 0 ? -1e-5 : 1e-5;
    }
    const double dy = -(later.y - now.y);
    const double q = std::clamp(dy / dx, -1000.0, 1000.0);
    double alpha = std::atan(q);
    if (dx < 0) {
        alpha += pi;
    } else if (dy < 0) {
        alpha += 2 * pi;
    }
    const double beta = 2 * pi - alpha;
    const int bx = orbit::RealToPixel(now.x);
    const int by = orbit::RealToPixel(now.y) + (dy > 0 ? -10 : 25);
    auto at = [&](double length, double angle) {
        return QPoint(orbit::RealToPixel(bx + length * std::cos(angle)),
                      orbit::RealToPixel(by + length * std::sin(angle)));
    };
    const QPoint base(bx, by);
    const QPoint p1 = at(20, beta);
    const QPoint p2 = at(15, beta - 0.4115);
    const QPoint p3 = at(30, beta);
    const QPoint p4 = at(15, beta + 0.4115);
    const QRgb colour = ContrastColour(work, p1, kWhite);
    DrawLine(work, base, p1, colour);
    DrawLine(work, p1, p2, colour);
    DrawLine(work, p2, p3, colour);
    DrawLine(work, p3, p4, colour);
    DrawLine(work, p4, p1, colour);
}

std::vector<double> GroundTrackInstants(double now, double meanMotion, bool arrowsOn,
                                        int zoomFactor) {
    std::vector<double> instants;
    if (!std::isfinite(meanMotion) || meanMotion <= 0 || !std::isfinite(now)) {
        return instants;
    }
    const double lead = !arrowsOn ? 2 : zoomFactor < 2 ? 7 : 4;
    const double end = now + 1 / meanMotion;
    for (int i = 0; i < kMaxTrackDots; ++i) {
        const double t = now + (lead + 2.0 * i) * kMinute;
        if (t >= end) {
            break;
        }
        instants.push_back(t);
    }
    return instants;
}

void DrawGroundTrack(MapFrame& frame, std::span<const GeoPoint> subPoints) {
    for (const GeoPoint& p : subPoints) {
        const MapPoint m = ProjectToMap(frame.geometry, p.longitude, p.latitude);
        StampTrackDot(frame.work, orbit::RealToPixel(m.x), orbit::RealToPixel(m.y));
    }
}

void StampTrackDot(QImage& work, int x, int y) {
    for (int dy = 0; dy < 3; ++dy) {
        for (int dx = 0; dx < 3; ++dx) {
            if (x + dx >= 0 && y + dy >= 0 && x + dx < work.width() && y + dy < work.height()) {
                work.setPixel(x + dx, y + dy, dx < 2 && dy < 2 ? kWhite : kBlack);
            }
        }
    }
}

std::string SatelliteLabel(char letter, const std::string& name, double meanMotion,
                           double elevation, const LabelPass& pass, LabelTimes times, double now) {
    std::string label = std::string(1, letter) + ":" + name;
    if (meanMotion >= 0.98 && meanMotion <= 1.02) {
        return label;  // geostationary: no passes to speak of
    }
    const bool up = elevation >= 0;
    label += up ? " Los:" : " Aos:";
    if (times == LabelTimes::AosLos) {
        label += up ? pass.losText : pass.aosText;
    } else {
        // A duration shown as a time of day: midnight of a Julian date is at .5.
        const double left = std::max(0.0, (up ? pass.los : pass.aos) - now);
        label += orbit::FormatDateTime(left + 0.5, "hh:nn");
    }
    label += " maxE:" + orbit::FormatNumber(pass.maxElevation, "#00");
    return label;
}

QFont LabelFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

// Text with its top-left corner at (x, y), on a transparent background, rimmed by a
// one-pixel dark halo: labels stay readable where they cross an outline, a track or a map of
// much the same colour (red over dark blue).
void DrawLabelText(QImage& work, const QFont& font, int x, int y, QRgb colour,
                   const QString& text) {
    QPainter painter(&work);
    painter.setFont(font);
    DrawHaloText(painter, x, y, QColor::fromRgb(colour), QColor::fromRgb(kBlack), text);
}

void DrawHaloText(QPainter& painter, int x, int y, const QColor& colour, const QColor& halo,
                  const QString& text) {
    const int baseline = y + QFontMetrics(painter.font()).ascent();
    painter.setPen(halo);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx != 0 || dy != 0) {
                painter.drawText(x + dx, baseline + dy, text);
            }
        }
    }
    painter.setPen(colour);
    painter.drawText(x, baseline, text);
}

QFont SunFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(14);
    return font;
}

void DrawOtherSatellites(MapFrame& frame, std::span<const OtherSatellite> satellites) {
    const QFont font = LabelFont();
    const QFontMetrics metrics(font);
    const MapGeometry& g = frame.geometry;
    for (const OtherSatellite& s : satellites) {
        const MapPoint p = ProjectToMap(g, s.subPoint.longitude, s.subPoint.latitude);
        const FootprintRows f = ComputeFootprint(g, p, s.subPoint.latitude, s.radiusKm);
        DrawFootprintOutline(frame.work, g, f, kWhite);
        if (s.later) {
            DrawDirectionArrow(frame.work, g, p,
                               ProjectToMap(g, s.later->longitude, s.later->latitude));
        }
        const QString text = QString::fromStdString(s.label);
        const int w = metrics.horizontalAdvance(text);
        const int x = std::clamp(orbit::RealToPixel(p.x - orbit::RealToPixel(w / 2.0)), 0,
                                 std::max(0, g.width - 1 - w));
        const int y = orbit::RealToPixel(p.y);
        const QRgb colour = ContrastColour(frame.work, {orbit::RealToPixel(p.x), y}, kWhite);
        DrawLabelText(frame.work, font, x, y, colour, text);
    }
}

void DrawSunTerminator(MapFrame& frame, GeoPoint sun) {
    const MapGeometry& g = frame.geometry;
    const MapPoint p = ProjectToMap(g, sun.longitude, sun.latitude);
    const FootprintRows f = ComputeFootprint(g, p, sun.latitude, kSunDistanceKm);
    DrawFootprintOutline(frame.work, g, f, kYellow);

    const QFont font = SunFont();
    const QFontMetrics metrics(font);
    const QString s = QStringLiteral("S");
    const int w = metrics.horizontalAdvance(s);
    const int x = std::clamp(orbit::RealToPixel(p.x - orbit::RealToPixel(w / 2.0)), 0,
                             std::max(0, g.width - 1 - w));
    const int y = orbit::RealToPixel(p.y) - orbit::RealToPixel(metrics.height() / 2.0);
    const QRgb colour =
        ContrastColour(frame.work, {orbit::RealToPixel(p.x), orbit::RealToPixel(p.y)}, kYellow);
    DrawLabelText(frame.work, font, x, y, colour, s);
}

}  // namespace orbivox

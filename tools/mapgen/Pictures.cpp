// Drawing the map pictures: country polygons unwrapped across the date line, coloured so that
// neighbours differ, coasts and borders stroked, the photograph resampled, dark variants made.
#include "tools/mapgen/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace orbivox::mapgen {

namespace {

// Pastel fills that neighbouring countries never share.
constexpr QRgb kPalette[] = {0xFFF2E3B3, 0xFFCFE6B8, 0xFFF4C7B0, 0xFFE3CFE8,
                             0xFFF9F0A8, 0xFFBFE0D6, 0xFFF0D2D2};
constexpr QRgb kOcean = 0xFF9DC8E8;
constexpr QRgb kGraticule = 0xFF86B7DD;
constexpr QRgb kCoast = 0xFF24507A;
constexpr QRgb kBorder = 0xFF7A6A5A;

QPointF ToPixel(const QPointF& lonLat, QSizeF size) {
    return {(lonLat.x() + 180.0) * size.width() / 360.0,
            (90.0 - lonLat.y()) * size.height() / 180.0};
}

// Longitudes made continuous: a ring or arc crossing the date line jumps from 180 to
// -180; afterwards it runs on past 180 instead, and is drawn once more shifted by 360.
Ring Unwrapped(const Ring& ring) {
    Ring out;
    out.reserve(ring.size());
    double shift = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        if (i > 0) {
            const double jump = ring[i].x() - ring[i - 1].x();
            if (jump > 180) {
                shift -= 360;
            } else if (jump < -180) {
                shift += 360;
            }
        }
        out.emplace_back(ring[i].x() + shift, ring[i].y());
    }
    return out;
}

constexpr double kCopies[] = {-360.0, 0.0, 360.0};

// Only what reaches past the date line is drawn shifted.
bool NeedsCopy(const Ring& ring, double copy) {
    if (copy == 0) {
        return true;
    }
    const auto [low, high] = std::minmax_element(
        ring.begin(), ring.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    return copy > 0 ? low->x() < -180 : high->x() > 180;
}

QPainterPath PathOf(const Country& country, QSizeF size) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const auto& polygon : country.polygons) {
        for (const Ring& original : polygon) {
            if (original.size() < 3) {
                continue;
            }
            Ring ring = Unwrapped(original);
            // A ring around a pole (Antarctica) ends 360 degrees from where it began:
            // close it over the pole.
            if (std::abs(ring.back().x() - ring.front().x()) > 180) {
                const double pole = ring.front().y() < 0 ? -90.0 : 90.0;
                ring.emplace_back(ring.back().x(), pole);
                ring.emplace_back(ring.front().x(), pole);
            }
            for (const double copy : kCopies) {
                if (!NeedsCopy(ring, copy)) {
                    continue;
                }
                path.moveTo(ToPixel(ring.front() + QPointF(copy, 0), size));
                for (size_t i = 1; i < ring.size(); ++i) {
                    path.lineTo(ToPixel(ring[i] + QPointF(copy, 0), size));
                }
                path.closeSubpath();
            }
        }
    }
    return path;
}

// Greedy colouring over shared arcs, biggest countries first.
std::vector<int> ColourCountries(const Topology& t) {
    std::vector<std::vector<int>> usersOfArc(t.arcs.size());
    for (size_t c = 0; c < t.countries.size(); ++c) {
        for (const int arc : t.countries[c].arcs) {
            usersOfArc[arc].push_back(static_cast<int>(c));
        }
    }
    std::vector<int> order(t.countries.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return t.countries[a].arcs.size() > t.countries[b].arcs.size();
    });
    constexpr int kColours = sizeof(kPalette) / sizeof(kPalette[0]);
    std::vector<int> colour(t.countries.size(), -1);
    for (const int c : order) {
        bool taken[kColours] = {};
        for (const int arc : t.countries[c].arcs) {
            for (const int other : usersOfArc[arc]) {
                if (colour[other] >= 0) {
                    taken[colour[other]] = true;
                }
            }
        }
        // Start the search at a varying colour so the map is not dominated by the first one.
        for (int k = 0; k < kColours; ++k) {
            const int candidate = (c + k) % kColours;
            if (!taken[candidate]) {
                colour[c] = candidate;
                break;
            }
        }
        if (colour[c] < 0) {
            colour[c] = c % kColours;
        }
    }
    return colour;
}

void StrokeArcs(QPainter& painter, const Topology& t, QSizeF size, bool borders) {
    for (size_t a = 0; a < t.arcs.size(); ++a) {
        if ((t.arcUse[a] > 1) != borders || t.arcs[a].size() < 2) {
            continue;
        }
        const Ring arc = Unwrapped(t.arcs[a]);
        for (const double copy : kCopies) {
            if (!NeedsCopy(arc, copy)) {
                continue;
            }
            QPainterPath path;
            path.moveTo(ToPixel(arc.front() + QPointF(copy, 0), size));
            for (size_t i = 1; i < arc.size(); ++i) {
                const QPointF& prev = arc[i - 1];
                const QPointF& p = arc[i];
                // The polygons are cut along the date line and along the south pole's
                // edge; those cuts are not coastlines.
                const bool alongCut =
                    (std::abs(std::abs(p.x()) - 180) < 0.01 && std::abs(p.x() - prev.x()) < 0.01) ||
                    (p.y() < -89.9 && prev.y() < -89.9);
                if (alongCut) {
                    path.moveTo(ToPixel(p + QPointF(copy, 0), size));
                } else {
                    path.lineTo(ToPixel(p + QPointF(copy, 0), size));
                }
            }
            painter.drawPath(path);
        }
    }
}

}  // namespace

QImage DrawPolitical(const Topology& t, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kOcean);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF s(size);
    const double detail = size.width() / 600.0;

    painter.setPen(QPen(QColor::fromRgb(kGraticule), 0.6 * detail));
    for (int lon = -150; lon < 180; lon += 30) {
        const double x = (lon + 180.0) * s.width() / 360.0;
        painter.drawLine(QPointF(x, 0), QPointF(x, s.height()));
    }
    for (int lat = -60; lat <= 60; lat += 30) {
        const double y = (90.0 - lat) * s.height() / 180.0;
        painter.drawLine(QPointF(0, y), QPointF(s.width(), y));
    }

    const std::vector<int> colour = ColourCountries(t);
    painter.setPen(Qt::NoPen);
    for (size_t c = 0; c < t.countries.size(); ++c) {
        painter.setBrush(QColor::fromRgb(kPalette[colour[c]]));
        painter.drawPath(PathOf(t.countries[c], s));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(kBorder), 0.55 * detail + 0.15, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    StrokeArcs(painter, t, s, true);
    painter.setPen(QPen(QColor::fromRgb(kCoast), 0.6 * detail + 0.35, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    StrokeArcs(painter, t, s, false);
    return picture;
}

void DrawFaintBorders(QImage& picture, const Topology& t) {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double detail = picture.width() / 600.0;
    painter.setPen(QPen(QColor(255, 255, 255, 80), 0.5 * detail + 0.1));
    StrokeArcs(painter, t, QSizeF(picture.size()), true);
}

QImage Resample(const QImage& master, const Projection& projection) {
    const QSize size = projection.size();
    // Reduce the master to about twice the target's detail; bilinear sampling then
    // neither shimmers nor blurs.
    const int masterWidth =
        std::clamp(static_cast<int>(projection.PixelsPerDegree() * 360 * 2), 16, master.width());
    const QImage source = (masterWidth < master.width()
                               ? master.scaled(masterWidth, masterWidth / 2, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation)
                               : master)
                              .convertToFormat(QImage::Format_RGB32);
    const int sw = source.width();
    const int sh = source.height();
    auto at = [&](int x, int y) {
        x = (x % sw + sw) % sw;  // longitude wraps around
        y = std::clamp(y, 0, sh - 1);
        return reinterpret_cast<const QRgb*>(source.constScanLine(y))[x];
    };
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(0xFF000000);
    for (int y = 0; y < size.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const std::optional<LonLat> p = projection.Inverse(QPointF(x + 0.5, y + 0.5));
            if (!p) {
                continue;
            }
            const double fx = (p->longitude + 180.0) / 360.0 * sw - 0.5;
            const double fy = (90.0 - p->latitude) / 180.0 * sh - 0.5;
            const int x0 = static_cast<int>(std::floor(fx));
            const int y0 = static_cast<int>(std::floor(fy));
            const double ax = fx - x0;
            const double ay = fy - y0;
            const QRgb c[4] = {at(x0, y0), at(x0 + 1, y0), at(x0, y0 + 1), at(x0 + 1, y0 + 1)};
            auto mix = [&](int shift) {
                auto ch = [&](int i) { return static_cast<double>((c[i] >> shift) & 0xFF); };
                const double top = ch(0) * (1 - ax) + ch(1) * ax;
                const double bottom = ch(2) * (1 - ax) + ch(3) * ax;
                return static_cast<QRgb>(std::lround(top * (1 - ay) + bottom * ay)) << shift;
            };
            row[x] = 0xFF000000 | mix(16) | mix(8) | mix(0);
        }
    }
    return picture;
}

void Brighten(QImage& picture, double gamma) {
    int table[256];
    for (int v = 0; v < 256; ++v) {
        table[v] = static_cast<int>(std::lround(255 * std::pow(v / 255.0, gamma)));
    }
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            row[x] = qRgb(table[qRed(row[x])], table[qGreen(row[x])], table[qBlue(row[x])]);
        }
    }
}

QImage Darkened(const QImage& light, double factor) {
    QImage dark = light.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < dark.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(dark.scanLine(y));
        for (int x = 0; x < dark.width(); ++x) {
            const QRgb p = row[x];
            // Darker and a little greyer, so the lit footprint stands out.
            const double grey = (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
            auto channel = [&](int v) {
                return std::clamp(static_cast<int>((0.8 * v + 0.2 * grey) * factor), 0, 255);
            };
            row[x] = qRgb(channel(qRed(p)), channel(qGreen(p)), channel(qBlue(p)));
        }
    }
    return dark;
}

}  // namespace orbivox::mapgen

// Drawing the sky plot: rings at 0, 30 and 60 degrees of elevation, azimuth ticks every 30
// degrees with the four directions named, the pass as a line, its events and the satellite.
#include "map/SkyPlot.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "map/MapOverlays.h"

namespace orbivox {
namespace {

constexpr int kMinSize = 120;
constexpr std::array<const char*, 4> kDirections = {"N", "E", "S", "W"};

struct Palette {
    QColor background, sky, rings, text, track, events, satellite, rotor;
};

Palette PaletteOf(SkyPlotStyle style) {
    if (style == SkyPlotStyle::Dark) {
        return {QColor(0x20, 0x2a, 0x36), QColor(0x2e, 0x3d, 0x4f), QColor(0x8a, 0x9b, 0xad),
                QColor(0xf0, 0xf0, 0xf0), QColor(0xff, 0xe0, 0x40), QColor(0xff, 0xff, 0xff),
                QColor(0xff, 0x50, 0x50), QColor(0x40, 0xe0, 0x60)};
    }
    return {QColor(0xf4, 0xf4, 0xf0), QColor(0xff, 0xff, 0xff), QColor(0x90, 0x98, 0xa0),
            QColor(0x20, 0x20, 0x20), QColor(0x10, 0x50, 0xc0), QColor(0x20, 0x20, 0x20),
            QColor(0xd0, 0x10, 0x10), QColor(0x10, 0x90, 0x30)};
}

double Radius(int size) {
    return size / 2.0 - std::max(18.0, size * 0.07);
}

}  // namespace

QPointF SkyPlotPosition(double azimuth, double elevation, int size) {
    const double centre = size / 2.0;
    const double e = std::clamp(elevation, 0.0, 90.0);
    const double r = Radius(size) * (90.0 - e) / 90.0;
    const double a = azimuth * std::numbers::pi / 180.0;
    return {centre + r * std::sin(a), centre - r * std::cos(a)};
}

SkyPlotLabels PlaceSkyPlotLabels(const SkyPlotContent& content, int size) {
    size = std::max(size, kMinSize);
    const QFontMetrics metrics(LabelFont());
    const QPointF centre(size / 2.0, size / 2.0);
    SkyPlotLabels labels;
    labels.title = QRect(4, 2, metrics.horizontalAdvance(content.title), metrics.height());
    // Inside the rim: outside it the north would meet the title.
    for (size_t k = 0; k < kDirections.size(); ++k) {
        const QString text = QString::fromLatin1(kDirections[k]);
        const QPointF at =
            centre + (SkyPlotPosition(static_cast<double>(k) * 90.0, 0.0, size) - centre) * 0.86;
        const int width = metrics.horizontalAdvance(text);
        labels.directions[k] = QRect(static_cast<int>(at.x() - width / 2.0),
                                     static_cast<int>(at.y() - metrics.height() / 2.0), width,
                                     metrics.height());
    }
    auto place = [&](const SkyPlotMark& mark) {
        if (mark.text.isEmpty()) {
            return;
        }
        const QPointF at = SkyPlotPosition(mark.azimuth, mark.elevation, size);
        // Outwards from the centre, beside the mark: a pass crosses the rings, so the way out
        // from the rise, the set and the culmination is where its track is not.
        QPointF out = at - centre;
        const double length = std::hypot(out.x(), out.y());
        out = length < 1.0 ? QPointF(1, 0) : out / length;
        const QPointF anchor = at + out * 9.0;
        const int width = metrics.horizontalAdvance(mark.text);
        const int height = metrics.height();
        double left = anchor.x() - width / 2.0;
        if (std::abs(out.x()) > 0.3) {
            left = out.x() > 0 ? anchor.x() : anchor.x() - width;
        }
        double top = anchor.y() - height / 2.0;
        if (std::abs(out.y()) > 0.3) {
            top = out.y() > 0 ? anchor.y() : anchor.y() - height;
        }
        // Whole inside the image with its halo, and below the title where it would meet it.
        const int margin = 2;
        int x = std::clamp(static_cast<int>(left), margin, std::max(margin, size - width - margin));
        int y = std::clamp(static_cast<int>(top), margin, size - height - margin);
        if (QRect(x, y, width, height).intersects(labels.title.adjusted(-2, -2, 2, 2))) {
            y = labels.title.bottom() + 1 + margin + 1;
        }
        labels.marks.emplace_back(x, y, width, height);
    };
    for (const SkyPlotMark& event : content.events) {
        place(event);
    }
    if (content.rotor) {
        place(*content.rotor);
    }
    if (content.now) {
        place(*content.now);
    }
    return labels;
}

QImage DrawSkyPlot(const SkyPlotContent& content, int size, SkyPlotStyle style) {
    size = std::max(size, kMinSize);
    const Palette p = PaletteOf(style);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(p.background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = Radius(size);
    QFont font = LabelFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);

    // The sky, its rings and ticks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.sky);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(p.rings, 1));
    for (const double elevation : {0.0, 30.0, 60.0}) {
        const double r = radius * (90.0 - elevation) / 90.0;
        painter.drawEllipse(centre, r, r);
    }
    for (int azimuth = 0; azimuth < 360; azimuth += 30) {
        const QPointF rim = SkyPlotPosition(azimuth, 0.0, size);
        const QPointF inner = centre + (rim - centre) * (azimuth % 90 == 0 ? 0.0 : 0.94);
        painter.drawLine(inner, rim + (rim - centre) * 0.03);
    }
    painter.setPen(p.text);
    const SkyPlotLabels labels = PlaceSkyPlotLabels(content, size);
    for (size_t k = 0; k < kDirections.size(); ++k) {
        painter.drawText(labels.directions[k], Qt::AlignCenter, QString::fromLatin1(kDirections[k]));
    }
    for (const int elevation : {30, 60}) {
        const QPointF at = SkyPlotPosition(0.0, elevation, size);
        painter.drawText(at + QPointF(3, -2), QString::number(elevation));
    }

    // The pass.
    if (content.track.size() >= 2) {
        QPainterPath path(
            SkyPlotPosition(content.track.front().azimuth, content.track.front().elevation, size));
        for (size_t k = 1; k < content.track.size(); ++k) {
            path.lineTo(
                SkyPlotPosition(content.track[k].azimuth, content.track[k].elevation, size));
        }
        painter.setPen(QPen(p.track, 2));
        painter.drawPath(path);
    }
    size_t nextLabel = 0;
    auto label = [&](const SkyPlotMark& mark, const QColor& colour) {
        if (mark.text.isEmpty()) {
            return;
        }
        const QRect box = labels.marks[nextLabel++];
        // A halo in the sky's colour keeps the text readable over rings and the track.
        DrawHaloText(painter, box.x(), box.y(), colour, p.sky, mark.text);
    };
    for (const SkyPlotMark& event : content.events) {
        const QPointF at = SkyPlotPosition(event.azimuth, event.elevation, size);
        painter.setPen(QPen(p.events, 1.5));
        painter.setBrush(p.sky);
        painter.drawEllipse(at, 3.5, 3.5);
        painter.setBrush(Qt::NoBrush);
        label(event, p.events);
    }
    if (content.rotor) {
        const QPointF at = SkyPlotPosition(content.rotor->azimuth, content.rotor->elevation, size);
        painter.setPen(QPen(p.rotor, 2));
        painter.drawRect(QRectF(at.x() - 6, at.y() - 6, 12, 12));
        label(*content.rotor, p.rotor);
    }
    if (content.now) {
        const QPointF at = SkyPlotPosition(content.now->azimuth, content.now->elevation, size);
        painter.setPen(QPen(p.background, 1));
        painter.setBrush(p.satellite);
        painter.drawEllipse(at, 5.5, 5.5);
        painter.setBrush(Qt::NoBrush);
        label(*content.now, p.satellite);
    }
    painter.setPen(p.text);
    painter.drawText(labels.title.x(), labels.title.y() + metrics.ascent(), content.title);
    return image;
}

}  // namespace orbivox

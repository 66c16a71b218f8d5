// The globe's footprint, its fill, the marks and overlays on the globe, and presenting it.
#include "map/GlobeView.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "map/Footprint.h"
#include "map/FootprintDrawing.h"
#include "map/MapOverlays.h"
#include "map/Raster.h"
#include "orbit/DisplayFormat.h"

namespace orbivox {

namespace {

using std::numbers::pi;
constexpr double kDeg = 180 / 3.1415928;

// Pen position and lines on the work bitmap, without smoothing, so the fill finds an exact
// border colour.
class GlobePen {
public:
    GlobePen(QImage& image, QRgb colour, int width) : painter_(&image) {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(QPen(QColor::fromRgb(colour), width));
    }
    void MoveTo(QPoint p) { at_ = p; }
    void LineTo(QPoint p) {
        painter_.drawLine(at_, p);
        at_ = p;
    }

private:
    QPainter painter_;
    QPoint at_;
};

// The drawn point closest to the rim-distance centre while the satellite is hidden.
struct RimTracker {
    double distance = 240;
    double dx = 0;
    double dy = 0;
    void Note(const GlobeLayout& layout, QPoint p) {
        const double x = p.x() - layout.rimCentre.x();
        const double y = layout.rimCentre.y() - p.y();
        const double d = std::hypot(x, y);
        if (d < distance) {
            distance = d;
            dx = x;
            dy = y;
        }
    }
};

GlobePoint ProjectRow(const GlobeLayout& layout, GlobeCentre centre, double latitude,
                      double longitude) {
    return ProjectToGlobe(layout, centre, latitude * kDeg, longitude * kDeg);
}

// One edge (east or west) of the footprint, visible parts only.
template <typename EdgeOf>
void DrawGlobeEdge(GlobePen& pen, const GlobeLayout& layout, GlobeCentre centre,
                   const std::vector<GlobeFootprintRow>& rows, EdgeOf edge, bool strictStart,
                   RimTracker* rim) {
    size_t first = 0;
    for (; first < rows.size(); ++first) {
        const GlobePoint p = ProjectRow(layout, centre, rows[first].latitude, edge(rows[first]));
        if (strictStart ? p.v > 0 : p.v >= 0) {
            pen.MoveTo({p.x, p.y});
            break;
        }
    }
    if (first == rows.size()) {
        return;
    }
    bool previousVisible = true;
    GlobePoint last;
    for (size_t i = std::max<size_t>(first + 1, 1); i < rows.size(); ++i) {
        const GlobePoint p = ProjectRow(layout, centre, rows[i].latitude, edge(rows[i]));
        if (p.visible()) {
            if (previousVisible) {
                pen.LineTo({p.x, p.y});
                if (rim) {
                    rim->Note(layout, {p.x, p.y});
                }
            } else {
                pen.MoveTo({p.x, p.y});
            }
        }
        previousVisible = p.visible();
        last = p;
    }
    if (strictStart && last.visible()) {
        pen.LineTo({last.x - 1, last.y});
    }
}

// The outline of a footprint; `rim` notes the points next to the rim (working satellite).
void DrawGlobeOutline(QImage& work, const GlobeLayout& layout, GlobeCentre centre,
                      const std::vector<GlobeFootprintRow>& rows, QRgb colour, int width,
                      RimTracker* rim) {
    if (rows.empty()) {
        return;
    }
    GlobePen pen(work, colour, width);
    DrawGlobeEdge(
        pen, layout, centre, rows, [](const GlobeFootprintRow& r) { return r.east; }, false, rim);
    DrawGlobeEdge(
        pen, layout, centre, rows, [](const GlobeFootprintRow& r) { return r.west; }, true, rim);
}

void DrawDisk(QImage& work, const GlobeLayout& layout, QRgb pen, std::optional<QRgb> brush) {
    QPainter painter(&work);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(pen), 1));
    painter.setBrush(brush ? QBrush(QColor::fromRgb(*brush)) : QBrush(Qt::NoBrush));
    painter.drawEllipse(layout.rimBox);
}

// The seed of the fill: the satellite when it is visible, else a point just inside the rim
// towards the footprint's nearest drawn point, when that is near enough to the rim.
std::optional<QPoint> FillSeed(const GlobeLayout& layout, const GlobePoint& satellite,
                               const RimTracker& rim, bool& onRim) {
    onRim = false;
    if (satellite.visible()) {
        return QPoint(satellite.x, satellite.y);
    }
    if (rim.distance >= layout.rimThreshold || rim.distance <= 0) {
        return std::nullopt;
    }
    const double b = rim.dx / rim.distance;
    double a = pi / 2 - std::atan(b / std::sqrt(std::max(1 - b * b, 0.001)));
    if (rim.dy < 0) {
        a = 2 * pi - a;
    }
    onRim = true;
    return QPoint(
        orbit::RealToPixel(std::cos(a) * layout.rimRadiusX) + layout.rimSeedCentre.x(),
        layout.RimSeedCentreY(rim.dy) - orbit::RealToPixel(std::sin(a) * layout.rimRadiusY));
}

void FillGlobeFootprint(QImage& work, const GlobeLayout& layout, const GlobePoint& satellite,
                        const RimTracker& rim, bool hasFootprint) {
    bool onRim = false;
    // Without a footprint (a decayed satellite) the fill would light the whole disk.
    std::optional<QPoint> seed =
        hasFootprint ? FillSeed(layout, satellite, rim, onRim) : std::nullopt;
    if (seed && work.rect().contains(*seed)) {
        QPoint s = *seed;
        if (work.pixel(s) != kBlack) {
            // The seed fell on the outline: one pixel towards the globe's middle.
            const QPoint target(onRim ? layout.nudgeTarget.x() : layout.nudgeSatelliteX,
                                layout.nudgeTarget.y());
            s += QPoint(s.x() < target.x() ? 1 : -1, s.y() < target.y() ? 1 : -1);
        }
        FloodFill(work, s, kWhite);
    }
    DrawDisk(work, layout, kBlack, std::nullopt);
}

void DrawGlobeObserverMarks(MapFrame& frame, const GlobeLayout& layout, GlobeCentre centre,
                            bool aboveHorizon) {
    const GlobePoint o =
        ProjectToGlobe(layout, centre, frame.observerLatitude, frame.observerLongitude);
    if (o.visible()) {
        const QRgb colour = aboveHorizon ? kWhite : kSilver;
        DrawLine(frame.work, {o.x + 4, o.y}, {o.x - 5, o.y}, colour);
        DrawLine(frame.work, {o.x, o.y + 4}, {o.x, o.y - 5}, colour);
    }
    if (frame.secondObserverShown()) {
        const GlobePoint p = ProjectToGlobe(layout, centre, frame.secondObserverLatitude,
                                            *frame.secondObserverLongitude);
        if (p.visible()) {
            DrawWideLine(frame.work, {p.x + 6, p.y}, {p.x - 6, p.y}, kWhite, 3);
            DrawWideLine(frame.work, {p.x, p.y + 6}, {p.x, p.y - 6}, kWhite, 3);
            DrawLine(frame.work, {p.x + 6, p.y}, {p.x - 7, p.y}, kBlue);
            DrawLine(frame.work, {p.x, p.y + 6}, {p.x, p.y - 7}, kBlue);
        }
    }
}

// The arrow's wrap rule only needs the work bitmap's width.
MapGeometry WorkGeometry(const QImage& work) {
    MapGeometry g;
    g.width = work.width();
    g.height = work.height();
    return g;
}

void DrawGlobeArrow(QImage& work, const GlobeLayout& layout, GlobeCentre centre,
                    const GlobePoint& now, const std::optional<GeoPoint>& later) {
    if (!later || !now.visible()) {
        return;
    }
    const GlobePoint next = ProjectToGlobe(layout, centre, later->latitude, later->longitude);
    DrawDirectionArrow(work, WorkGeometry(work), {double(now.x), double(now.y)},
                       {double(next.x), double(next.y)});
}

// A label centred over its point, kept on the work bitmap.
void DrawCentredLabel(QImage& work, const QFont& font, QPoint at, int dy, QRgb colour,
                      const QString& text) {
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(text);
    const int x =
        std::clamp(at.x() - orbit::RealToPixel(w / 2.0), 0, std::max(0, work.width() - 1 - w));
    DrawLabelText(work, font, x, at.y() + dy, ContrastColour(work, at, colour), text);
}

}  // namespace

std::vector<GlobeFootprintRow> ComputeGlobeFootprint(double subLatitude, double subLongitude,
                                                     double r) {
    std::vector<GlobeFootprintRow> rows;
    if (!std::isfinite(r) || !std::isfinite(subLatitude) || !std::isfinite(subLongitude) ||
        r <= kEarthRadiusKm) {
        return rows;
    }
    const double c = std::sqrt(r * r - kEarthRadiusKm * kEarthRadiusKm) / r;
    const double psi = std::atan(c / std::sqrt(std::max(1 - c * c, 0.0)));
    const double thetaS = pi / 2 - subLatitude * pi / 180;
    const double lambdaS = subLongitude * pi / 180;
    rows.push_back({pi / 2 - (thetaS - psi), lambdaS, lambdaS});

    double t = thetaS - psi;
    double northOverflow = 0;
    if (psi > thetaS) {
        northOverflow = psi - thetaS;
        t = 1.0 / 1440;
    }
    const double tmax = thetaS + psi;
    const double tstop = pi - (tmax - pi);
    // Next to a pole the circle lies in a band of co-latitudes thinner than the usual step:
    // without finer rows its outline would be one line across the globe and the fill would
    // light the whole disk.
    const double band = std::min(tmax, tstop) - std::max(northOverflow, t);
    const double step = band > 0 ? std::min(pi / 300, band / 30) : pi / 300;
    for (; static_cast<int>(rows.size()) < kMaxGlobeFootprintRows - 1; t += step) {
        if (t < northOverflow) {
            continue;
        }
        if (t > tstop || t >= tmax) {
            break;
        }
        double u =
            (std::cos(psi) - std::cos(thetaS) * std::cos(t)) / (std::sin(thetaS) * std::sin(t));
        if (std::isnan(u)) {
            u = 1;  // a sub-point right on a pole
        }
        double b = 1 - u * u;
        if (!(b >= 0.001)) {
            b = 0.001;
        }
        const double delta = pi / 2 - std::atan(u / std::sqrt(b));
        rows.push_back({pi / 2 - t, lambdaS + delta, lambdaS - delta});
    }
    rows.push_back({pi / 2 - tmax, lambdaS, lambdaS});
    return rows;
}

void EnterGlobe(MapFrame& frame, GlobeState& state, GlobeMode mode) {
    const GlobeLayout& layout = LayoutOf(mode);
    state.mode = mode;
    state.previousName = state.loadedName;
    state.loadedName.clear();
    frame.light = MapSurface(layout.frame.width(), layout.frame.height());
    frame.light.fill(kBlack);
    frame.dark = frame.light;
    frame.work = MapSurface(layout.work.width(), layout.work.height());
    frame.mask = MapSurface(layout.work.width(), layout.work.height());
}

GlobeCentre GlobeCentreFor(const MapFrame& frame, const MapScene& scene, CentringMode mode,
                           bool preview) {
    GlobeCentre c{frame.observerLatitude, frame.observerLongitude};
    switch (mode) {
        case CentringMode::Satellite:
            if (scene.working) {
                const GeoPoint& s = scene.working->subPoint;
                c = preview ? GlobeCentre{s.latitude >= 0 ? 80.0 : -80.0, frame.observerLongitude}
                            : GlobeCentre{s.latitude, s.longitude};
            }
            break;
        case CentringMode::Observer:
            break;
        case CentringMode::GreenwichOrSecondObserver:
            c = {frame.secondObserverLatitude, frame.secondObserverLongitude.value_or(0)};
            break;
    }
    if (c.longitude < 0) {
        c.longitude += 360;
    }
    return c;
}

QString SelectGlobePictures(MapFrame& frame, GlobeState& state, GlobePictures& pictures,
                            const QString& programFolder, GlobeCentre wanted) {
    const GlobeLayout& layout = LayoutOf(state.mode);
    const GlobePictureChoice choice = ChooseGlobePicture(state.mode, NamesOf(frame.set).globePrefix,
                                                         wanted.latitude, wanted.longitude);
    if (choice.name == state.loadedName) {
        return QString();
    }
    state.previousName = state.loadedName;
    state.loadedName = choice.name;  // a failure is not retried until the sector changes
    const std::optional<GlobePicturePair> pair = pictures.Load(frame.set, state.mode, choice);
    if (!pair) {
        const QString base = programFolder + QLatin1Char('/') + choice.name;
        return QStringLiteral("Files ") + base + QStringLiteral("_h.bmp and ") + base +
               QStringLiteral("_d.bmp not found!");
    }
    state.centre = choice.centre;
    auto place = [&](const QImage& picture) {
        QImage f = MapSurface(layout.frame.width(), layout.frame.height());
        f.fill(kBlack);
        QPainter painter(&f);
        painter.drawImage(QPoint(layout.copyX, 0), picture,
                          QRect(QPoint(0, 0), layout.copyRegion).intersected(picture.rect()));
        return f;
    };
    frame.light = place(pair->light);
    frame.dark = place(pair->dark);
    return QString();
}

GlobePoint RenderGlobeFrame(MapFrame& frame, const GlobeState& state, const MapScene& scene) {
    const GlobeLayout& layout = LayoutOf(state.mode);
    const GlobeCentre centre = state.centre;
    frame.work.fill(kBlack);
    GlobePoint satellite;
    satellite.v = -1;
    if (scene.working) {
        const WorkingOnMap& w = *scene.working;
        satellite = ProjectToGlobe(layout, centre, w.subPoint.latitude, w.subPoint.longitude);
        const auto rows =
            ComputeGlobeFootprint(w.subPoint.latitude, w.subPoint.longitude, w.radiusKm);
        RimTracker rim;
        DrawDisk(frame.work, layout, kWhite, kBlack);
        DrawGlobeOutline(frame.work, layout, centre, rows, kWhite, 2,
                         satellite.visible() ? nullptr : &rim);
        FillGlobeFootprint(frame.work, layout, satellite, rim, !rows.empty());
        ComposeLightAndDark(frame);
        DrawGlobeObserverMarks(frame, layout, centre, w.elevation > 0);
        if (satellite.visible()) {
            DrawSatelliteCross(frame.work, {double(satellite.x), double(satellite.y)});
            DrawGlobeArrow(frame.work, layout, centre, satellite, w.later);
        }
    } else {
        ComposeLightAndDark(frame);
        DrawGlobeObserverMarks(frame, layout, centre, false);
    }
    if (scene.subSolarPoint) {
        const GeoPoint& sun = *scene.subSolarPoint;
        DrawGlobeOutline(frame.work, layout, centre,
                         ComputeGlobeFootprint(sun.latitude, sun.longitude, kSunDistanceKm),
                         kYellow, 1, nullptr);
        const GlobePoint s = ProjectToGlobe(layout, centre, sun.latitude, sun.longitude);
        if (s.visible()) {
            const QFont font = SunFont();
            DrawCentredLabel(frame.work, font, {s.x, s.y},
                             -orbit::RealToPixel(QFontMetrics(font).height() / 2.0), kYellow,
                             QStringLiteral("S"));
        }
    }
    const QFont font = LabelFont();
    for (const OtherSatellite& o : scene.others) {
        DrawGlobeOutline(
            frame.work, layout, centre,
            ComputeGlobeFootprint(o.subPoint.latitude, o.subPoint.longitude, o.radiusKm), kWhite, 1,
            nullptr);
        const GlobePoint p =
            ProjectToGlobe(layout, centre, o.subPoint.latitude, o.subPoint.longitude);
        if (p.visible()) {
            DrawGlobeArrow(frame.work, layout, centre, p, o.later);
            DrawCentredLabel(frame.work, font, {p.x, p.y}, 0, kWhite,
                             QString::fromStdString(o.label));
        }
    }
    for (const GeoPoint& dot : scene.groundTrack) {
        const GlobePoint p = ProjectToGlobe(layout, centre, dot.latitude, dot.longitude);
        if (p.visible()) {
            StampTrackDot(frame.work, p.x, p.y);
        }
    }
    PresentGlobe(frame, state.mode);
    return satellite;
}

void PresentGlobe(MapFrame& frame, GlobeMode mode) {
    frame.geometry.offsetX = 0;
    frame.geometry.offsetY = 0;
    QPoint at(0, 0);
    QRect source = frame.work.rect();
    const bool globe2 = mode == GlobeMode::Globe2;
    switch (frame.size) {
        case WindowSize::W1:
        case WindowSize::W2:
            source = QRect(0, 0, 750, 374);
            break;
        case WindowSize::W3:
            at = globe2 ? QPoint(0, 0) : QPoint(99, 53);
            break;
        case WindowSize::W4:
            at = globe2 ? QPoint(120, 60) : QPoint(225, 113);
            break;
        case WindowSize::W5:
            at = globe2 ? QPoint(270, 135) : QPoint(375, 187);
            break;
    }
    frame.view.fill(kBlack);
    QPainter painter(&frame.view);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, frame.work, source.intersected(frame.work.rect()));
}

}  // namespace orbivox

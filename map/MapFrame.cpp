// Loading the light and dark map images for a window size and zoom (found ignoring case, scaled
// when their size differs), setting up the surfaces, and placing the observer marks.
#include "map/MapFrame.h"

#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "map/FileLookup.h"
#include "map/Raster.h"

namespace orbivox {

void MapFrame::UpdateObserverMarks() {
    observerMark = ObserverMarkPosition(geometry, observerLongitude, observerLatitude);
    if (secondObserverLongitude) {
        secondObserverMark =
            ObserverMarkPosition(geometry, *secondObserverLongitude, secondObserverLatitude);
    }
}

namespace {

// Loads one map image; empty image and an error text when it cannot.
QImage LoadOne(const QString& folder, const QString& name, const QSize& expected, QString& error) {
    const QString path = FindIgnoringCase(folder, name);
    if (path.isEmpty()) {
        error = QStringLiteral("Map image %1/%2 not found").arg(folder, name);
        return QImage();
    }
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        error = QStringLiteral("Map image %1 cannot be read: %2").arg(path, reader.errorString());
        return QImage();
    }
    if (image.size() != expected) {
        // Any equirectangular picture serves; the drawing needs it at the table's size.
        image = image.scaled(expected, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// The sharp pair for the frame: the smallest picture pair of the set at least as wide as
// the sharp map, else the widest there is; a pair that is missing or unreadable gives way to
// the next smaller one, down to the map's own size, where drawing sharp gains nothing.
std::pair<QImage, QImage> LoadSharpPair(const QString& folder, QSize wanted, int mapWidth) {
    const std::vector<MapImagePair> pairs = MapImagePairsBySize();
    auto first = std::find_if(pairs.begin(), pairs.end(),
                              [&](const MapImagePair& p) { return p.width >= wanted.width(); });
    if (first == pairs.end()) {
        --first;
    }
    for (auto pair = std::make_reverse_iterator(first + 1); pair != pairs.rend(); ++pair) {
        if (pair->width <= mapWidth) {
            break;
        }
        QString error;
        QImage light = LoadOne(folder, QString::fromLatin1(pair->light), wanted, error);
        QImage dark = LoadOne(folder, QString::fromLatin1(pair->dark), wanted, error);
        if (error.isEmpty()) {
            return {light, dark};
        }
    }
    return {};
}

}  // namespace

int SharpPixels(const MapFrame& frame, int logical) {
    return static_cast<int>(std::lround(logical * frame.pixelRatio));
}

QSize SharpSize(const MapFrame& frame, QSize logical) {
    return QSize(SharpPixels(frame, logical.width()), SharpPixels(frame, logical.height()));
}

void UseMapImages(MapFrame& frame, const MapViewSwitches& view, const QImage& light,
                  const QImage& dark, const QImage& sharpLight, const QImage& sharpDark) {
    const WindowSize size = view.size;
    Zoom zoom = view.zoom;
    if (!ZoomAvailable(size)) {
        zoom = Zoom::Z1;
    }
    frame.size = size;
    frame.zoom = zoom;
    frame.geometry = MapGeometry::For(size, zoom);
    const QSize mapSize(frame.geometry.width, frame.geometry.height);
    frame.light = light.size() == mapSize
                      ? light.convertToFormat(QImage::Format_RGB32)
                      : light.scaled(mapSize).convertToFormat(QImage::Format_RGB32);
    frame.dark = dark.size() == mapSize
                     ? dark.convertToFormat(QImage::Format_RGB32)
                     : dark.scaled(mapSize).convertToFormat(QImage::Format_RGB32);
    frame.work = MapSurface(mapSize.width(), mapSize.height());
    frame.mask = MapSurface(mapSize.width(), mapSize.height());
    const QSize viewSize = ViewSize(size, view.dpi120Screen);
    frame.view = MapSurface(viewSize.width(), viewSize.height());
    frame.composed = QImage();
    if (frame.pixelRatio > 1 && !sharpLight.isNull() && !sharpDark.isNull()) {
        const QSize sharpMap = SharpSize(frame, mapSize);
        frame.sharpLight = sharpLight.scaled(sharpMap).convertToFormat(QImage::Format_RGB32);
        frame.sharpDark = sharpDark.scaled(sharpMap).convertToFormat(QImage::Format_RGB32);
        frame.sharpWork = MapSurface(sharpMap.width(), sharpMap.height());
        const QSize sharpView = SharpSize(frame, viewSize);
        frame.sharpView = MapSurface(sharpView.width(), sharpView.height());
        frame.sharpView.setDevicePixelRatio(frame.pixelRatio);
    } else {
        frame.sharpLight = frame.sharpDark = frame.sharpWork = frame.sharpView = QImage();
    }
    frame.UpdateObserverMarks();
}

QString LoadMapImages(MapFrame& frame, const QString& programFolder, const MapViewSwitches& view) {
    const MapSet set = view.set;
    const MapImagePair& names = MapImagesFor(view.size, view.zoom);
    const QSize expected(names.width, names.height);
    const QString folder =
        FindIgnoringCase(programFolder, QString::fromLatin1(NamesOf(set).folder));
    if (folder.isEmpty()) {
        return QStringLiteral("Map folder %1%2 not found")
            .arg(programFolder, QString::fromLatin1(NamesOf(set).folder));
    }
    QString error;
    const QImage light = LoadOne(folder, QString::fromLatin1(names.light), expected, error);
    if (!error.isEmpty()) {
        return error;
    }
    const QImage dark = LoadOne(folder, QString::fromLatin1(names.dark), expected, error);
    if (!error.isEmpty()) {
        return error;
    }
    std::pair<QImage, QImage> sharp;
    if (frame.pixelRatio > 1) {
        sharp = LoadSharpPair(folder, SharpSize(frame, expected), names.width);
    }
    frame.set = set;
    UseMapImages(frame, view, light, dark, sharp.first, sharp.second);
    return QString();
}

}  // namespace orbivox

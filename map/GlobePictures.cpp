// Finding a globe picture file or drawing the picture from the flat map images.
#include "map/GlobePictures.h"

#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "map/FileLookup.h"
#include "map/Raster.h"

namespace orbivox {

namespace {

// The flat images a globe is drawn from, largest first.
constexpr std::pair<const char*, const char*> kFlatSources[] = {
    {"Welt4L_1024.bmp", "Welt4D_1024.bmp"},
    {"Welt4l.bmp", "Welt4d.bmp"},
    {"Welt1l.bmp", "Welt1d.bmp"},
};

QImage ReadImage(const QString& path) {
    if (path.isEmpty()) {
        return QImage();
    }
    QImageReader reader(path);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

GlobePicturePair DrawGlobePictures(const GlobePicturePair& flat, const GlobeLayout& layout,
                                   GlobeCentre centre) {
    const int size = layout.pictureSize;
    GlobePicturePair out{MapSurface(size, size), MapSurface(size, size)};
    out.light.fill(kBlack);
    out.dark.fill(kBlack);
    if (flat.light.isNull() || flat.dark.isNull()) {
        return out;
    }
    const QImage light = flat.light.convertToFormat(QImage::Format_RGB32);
    const QImage dark = flat.dark.scaled(light.size()).convertToFormat(QImage::Format_RGB32);
    const int w = light.width();
    const int h = light.height();
    for (int y = 0; y < size; ++y) {
        QRgb* lightLine = reinterpret_cast<QRgb*>(out.light.scanLine(y));
        QRgb* darkLine = reinterpret_cast<QRgb*>(out.dark.scanLine(y));
        for (int x = 0; x < size; ++x) {
            // The frame position this picture pixel lands on once copied into the frame.
            const auto geo = GlobeToGeography(layout, centre, x + layout.copyX, y);
            if (!geo) {
                continue;
            }
            const int sx = std::clamp(int((geo->longitude + 180) / 360 * w), 0, w - 1);
            const int sy = std::clamp(int((90 - geo->latitude) / 180 * h), 0, h - 1);
            lightLine[x] = reinterpret_cast<const QRgb*>(light.constScanLine(sy))[sx];
            darkLine[x] = reinterpret_cast<const QRgb*>(dark.constScanLine(sy))[sx];
        }
    }
    return out;
}

GlobePictures::GlobePictures(QString programFolder) : programFolder_(std::move(programFolder)) {}

const GlobePicturePair& GlobePictures::Flat(MapSet set) {
    std::optional<GlobePicturePair>& flat = flat_[set == MapSet::Political ? 0 : 1];
    if (!flat) {
        flat = GlobePicturePair{};
        const QString folder = QString::fromLatin1(NamesOf(set).folder);
        for (const auto& [light, dark] : kFlatSources) {
            GlobePicturePair pair{ReadImage(FindIgnoringCase(programFolder_, folder + '/' + light)),
                                  ReadImage(FindIgnoringCase(programFolder_, folder + '/' + dark))};
            if (!pair.light.isNull() && !pair.dark.isNull()) {
                flat = pair;
                break;
            }
        }
    }
    return *flat;
}

bool GlobePictures::Has3D2(MapSet set) const {
    const QString prefix = QString::fromLatin1(NamesOf(set).globePrefix);
    if (!FindIgnoringCase(programFolder_, prefix + "Maps3D_2/000_45_D.BMP").isEmpty()) {
        return true;
    }
    const QString folder = QString::fromLatin1(NamesOf(set).folder);
    for (const auto& [light, dark] : kFlatSources) {
        if (!FindIgnoringCase(programFolder_, folder + '/' + light).isEmpty() &&
            !FindIgnoringCase(programFolder_, folder + '/' + dark).isEmpty()) {
            return true;
        }
    }
    return false;
}

std::optional<GlobePicturePair> GlobePictures::Load(MapSet set, GlobeMode mode,
                                                    const GlobePictureChoice& choice) {
    // A user's own pictures, when both are there.
    const GlobePicturePair files{
        ReadImage(FindIgnoringCase(programFolder_, choice.name + "_h.bmp")),
        ReadImage(FindIgnoringCase(programFolder_, choice.name + "_d.bmp"))};
    if (!files.light.isNull() && !files.dark.isNull()) {
        return files;
    }
    const auto cached = drawn_.constFind(choice.name);
    if (cached != drawn_.constEnd()) {
        return *cached;
    }
    const GlobePicturePair& flat = Flat(set);
    if (flat.light.isNull()) {
        return std::nullopt;
    }
    const GlobeLayout& layout = LayoutOf(mode);
    const GlobePicturePair drawn = DrawGlobePictures(flat, layout, choice.centre);
    drawn_.insert(choice.name, drawn);
    return drawn;
}

}  // namespace orbivox

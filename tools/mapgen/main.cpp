// orbivox_mapgen: draws the world map image sets into a program folder.
//
//   orbivox_mapgen --countries countries-50m.json --blue-marble earth-blue-marble.jpg
//                  --out <program folder>
//
// writes <out>/Maps2D/ (political) and <out>/BM_Maps2D/ (physical), a light and a dark
// picture for every map image size the window sizes use, and the sharpest pair.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <cstdio>
#include <exception>
#include <functional>

#include "map/MapSet.h"
#include "map/WindowSizes.h"
#include "tools/mapgen/Pictures.h"

using namespace orbivox;
using namespace orbivox::mapgen;

namespace {

bool Save(const QImage& image, const QString& path) {
    // The format follows the name: bitmaps for the window sizes, PNG for the sharpest pair.
    if (!image.save(path)) {
        std::fprintf(stderr, "orbivox_mapgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

using LightPicture = std::function<QImage(QSize)>;

bool WriteSet(const QString& out, MapSet set, const LightPicture& light, double darkFactor) {
    const QString folder = out + QLatin1Char('/') + QLatin1String(NamesOf(set).folder);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "orbivox_mapgen: cannot create %s\n", qPrintable(folder));
        return false;
    }
    for (const MapImagePair& pair : MapImagePairsBySize()) {
        const QImage picture = light(QSize(pair.width, pair.height));
        if (!Save(picture, folder + QLatin1Char('/') + QLatin1String(pair.light)) ||
            !Save(Darkened(picture, darkFactor),
                  folder + QLatin1Char('/') + QLatin1String(pair.dark))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the world map images."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("countries"), QStringLiteral("Country polygons (TopoJSON)."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("blue-marble"),
                      QStringLiteral("Equirectangular photograph of the Earth."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("out"), QStringLiteral("Program folder to write into."),
                      QStringLiteral("folder")});
    parser.process(app);
    if (!parser.isSet(QStringLiteral("countries")) || !parser.isSet(QStringLiteral("out")) ||
        !parser.isSet(QStringLiteral("blue-marble"))) {
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        const QString out = parser.value(QStringLiteral("out"));
        const Topology countries =
            ReadTopology(parser.value(QStringLiteral("countries")), QStringLiteral("countries"));

        QImageReader reader(parser.value(QStringLiteral("blue-marble")));
        const QImage blueMarble = reader.read();
        if (blueMarble.isNull()) {
            std::fprintf(stderr, "orbivox_mapgen: %s: %s\n",
                         qPrintable(parser.value(QStringLiteral("blue-marble"))),
                         qPrintable(reader.errorString()));
            return 1;
        }

        const bool ok = WriteSet(
                            out, MapSet::Political,
                            [&](QSize size) { return DrawPolitical(countries, size); }, 0.45) &&
                        WriteSet(
                            out, MapSet::Physical,
                            [&](QSize size) {
                                QImage picture = Resample(blueMarble, Equirectangular(size));
                                Brighten(picture, 0.75);
                                DrawFaintBorders(picture, countries);
                                return picture;
                            },
                            0.40);
        if (!ok) {
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orbivox_mapgen: %s\n", e.what());
        return 1;
    }
    std::printf("Map images drawn in %.1f s\n", timer.elapsed() / 1000.0);
    return 0;
}

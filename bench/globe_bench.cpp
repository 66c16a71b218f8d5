// One refresh frame of the globe at 3D2 and W5: the working satellite's footprint with its
// fill and composition, ten other satellites, the sun line, the track and the presentation;
// and drawing the light and dark globe pictures from the flat map images on first use.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "bench/BenchApplication.h"
#include "map/GlobeView.h"
#include "map/Raster.h"

namespace {

using namespace orbivox;

QImage Pattern(int w, int h, int base) {
    QImage image = MapSurface(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(base + x % 64, base + y % 64, base + 30));
        }
    }
    return image;
}

MapScene BusyScene(double longitude) {
    MapScene scene;
    scene.working =
        WorkingOnMap{{longitude, 40}, kEarthRadiusKm + 800, 10, GeoPoint{longitude + 0.6, 40.2}};
    scene.subSolarPoint = GeoPoint{longitude / 2, 15};
    for (int k = 0; k < 10; ++k) {
        const double lon = -170 + 36 * k;
        const double lat = -60 + 13 * k;
        scene.others.push_back({{lon, lat},
                                kEarthRadiusKm + 500 + 150 * k,
                                GeoPoint{lon + 0.5, lat + 0.3},
                                std::string(1, static_cast<char>('B' + k)) + ":SAT-" +
                                    std::to_string(k) + " Aos:12:34 maxE:45"});
    }
    for (int k = 0; k < 45; ++k) {
        scene.groundTrack.push_back({longitude + 4.0 * k, 40.0 - k});
    }
    return scene;
}

void BM_GlobeRefreshFrame3D2(benchmark::State& state) {
    EnsureBenchApplication();
    QTemporaryDir program;
    MapFrame frame;
    frame.size = WindowSize::W5;
    frame.view = MapSurface(1500, 750);
    frame.observerLongitude = 13.4;
    frame.observerLatitude = 52.5;
    GlobeState globe;
    GlobePictures pictures(program.path());
    EnterGlobe(frame, globe, GlobeMode::Globe2);
    globe.centre = {45, 0};
    frame.light = Pattern(960, 480, 150);
    frame.dark = Pattern(960, 480, 20);
    double longitude = 330;
    for (auto _ : state) {
        longitude = longitude >= 390 ? 330 : longitude + 1;  // the satellite moves on
        const GlobePoint p = RenderGlobeFrame(frame, globe, BusyScene(longitude));
        benchmark::DoNotOptimize(p.x);
        benchmark::DoNotOptimize(frame.view.constBits());
    }
}
BENCHMARK(BM_GlobeRefreshFrame3D2)->Unit(benchmark::kMillisecond);

void BM_DrawGlobePictures3D2(benchmark::State& state) {
    const GlobePicturePair flat{Pattern(1920, 960, 100), Pattern(1920, 960, 20)};
    for (auto _ : state) {
        const GlobePicturePair pictures =
            DrawGlobePictures(flat, LayoutOf(GlobeMode::Globe2), {45, 0});
        benchmark::DoNotOptimize(pictures.light.constBits());
    }
}
BENCHMARK(BM_DrawGlobePictures3D2)->Unit(benchmark::kMillisecond);

}  // namespace

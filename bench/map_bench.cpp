// One full refresh frame of the world map: the working satellite's footprint, fill and
// composition, ten other satellites with outlines, arrows and labels, the day/night line
// and the presentation into the view; and the same drawn sharp for a scaled screen.
#include <benchmark/benchmark.h>

#include "bench/BenchApplication.h"
#include "map/FootprintDrawing.h"
#include "map/MapOverlays.h"
#include "map/PresentMap.h"
#include "map/Raster.h"

namespace {

using namespace orbivox;

QImage Gradient(int w, int h, int base) {
    QImage image = MapSurface(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(base + x % 64, base + y % 64, base + 30));
        }
    }
    return image;
}

// The frame at a window size (range 0) on a screen with range 1 device pixels per logical
// pixel, in tenths: 10 draws the view alone, 20 the sharp view of a scale factor of 2 too.
void BM_MapRefreshFrame(benchmark::State& state) {
    EnsureBenchApplication();
    const auto size = static_cast<WindowSize>(state.range(0));
    const MapImagePair& pair = MapImagesFor(size, Zoom::Z1);
    MapFrame frame;
    frame.pixelRatio = state.range(1) / 10.0;
    frame.observerLongitude = 13.4;
    frame.observerLatitude = 52.5;
    frame.secondObserverLongitude = 286.96;
    const QSize sharp = SharpSize(frame, QSize(pair.width, pair.height));
    UseMapImages(frame, {size, Zoom::Z1}, Gradient(pair.width, pair.height, 150),
                 Gradient(pair.width, pair.height, 20), Gradient(sharp.width(), sharp.height(), 150),
                 Gradient(sharp.width(), sharp.height(), 20));
    std::vector<OtherSatellite> others;
    for (int k = 0; k < 10; ++k) {
        const double lon = -170 + 36 * k;
        const double lat = -60 + 13 * k;
        others.push_back({{lon, lat},
                          kEarthRadiusKm + 500 + 150 * k,
                          GeoPoint{lon + 0.5, lat + 0.3},
                          std::string(1, static_cast<char>('B' + k)) + ":SAT-" + std::to_string(k) +
                              " Aos:12:34 maxE:45"});
    }
    double longitude = 170;
    for (auto _ : state) {
        longitude = longitude >= 359 ? 0 : longitude + 1;  // the satellite moves on
        const MapPoint p = ProjectToMap(frame.geometry, longitude, 40);
        DrawFootprint(frame, ComputeFootprint(frame.geometry, p, 40, kEarthRadiusKm + 800), p,
                      true);
        DrawDirectionArrow(frame.work, frame.geometry, p,
                           ProjectToMap(frame.geometry, longitude + 0.6, 40.2));
        DrawSunTerminator(frame, {longitude / 2, 15});
        DrawOtherSatellites(frame, others);
        PresentMap(frame, p, CentringMode::Observer);
        benchmark::DoNotOptimize(frame.view.constBits());
    }
}
BENCHMARK(BM_MapRefreshFrame)
    ->Args({static_cast<int>(WindowSize::W3), 10})
    ->Args({static_cast<int>(WindowSize::W5), 10})
    ->Args({static_cast<int>(WindowSize::W3), 15})
    ->Args({static_cast<int>(WindowSize::W5), 20})
    ->Unit(benchmark::kMillisecond);

}  // namespace

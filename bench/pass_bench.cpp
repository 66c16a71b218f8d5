// Pass prediction speed: one ComputePass for a low and for a 12-hour orbit, the same low
// orbit through the plain pass function without a station view, and the whole pass table of
// 24 satellites over a day.
#include <benchmark/benchmark.h>

#include <string>

#include "orbit/PassPrediction.h"
#include "orbit/StationView.h"

namespace {

constexpr double kStart = 17767.0;  // 2026-08-23 00:00, day number

struct PassBench {
    orbit::FixedClock clock;
    orbit::OrbitEngine engine{2026};
    orbit::StationView view{engine, clock};

    PassBench() {
        engine.ReadElementFile(std::string(ORBIVOX_TEST_DATA) + "/elements-2026.txt");
        orbit::ObserverSite site;
        site.latitude = 48.15;
        site.longitude = 11.58;
        site.altitude = "520";
        site.utcOffset = "0";
        view.SetObserver(site);
    }

    int Find(const std::string& prefix) {
        for (int i = 1; i <= engine.Sets().Count(); ++i) {
            if (engine.Sets()[i].name.rfind(prefix, 0) == 0)
                return i;
        }
        return 0;
    }
};

void SearchOnePass(benchmark::State& state, const std::string& prefix) {
    PassBench bench;
    const int index = bench.Find(prefix);
    if (index == 0) {
        state.SkipWithError("satellite missing from the fixture");
        return;
    }
    bench.view.SetSelection({index});
    double t = kStart;
    for (auto _ : state) {
        bench.view.SetTime(t);
        bench.view.Pass(0) = orbit::PassData{};
        bench.view.ComputePass(0);
        const double losTime = bench.view.Pass(0).losTime;
        benchmark::DoNotOptimize(losTime);
        // Walk on through the passes so that every iteration searches a fresh one.
        t = bench.view.Pass(0).recomputeAfter > t ? bench.view.Pass(0).recomputeAfter : t + 1.0;
        if (t > kStart + 30.0)
            t = kStart;
    }
}

void BM_ComputePassLeo(benchmark::State& state) {
    SearchOnePass(state, "ISS");
}
void BM_ComputePassTwelveHourOrbit(benchmark::State& state) {
    SearchOnePass(state, "NAVSTAR 43");
}

void BM_NextPassLeo(benchmark::State& state) {
    PassBench bench;
    const int index = bench.Find("ISS");
    if (index == 0) {
        state.SkipWithError("satellite missing from the fixture");
        return;
    }
    const orbit::GeodeticSite site = bench.view.Site();
    double t = kStart;
    for (auto _ : state) {
        const orbit::TimeState start = orbit::TimeAtDayNumber(t, orbit::TimeShifts{});
        const orbit::PassPrediction next = orbit::NextPass(bench.engine, index, site, start, 0.0);
        benchmark::DoNotOptimize(next.pass.losTime);
        t = next.pass.recomputeAfter > t ? next.pass.recomputeAfter : t + 1.0;
        if (t > kStart + 30.0)
            t = kStart;
    }
}

// Every pass of the day for 24 selected satellites, as a pass table would list them.
void BM_PassTableOf24SatellitesOverADay(benchmark::State& state) {
    PassBench bench;
    std::vector<int> selection;
    for (int i = 1; i <= bench.engine.Sets().Count() && selection.size() < 24; ++i) {
        selection.push_back(i);
    }
    bench.view.SetSelection(selection);
    int passes = 0;
    for (auto _ : state) {
        passes = 0;
        for (int position = 0; position < static_cast<int>(selection.size()); ++position) {
            double t = kStart;
            while (t < kStart + 1.0) {
                bench.view.SetTime(t);
                bench.view.Pass(position) = orbit::PassData{};
                const orbit::PassOutcome outcome = bench.view.ComputePass(position);
                const orbit::PassData& pass = bench.view.Pass(position);
                if (outcome != orbit::PassOutcome::Searched || pass.aosText == orbit::kNoPassText ||
                    pass.neverSets) {
                    break;
                }
                ++passes;
                t = pass.recomputeAfter;
            }
        }
        benchmark::DoNotOptimize(passes);
    }
    state.counters["passes"] = passes;
}

BENCHMARK(BM_ComputePassLeo);
BENCHMARK(BM_ComputePassTwelveHourOrbit);
BENCHMARK(BM_NextPassLeo);
BENCHMARK(BM_PassTableOf24SatellitesOverADay)->Unit(benchmark::kMillisecond);

}  // namespace

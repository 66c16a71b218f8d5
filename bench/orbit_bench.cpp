// Orbit models per tracking tick: selecting a set forces a full model
// initialisation, so a tick costs SelectCurrentSet + Propagate; pass search
// calls Propagate alone many times for one set.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "orbit/OrbitEngine.h"

namespace {

// The two test sets of Spacetrack Report No. 3: near-earth and deep-space
// (12-hour, e = 0.73, so DEEP's resonance integrator runs).
const std::vector<std::string> kSets = {
    "NEAR",
    "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0    87",
    "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518  1058",
    "DEEP",
    "1 11801U          80230.29629788  .01431103  00000-0  14311-1      13",
    "2 11801  46.7916 230.4354 7318036  47.4722  10.4117  2.28537848    13"};

orbit::OrbitEngine MakeEngine(orbit::ModelChoice model) {
    orbit::OrbitEngine engine(1985, model);
    engine.ReadElementLines(kSets);
    return engine;
}

// range(0): set index (1 near-earth, 2 deep-space); range(1): 0 SGP4 family, 1 SGP8 family.
orbit::ModelChoice ModelOf(const benchmark::State& state) {
    return state.range(1) == 0 ? orbit::ModelChoice::Sgp4 : orbit::ModelChoice::Sgp8;
}

void BM_SelectAndPropagate(benchmark::State& state) {
    orbit::OrbitEngine engine = MakeEngine(ModelOf(state));
    const int index = static_cast<int>(state.range(0));
    double tsince = 1440.0;
    for (auto _ : state) {
        engine.SelectCurrentSet(index);
        const orbit::PropagationResult r = engine.PropagateMinutes(tsince);
        // A scalar, not the struct: with Google Benchmark 1.7.1 and g++ 12 at -O2,
        // DoNotOptimize on a struct returned by value was seen to zero one of its fields.
        double x = r.position.x;
        benchmark::DoNotOptimize(x);
        // One-second ticks, kept within a day of the epoch so that a decaying
        // orbit never turns the loop into a string of quick failures.
        tsince += 1.0 / 60.0;
        if (tsince > 2880.0)
            tsince = 1440.0;
    }
}

void BM_PropagateOnly(benchmark::State& state) {
    orbit::OrbitEngine engine = MakeEngine(ModelOf(state));
    engine.SelectCurrentSet(static_cast<int>(state.range(0)));
    engine.PropagateMinutes(0.0);  // initialise once, as pass search does
    double tsince = 1440.0;
    for (auto _ : state) {
        const orbit::PropagationResult r = engine.PropagateMinutes(tsince);
        if (!r.ok)
            state.SkipWithError("propagation failed");
        double x = r.position.x;
        benchmark::DoNotOptimize(x);
        tsince += 1.0;  // pass search steps about a minute
        if (tsince > 2880.0)
            tsince = 1440.0;
    }
}

void ModelArguments(benchmark::internal::Benchmark* b) {
    b->ArgNames({"set", "sgp8"});
    for (int set : {1, 2})
        for (int model : {0, 1})
            b->Args({set, model});
}

BENCHMARK(BM_SelectAndPropagate)->Apply(ModelArguments);
BENCHMARK(BM_PropagateOnly)->Apply(ModelArguments);

}  // namespace

// Typing into the satellites dialog's filter over a file of 1,800 sets: each key stroke
// narrows the whole list once, so one narrowing must stay well under a frame.
#include <benchmark/benchmark.h>

#include <string>

#include "catalogue/SatelliteFilter.h"

namespace {

using namespace orbivox;

void BM_FilterEighteenHundredSets(benchmark::State& state) {
    constexpr int kSets = 1'800;
    orbit::SetTable sets;
    QStringList names;
    for (int i = 1; i <= kSets; ++i) {
        const std::string name = (i % 3 == 0 ? "STARLINK-" : "COSMOS ") + std::to_string(i);
        sets[i].name = name;
        sets[i].catalogueNumber = std::to_string(40'000 + i);
        names.append(QString::fromStdString(name));
    }
    sets.SetCount(kSets);
    const SatelliteFilter filter(names, sets);
    const QStringList typed{"s", "st", "sta", "star", "4", "4123", ""};
    int next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(filter.Matching(typed[next]));
        next = (next + 1) % static_cast<int>(typed.size());
    }
}
BENCHMARK(BM_FilterEighteenHundredSets)->Unit(benchmark::kMicrosecond);

}  // namespace

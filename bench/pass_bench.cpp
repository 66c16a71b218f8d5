// Pass prediction speed: one ComputePass for a low and for a 12-hour orbit, the same low
// orbit through the plain pass function without a station view, the whole pass table of
// 24 satellites over a day, and a day of passes for a whole element file. The day-long ones
// run with the AOS search's skip over empty stretches off (0) and on (1) and count the look
// angle evaluations.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "orbit/ElementFile.h"
#include "orbit/OrbitConstants.h"
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
                if (outcome != orbit::PassOutcome::Searched ||
                    pass.finding == orbit::PassFinding::NoPass || pass.neverSets) {
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

// All passes of one set rising in [start, end) as `orbivox passes --until` lists them, each
// searched as PredictPass searches, with the look-ups counted.
int DayOfPasses(orbit::OrbitEngine& engine, int index, const orbit::GeodeticSite& site,
                double start, double end, bool skip, long& evaluations) {
    int passes = 0;
    double t = start;
    for (;;) {
        const orbit::Observation now =
            orbit::ObserveSet(engine, index, site, t + orbit::kDayNumberToJulianDate);
        if (!now.state.ok)
            return passes;
        orbit::PassRequest request = orbit::MakePassRequest(engine.Sets()[index], site, t, now);
        request.skipEmptyStretches = skip;
        const orbit::LookAtFunction look = orbit::LookAtCurrentSet(engine, site, 0.0);
        orbit::PassData pass;
        const orbit::PassOutcome outcome = orbit::SearchPass(pass, request, [&](double at) {
            ++evaluations;
            return look(at);
        });
        if (outcome != orbit::PassOutcome::Searched || pass.finding == orbit::PassFinding::NoPass ||
            pass.aosTime >= end)
            return passes;
        ++passes;
        if (pass.neverSets)
            return passes;
        t = pass.recomputeAfter;
    }
}

orbit::GeodeticSite Zurich() {
    orbit::GeodeticSite site;
    site.latitude = 47.37 * orbit::kPi / 180.0;
    site.longitude = 8.54 * orbit::kPi / 180.0;
    site.altitudeKm = 0.4;
    return site;
}

constexpr double kLowOrbit = 11.0;  // revolutions per day

// Every pass of the day of the first 24 low orbits (file order) from 47.37N 8.54E 400 m.
void BM_PassTableOf24LowOrbits(benchmark::State& state) {
    const bool skip = state.range(0) != 0;
    orbit::OrbitEngine engine{2026};
    engine.ReadElementFile(std::string(ORBIVOX_TEST_DATA) + "/elements-2026.txt");
    std::vector<int> low;
    for (int i = 1; i <= engine.Sets().Count() && low.size() < 24; ++i) {
        if (engine.Sets()[i].meanMotionRevPerDay >= kLowOrbit)
            low.push_back(i);
    }
    const orbit::GeodeticSite site = Zurich();
    int passes = 0;
    long evaluations = 0;
    for (auto _ : state) {
        passes = 0;
        evaluations = 0;
        for (const int index : low)
            passes += DayOfPasses(engine, index, site, kStart, kStart + 1.0, skip, evaluations);
        benchmark::DoNotOptimize(passes);
    }
    state.counters["passes"] = passes;
    state.counters["evaluations"] = static_cast<double>(evaluations);
}

// A whole element file made of the bundled sets: copies with the node and mean anomaly
// spread round the orbit, `lowShare` of them low orbits, checksums made good.
std::vector<std::string> SpreadElementFile(int count, double lowShare) {
    std::ifstream in(std::string(ORBIVOX_TEST_DATA) + "/elements-2026.txt");
    std::vector<std::vector<std::string>> low, high;
    std::string name, line1, line2;
    while (std::getline(in, name) && std::getline(in, line1) && std::getline(in, line2)) {
        const double n = std::stod(line2.substr(52, 11));
        (n >= kLowOrbit ? low : high).push_back({name, line1, line2});
    }
    const auto checksum = [](std::string& line) {
        int sum = 0;
        for (size_t i = 0; i < 68; ++i) {
            if (line[i] >= '0' && line[i] <= '9')
                sum += line[i] - '0';
            else if (line[i] == '-')
                sum += 1;
        }
        line[68] = static_cast<char>('0' + sum % 10);
    };
    const auto angle = [](const std::string& line, size_t at, double add) {
        const double value = std::fmod(std::stod(line.substr(at, 8)) + add, 360.0);
        char text[16];
        std::snprintf(text, sizeof text, "%8.4f", value);
        return std::string(text, 8);
    };
    std::vector<std::string> lines;
    const int lowCount = static_cast<int>(count * lowShare);
    for (int k = 0; k < count; ++k) {
        const auto& from = k < lowCount ? low[k % low.size()] : high[k % high.size()];
        const size_t group = k < lowCount ? low.size() : high.size();
        const double spread = static_cast<double>(static_cast<size_t>(k) / group);
        std::string l1 = from[1];
        std::string l2 = from[2];
        const std::string number = std::to_string(10000 + k);
        l1.replace(2, 5, number);
        l2.replace(2, 5, number);
        l2.replace(17, 8, angle(l2, 17, spread * 137.508));  // node
        l2.replace(43, 8, angle(l2, 43, spread * 97.31));    // mean anomaly
        checksum(l1);
        checksum(l2);
        lines.push_back(from[0].substr(0, 17) + " " + number);
        lines.push_back(l1);
        lines.push_back(l2);
    }
    return lines;
}

// One day of passes of a full element file (as many sets as one file may hold), 80 % low
// orbits: the headless "what is up today".
void BM_PassesOfAWholeElementFileForADay(benchmark::State& state) {
    const bool skip = state.range(0) != 0;
    orbit::OrbitEngine engine{2026};
    const orbit::ElementReadResult read =
        engine.ReadElementLines(SpreadElementFile(orbit::kMaxTwoLineSets, 0.8));
    if (read.count != orbit::kMaxTwoLineSets) {
        state.SkipWithError(
            ("the spread file gave " + std::to_string(read.count) + " sets " + read.error).c_str());
        return;
    }
    const orbit::GeodeticSite site = Zurich();
    int passes = 0;
    long evaluations = 0;
    for (auto _ : state) {
        passes = 0;
        evaluations = 0;
        for (int index = 1; index <= engine.Sets().Count(); ++index) {
            if (engine.Sets()[index].fault == orbit::ElementFault::None)
                passes += DayOfPasses(engine, index, site, kStart, kStart + 1.0, skip, evaluations);
        }
        benchmark::DoNotOptimize(passes);
    }
    state.counters["sets"] = engine.Sets().Count();
    state.counters["passes"] = passes;
    state.counters["evaluations"] = static_cast<double>(evaluations);
}

BENCHMARK(BM_ComputePassLeo);
BENCHMARK(BM_ComputePassTwelveHourOrbit);
BENCHMARK(BM_NextPassLeo);
BENCHMARK(BM_PassTableOf24SatellitesOverADay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassTableOf24LowOrbits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassesOfAWholeElementFileForADay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

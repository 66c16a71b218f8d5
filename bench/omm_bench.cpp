// Reading a large OMM CSV file (about 16 MB, eight times the table's sets): the time, and the
// peak memory the process reached (counter peak_rss_mb), which stays near the file's size as
// the records are taken one at a time.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "catalogue/ElementFileReader.h"

namespace {

std::string LargeOmmCsv() {
    std::ifstream file(ORBIVOX_TEST_DATA "/omm/sets.csv");
    std::string header;
    std::getline(file, header);
    std::string rows;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty())
            rows += line + "\n";
    }
    std::string text = header + "\n";
    while (text.size() < 16u * 1024u * 1024u)
        text += rows;
    return text;
}

void BM_ReadLargeOmmCsv(benchmark::State& state) {
    const std::string text = LargeOmmCsv();
    auto table = std::make_unique<orbit::SetTable>();
    for (auto _ : state) {
        const orbit::ElementReadResult read = orbivox::ReadElementText(text, *table, {});
        if (!read.fileRead || !read.pastLimit)
            state.SkipWithError("the large file did not read up to the table's limit");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["file_mb"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ReadLargeOmmCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

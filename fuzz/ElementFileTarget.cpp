// Element files: the bytes as a whole file through the format detection and every reader
// (two-line, verbose, OMM as CSV, XML or JSON), once with the names list consulted, then the
// first sets read through both model families.
#include <algorithm>
#include <string>

#include "catalogue/ElementFileReader.h"
#include "fuzz/FuzzTargets.h"
#include "orbit/ElementFile.h"
#include "orbit/OrbitEngine.h"

namespace orbivox::fuzz {

namespace {

// Enough sets to reach the deep-space and near-earth branches without slowing each run.
constexpr int kSetsPropagated = 3;

// A names list that knows every other key, so both outcomes of the lookup are taken.
std::optional<std::string> AlternateListName(char, std::string_view key) {
    if (!key.empty() && key.back() % 2 == 0) {
        return std::string("LIST NAME ") + std::string(key);
    }
    return std::nullopt;
}

}  // namespace

void FuzzElementFile(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // The engines live as long as the process: a set table is large, and a read that finds
    // no sets leaves the table as it was, as in the program.
    static orbit::OrbitEngine named = [] {
        orbit::OrbitEngine engine(2026);
        engine.ReadOptions().useListNames = true;
        engine.ReadOptions().showWithoutListName = false;
        engine.ReadOptions().applyListName = AlternateListName;
        return engine;
    }();
    ReadElementText(text, named.Sets(), named.ReadOptions());

    static orbit::OrbitEngine engine(2026);
    const orbit::ElementReadResult result =
        ReadElementText(text, engine.Sets(), engine.ReadOptions());
    const int sets = std::min(result.count, kSetsPropagated);
    for (orbit::ModelChoice model : {orbit::ModelChoice::Sgp4, orbit::ModelChoice::Sgp8}) {
        engine.SetModel(model);
        for (int index = 1; index <= sets; ++index) {
            engine.SelectCurrentSet(index);
            engine.PropagateMinutes(0);
            engine.PropagateMinutes(1440);
            engine.Propagate(2461000.5);
        }
    }
}

}  // namespace orbivox::fuzz

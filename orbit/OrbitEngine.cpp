// The orbit engine's operations: reading element files with its options, converting the sets
// again when the model changes, and propagating the current set.
#include "orbit/OrbitEngine.h"

#include "orbit/ElementConversion.h"
#include "orbit/EpochTime.h"

namespace orbit {

OrbitEngine::OrbitEngine(int clockYear, ModelChoice model) : propagator_(CenturyOf(clockYear)) {
    options_.conversion.model = model;
    options_.conversion.century = CenturyOf(clockYear);
}

void OrbitEngine::SetModel(ModelChoice model) {
    options_.conversion.model = model;
    ConvertAllSets();
}

ElementReadResult OrbitEngine::ReadElementFile(const std::filesystem::path& path) {
    ElementReadResult read = orbit::ReadElementFile(path, table_, options_);
    lastReadError_ = read.error;
    return read;
}

ElementReadResult OrbitEngine::ReadElementLines(const std::vector<std::string>& lines) {
    return orbit::ReadElementLines(lines, table_, options_);
}

void OrbitEngine::ConvertAllSets() {
    orbit::ConvertAllSets(table_, options_.conversion);
}

PropagationResult OrbitEngine::Propagate(double jd) {
    return propagator_.Propagate(table_.Current(), Model(), jd);
}

PropagationResult OrbitEngine::PropagateMinutes(double tsince) {
    return propagator_.PropagateMinutes(table_.Current(), Model(), tsince);
}

}  // namespace orbit

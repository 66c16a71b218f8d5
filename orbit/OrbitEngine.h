#pragma once
// The orbit subsystem's state in one object: the set table with its current
// set, the model choice and the models' initialised state. The main window,
// the command-line tool and tests each make their own.

#include <filesystem>
#include <string>
#include <vector>

#include "orbit/ElementFile.h"
#include "orbit/ModelChoice.h"
#include "orbit/Propagator.h"
#include "orbit/SetTable.h"

namespace orbit {

class OrbitEngine {
public:
    // `clockYear` is the clock's year at program start; it fixes the century
    // of two-digit epoch years for the whole run.
    explicit OrbitEngine(int clockYear, ModelChoice model = ModelChoice::Sgp4);

    SetTable& Sets() { return table_; }
    const SetTable& Sets() const { return table_; }
    int Century() const { return options_.conversion.century; }

    ModelChoice Model() const { return options_.conversion.model; }
    // The drag rule depends on the model, so the table is converted again.
    void SetModel(ModelChoice model);

    // Name options and lookup used by the next reading pass.
    ElementReadOptions& ReadOptions() { return options_; }

    ElementReadResult ReadElementFile(const std::filesystem::path& path);
    // Why the last ReadElementFile could not read its file; empty when it could. Kept for
    // callers that only learn afterwards that nothing was read.
    const std::string& LastReadError() const { return lastReadError_; }
    // For readers outside this library (every format, by content) that fill Sets() themselves.
    void KeepReadError(std::string error) { lastReadError_ = std::move(error); }
    ElementReadResult ReadElementLines(const std::vector<std::string>& lines);
    void ConvertAllSets();
    void SelectCurrentSet(int index) { table_.SelectCurrentSet(index); }

    PropagationResult Propagate(double jd);
    PropagationResult PropagateMinutes(double tsince);

private:
    ElementReadOptions options_;
    SetTable table_;
    std::string lastReadError_;
    Propagator propagator_;
};

}  // namespace orbit

#pragma once
// The set table: up to 2000 sets numbered from 1, the count N of the last
// reading pass and the current set.

#include <vector>

#include "orbit/ElementSet.h"

namespace orbit {

inline constexpr int kMaxSets = 2000;

class SetTable {
public:
    SetTable() : sets_(kMaxSets + 1) {}

    // Index 1..kMaxSets; index 0 is never used.
    ElementSet& operator[](int index) { return sets_.at(static_cast<size_t>(index)); }
    const ElementSet& operator[](int index) const { return sets_.at(static_cast<size_t>(index)); }

    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }

    CurrentSet& Current() { return current_; }
    const CurrentSet& Current() const { return current_; }

    // Copies set `index` into the current set; no computation.
    void SelectCurrentSet(int index);

private:
    std::vector<ElementSet> sets_;
    int count_ = 0;
    CurrentSet current_;
};

}  // namespace orbit

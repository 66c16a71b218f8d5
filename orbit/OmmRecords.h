#pragma once
// OMM element records (the publisher's "GP" layout: OBJECT_NAME, EPOCH, MEAN_MOTION, ...) as
// field texts, however the file wrote them (CSV, XML or JSON), and storing them in the set table
// with the same name rules and limits as two-line sets. CSV is read here; the XML and JSON
// readers live above this library and hand over the same records.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/ElementFile.h"

namespace orbit {

// Field name -> value as text (numbers included). A record without a field has no entry.
using OmmRecord = std::map<std::string, std::string, std::less<>>;

struct OmmEpoch {
    double epoch = 0.0;  // YYDDD.DDDDDDDD
    int century = 0;     // 2000 for 2026
};

// "2026-08-22T12:00:46.123456" with any number of fraction digits (or none) and an optional
// "Z"; the day may also be written as the day of the year ("2026-234T..."). Nothing for text
// that is no such date.
std::optional<OmmEpoch> ParseOmmEpoch(std::string_view text);

// "1998-067A" -> "98067A  ", the eight two-line columns of the designator.
std::string DesignatorFromObjectId(std::string_view objectId);

// Takes the records of a file one at a time, as its reader meets them, so that a large file
// never has all its records in memory at once: only the sets it will store (up to kMaxSets)
// are kept. Each record is checked; the sound ones become sets with the name rules of
// two-line files (OBJECT_NAME stands for the title line). A record whose EPHEMERIS_TYPE is
// not 0 or whose MEAN_ELEMENT_THEORY is not SGP4 is skipped and counted in `skipped`. A
// missing or malformed field fills `error` (saying which record and field): the file is
// refused and the table is left as it was.
class OmmSetCollector {
public:
    OmmSetCollector(const ElementReadOptions& options, ElementReadResult& result);
    // False when the record was refused; the reader then stops.
    bool Add(const OmmRecord& record);
    // Stores the sets as 1..N when no record was refused.
    void StoreInto(SetTable& table);

private:
    const ElementReadOptions& options_;
    ElementReadResult& result_;
    std::vector<ElementSet> sets_;
    size_t records_ = 0;
};

// Whether the text starts with an OMM CSV header line.
bool LooksLikeOmmCsv(std::string_view text);

// Hands each record of an OMM CSV file (columns found by the header's names) to `take`, in
// file order, until `take` says false. False and `error` for a line that does not fit the
// header; true otherwise (also when `take` stopped: it says why itself).
bool ForEachOmmCsvRecord(std::string_view text, const std::function<bool(const OmmRecord&)>& take,
                         std::string& error);

}  // namespace orbit

#pragma once
// OMM element records (the publisher's "GP" layout: OBJECT_NAME, EPOCH, MEAN_MOTION, ...) as
// field texts, however the file wrote them (CSV, XML or JSON), and storing them in the set table
// with the same name rules and limits as two-line sets. CSV is read here; the XML and JSON
// readers live above this library and hand over the same records.

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

// Checks every record and, when all are sound, stores them as sets 1..N (up to kMaxSets) with
// the name rules of two-line files (OBJECT_NAME stands for the title line). A record whose
// EPHEMERIS_TYPE is not 0 or whose MEAN_ELEMENT_THEORY is not SGP4 is skipped and counted in
// `skipped`. A missing or malformed field fills `error` (saying which record and field) and
// leaves the table as it was.
void ReadOmmRecords(const std::vector<OmmRecord>& records, SetTable& table,
                    const ElementReadOptions& options, ElementReadResult& result);

// Whether the text starts with an OMM CSV header line.
bool LooksLikeOmmCsv(std::string_view text);

// The records of an OMM CSV file, columns found by the header's names; nothing and `error` for
// a file whose lines do not fit its header.
std::optional<std::vector<OmmRecord>> ParseOmmCsv(std::string_view text, std::string& error);

}  // namespace orbit

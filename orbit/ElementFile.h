#pragma once
// Reading element files into the set table: the NASA two-line format (with
// or without title lines) and the verbose labelled format. The parser works
// on lines so that downloads and tests can feed it text directly.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/ElementConversion.h"
#include "orbit/SetTable.h"

namespace orbit {

inline constexpr int kMaxBufferedLines = 5601;
inline constexpr int kMaxTwoLineSets = 1800;
inline constexpr int kMaxVerboseSets = 249;
// Element files are a few hundred kilobytes; anything beyond this is not one, and is not
// read into memory.
inline constexpr std::uintmax_t kMaxElementFileBytes = 64u * 1024u * 1024u;

// Omm covers the publisher's CSV, XML and JSON files alike.
enum class ElementFormat { None, TwoLine, Verbose, Omm };
enum class TwoLineLayout { WithTitles, WithoutTitles };

// Name lookup in the satellite names list, by catalogue number ('I') or by
// international designator ('D'). Filled by the names module; until then a
// default-constructed hook finds nothing.
using ApplyListName =
    std::function<std::optional<std::string>(char identifyBy, std::string_view key)>;

struct ElementReadOptions {
    ConversionContext conversion;
    char identifyBy = 'I';  // anything but 'D' counts as 'I'
    bool useListNames = false;
    bool showWithoutListName = true;
    ApplyListName applyListName;
};

struct ElementReadResult {
    bool fileRead = true;  // false when the file could not be read
    std::string error;     // why not, naming the file, for the operator
    ElementFormat format = ElementFormat::None;
    std::vector<std::string> names;  // in file order, for the satellites list
    int count = 0;                   // sets read; with format None the table keeps its old N
    int skipped = 0;  // OMM records for another model (not SGP4), left out and counted
    bool pastLimit = false;  // the file holds more than its format's limit; the rest is left out
};

// The one note for a file read only up to its limit: "only the first N sets of "<path>" were
// read; the sets after them were left out".
std::string PastLimitNote(const std::filesystem::path& path, const ElementReadResult& read);

// Splits text at LF, dropping a CR before it.
std::vector<std::string> SplitLines(std::string_view text);

ElementFormat DetectFormat(const std::vector<std::string>& lines);
TwoLineLayout DetectLayout(const std::vector<std::string>& lines);

// `lines` is the whole file; only the first kMaxBufferedLines are read.
ElementReadResult ReadElementLines(const std::vector<std::string>& lines, SetTable& table,
                                   const ElementReadOptions& options);

// The file's bytes, or nothing and a message naming the file: missing, a folder,
// unreadable, over kMaxElementFileBytes.
std::optional<std::string> ReadElementFileText(const std::filesystem::path& path,
                                               std::string& error);

// "cannot read "<path>": <why>", the form of every message about an element file.
std::string CannotReadElementFile(const std::filesystem::path& path, const std::string& why);

// Every failure to read the file (missing, a folder, unreadable, over kMaxElementFileBytes)
// comes back as `fileRead` false with its message; the table is then left as it was.
ElementReadResult ReadElementFile(const std::filesystem::path& path, SetTable& table,
                                  const ElementReadOptions& options);

}  // namespace orbit

// The verbose format: a "Satellite:" line, then one labelled value per line.
#include <array>
#include <optional>

#include "orbit/CodePage1252.h"
#include "orbit/ElementFile.h"
#include "orbit/ElementLineTests.h"
#include "orbit/ElementReaders.h"

namespace orbit {
namespace {

constexpr size_t kNameLength = 11;

struct Found {
    size_t line;
    size_t end;  // index just after the label text
};

// The search never looks at the last line of the file.
std::optional<Found> FindAfter(const std::vector<std::string>& lines, size_t from,
                               std::string_view text) {
    for (size_t i = from; i + 1 < lines.size(); ++i) {
        const size_t at = lines[i].find(text);
        if (at != std::string::npos)
            return Found{i, at + text.size()};
    }
    return std::nullopt;
}

// The first word after the label: "7.3 deg" reads as 7.3.
double LabelledValue(const std::string& line, size_t from) {
    std::string value = Trim(std::string_view(line).substr(from));
    const size_t blank = value.find(' ');
    if (blank != std::string::npos)
        value.resize(blank);
    return ElementNumber(value);
}

}  // namespace

void ReadVerboseSets(const std::vector<std::string>& lines, SetTable& table,
                     const ElementReadOptions& options, ElementReadResult& result) {
    int count = 0;
    size_t from = 0;
    while (count < kMaxVerboseSets) {
        const std::optional<Found> start = FindAfter(lines, from, "Satellite:");
        if (!start)
            break;
        std::string name = Cp1252ToUtf8(
            Trim(std::string_view(lines[start->line]).substr(start->end, kNameLength)));
        std::array<double, 9> values{};
        size_t at = start->line + 1;
        bool complete = true;
        for (size_t k = 0; k < kVerboseLabelEndings.size(); ++k) {
            const std::optional<Found> label = FindAfter(lines, at, kVerboseLabelEndings[k]);
            if (!label) {
                complete = false;
                break;
            }
            values[k] = LabelledValue(lines[label->line], label->end);
            at = label->line + 1;
        }
        if (!complete)
            break;  // the file ended inside this set: drop it
        from = at;
        // A second set of the same name would be ambiguous in the list.
        for (int j = 1; j <= count; ++j)
            if (!name.empty() && table[j].name == name)
                name.clear();

        ElementSet& s = table[++count];
        s = ElementSet{};
        s.name = name;
        s.shortName = Utf8Prefix(name, 24);
        const VerboseValues v{values[0], values[1], values[2], values[3], values[4],
                              values[5], values[6], values[7], values[8]};
        ConvertVerboseSet(s, v, options.conversion);
        table.SelectCurrentSet(count);
        result.names.push_back(name);
    }
    if (count == kMaxVerboseSets && FindAfter(lines, from, "Satellite:"))
        result.pastLimit = true;
    table.SetCount(count);
    result.count = count;
}

}  // namespace orbit

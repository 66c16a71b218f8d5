// Two-line element files, with or without a title line before each pair.
#include "orbit/CodePage1252.h"
#include "orbit/ElementFile.h"
#include "orbit/ElementLineTests.h"
#include "orbit/ElementReaders.h"

namespace orbit {
namespace {

constexpr size_t kMaxLineLength = 69;

bool StartsPair(const std::vector<std::string>& lines, size_t i) {
    if (i + 1 >= lines.size())
        return false;
    const std::string& l2 = lines[i + 1];
    return StartsWith(lines[i], "1 ") && StartsWith(l2, "2 ") && l2.size() > 10 && l2[10] >= '0' &&
           l2[10] <= '9';
}

std::string TitleName(const std::string& title) {
    std::string name = TrimRight(title);
    const size_t tag = name.find(" [");
    // A trailing tag such as " [+]" is not part of the name, nor the blanks
    // before it.
    if (tag != std::string::npos)
        name = TrimRight(name.substr(0, tag));
    return Cp1252ToUtf8(name);
}

std::string ColumnText(const std::string& line, size_t first, size_t last) {
    if (line.size() < first)
        return {};
    return line.substr(first - 1, last - first + 1);
}

}  // namespace

std::string ListedName(std::string name, std::string_view catalogue, std::string_view designator,
                       const ElementReadOptions& options, bool ownNames) {
    const char identifyBy = options.identifyBy == 'D' ? 'D' : 'I';
    // Without names of its own the names list is the only source of names.
    const bool useListNames = ownNames ? options.useListNames : true;
    const bool showWithoutListName = ownNames ? options.showWithoutListName : false;
    if (!useListNames)
        return name;
    std::optional<std::string> listed;
    if (options.applyListName)
        listed = options.applyListName(identifyBy, identifyBy == 'D' ? designator : catalogue);
    if (listed)
        return *listed;
    if (identifyBy == 'D' && !showWithoutListName)
        return {};
    return name;
}

void ReadTwoLineSets(const std::vector<std::string>& lines, SetTable& table,
                     const ElementReadOptions& options, ElementReadResult& result) {
    const TwoLineLayout layout = DetectLayout(lines);
    const bool titles = layout == TwoLineLayout::WithTitles;

    int count = 0;
    size_t i = 0;
    while (i < lines.size() && count < kMaxTwoLineSets) {
        if (!StartsPair(lines, i)) {
            ++i;
            continue;
        }
        const std::string& line1 = lines[i];
        const std::string& line2 = lines[i + 1];
        std::string name = titles && i > 0 ? TitleName(lines[i - 1]) : std::string();
        const std::string catalogue = ColumnText(line1, 3, 7);
        const std::string designator = ColumnText(line1, 10, 17);
        name = ListedName(std::move(name), catalogue, designator, options, titles);
        i += 2;
        if (name.empty())
            continue;
        ElementSet& s = table[++count];
        s = ElementSet{};
        s.source = ElementSource::TwoLine;
        s.name = name;
        s.shortName = Utf8Prefix(name, 24);
        s.line1 = line1.substr(0, kMaxLineLength);
        s.line2 = line2.substr(0, kMaxLineLength);
        s.catalogueNumber = catalogue;
        s.internationalDesignator = designator;
        result.names.push_back(name);
    }
    if (count == kMaxTwoLineSets) {
        for (; i < lines.size() && !result.pastLimit; ++i)
            result.pastLimit = StartsPair(lines, i);
    }
    table.SetCount(count);
    result.count = count;
    ConvertAllSets(table, options.conversion);
}

}  // namespace orbit

// Splitting file text into lines (LF or CR LF), telling two-line from verbose files, and
// telling two-line files with title lines from those without.
#include "orbit/ElementFile.h"
#include "orbit/ElementLineTests.h"

namespace orbit {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

ElementFormat DetectFormat(const std::vector<std::string>& lines) {
    size_t i = 0;
    while (i < lines.size()) {
        if (lines[i].find("Satellite:") != std::string::npos)
            return ElementFormat::Verbose;
        if (StartsWith(lines[i], "1 ")) {
            if (i + 1 < lines.size() && StartsWith(lines[i + 1], "2 "))
                return ElementFormat::TwoLine;
            i += 2;  // the partner line is not tested again
            continue;
        }
        ++i;
    }
    return ElementFormat::None;
}

TwoLineLayout DetectLayout(const std::vector<std::string>& lines) {
    if (lines.size() < 4)
        return TwoLineLayout::WithTitles;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (StartsWith(lines[i], "1 ") && StartsWith(lines[i + 1], "2 ")) {
            const bool thirdIsLine1 = i + 2 < lines.size() && StartsWith(lines[i + 2], "1 ");
            return thirdIsLine1 ? TwoLineLayout::WithoutTitles : TwoLineLayout::WithTitles;
        }
    }
    return TwoLineLayout::WithTitles;
}

}  // namespace orbit

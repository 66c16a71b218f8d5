// Reading an element file: the whole file split into lines, its format detected, at most the
// buffered number of lines handed to the reader for that format.
#include "orbit/ElementFile.h"

#include <fstream>
#include <iterator>

#include "orbit/ElementReaders.h"

namespace orbit {

ElementReadResult ReadElementLines(const std::vector<std::string>& lines, SetTable& table,
                                   const ElementReadOptions& options) {
    ElementReadResult result;
    result.format = DetectFormat(lines);
    if (result.format == ElementFormat::None)
        return result;
    const auto buffered = std::min(lines.size(), static_cast<size_t>(kMaxBufferedLines));
    const std::vector<std::string> buffer(lines.begin(),
                                          lines.begin() + static_cast<std::ptrdiff_t>(buffered));
    if (result.format == ElementFormat::TwoLine)
        ReadTwoLineSets(buffer, table, options, result);
    else
        ReadVerboseSets(buffer, table, options, result);
    return result;
}

ElementReadResult ReadElementFile(const std::filesystem::path& path, SetTable& table,
                                  const ElementReadOptions& options) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ElementReadResult result;
        result.fileRead = false;
        return result;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ReadElementLines(SplitLines(text), table, options);
}

}  // namespace orbit

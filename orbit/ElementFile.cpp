// Reading an element file: the whole file split into lines, its format detected, at most the
// buffered number of lines handed to the reader for that format. Reading the file never
// throws: what goes wrong becomes a message naming the file.
#include "orbit/ElementFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <system_error>

#include "orbit/ElementLineTests.h"
#include "orbit/ElementReaders.h"

namespace orbit {

ElementReadResult ReadElementLines(const std::vector<std::string>& lines, SetTable& table,
                                   const ElementReadOptions& options) {
    ElementReadResult result;
    result.format = DetectFormat(lines);
    if (result.format == ElementFormat::None)
        return result;
    const auto buffered = std::min(lines.size(), static_cast<size_t>(kMaxBufferedLines));
    const auto blank = [](const std::string& line) { return TrimRight(line).empty(); };
    result.pastLimit = !std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(buffered),
                                    lines.end(), blank);
    const std::vector<std::string> buffer(lines.begin(),
                                          lines.begin() + static_cast<std::ptrdiff_t>(buffered));
    if (result.format == ElementFormat::TwoLine)
        ReadTwoLineSets(buffer, table, options, result);
    else
        ReadVerboseSets(buffer, table, options, result);
    return result;
}

std::string PastLimitNote(const std::filesystem::path& path, const ElementReadResult& read) {
    return "only the first " + std::to_string(read.count) + " sets of \"" + path.string() +
           "\" were read; the sets after them were left out";
}

std::string CannotReadElementFile(const std::filesystem::path& path, const std::string& why) {
    return "cannot read \"" + path.string() + "\": " + why;
}

namespace {

std::string CannotRead(const std::filesystem::path& path, const std::string& why) {
    return CannotReadElementFile(path, why);
}

// The file's bytes, or the message saying why there are none. Only a plain file (after
// following links) is opened: a pipe or a device could keep the reader waiting for ever.
std::optional<std::string> ReadCapped(const std::filesystem::path& path, std::string& error) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) {
        error = CannotRead(path, "it is a folder, not a file");
        return std::nullopt;
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        error = CannotRead(path, "it is not a regular file (a pipe, a device or a socket)");
        return std::nullopt;
    }
    const std::string tooLarge = "it is larger than " +
                                 std::to_string(kMaxElementFileBytes / (1024 * 1024)) +
                                 " MiB, too large for an element file";
    if (std::filesystem::is_regular_file(status) &&
        std::filesystem::file_size(path, ec) > kMaxElementFileBytes && !ec) {
        error = CannotRead(path, tooLarge);
        return std::nullopt;
    }
    const auto closer = [](std::FILE* f) { std::fclose(f); };
    const std::unique_ptr<std::FILE, decltype(closer)> file(std::fopen(path.c_str(), "rb"), closer);
    if (!file) {
        error = CannotRead(path, std::strerror(errno));
        return std::nullopt;
    }
    std::string text;
    char chunk[65536];
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        if (text.size() + got > kMaxElementFileBytes) {
            error = CannotRead(path, tooLarge);
            return std::nullopt;
        }
        text.append(chunk, got);
        if (got < sizeof chunk)
            break;
    }
    if (std::ferror(file.get())) {
        error = CannotRead(path, std::strerror(errno));
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::optional<std::string> ReadElementFileText(const std::filesystem::path& path,
                                               std::string& error) {
    try {
        return ReadCapped(path, error);
    } catch (const std::exception& e) {  // memory for a large file, for one
        error = CannotRead(path, e.what());
        return std::nullopt;
    }
}

ElementReadResult ReadElementFile(const std::filesystem::path& path, SetTable& table,
                                  const ElementReadOptions& options) {
    std::string error;
    const std::optional<std::string> text = ReadElementFileText(path, error);
    if (!text) {
        ElementReadResult result;
        result.fileRead = false;
        result.error = error;
        return result;
    }
    return ReadElementLines(SplitLines(*text), table, options);
}

}  // namespace orbit

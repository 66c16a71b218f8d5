#pragma once
// The one way in for element files: whatever the file holds (two-line, verbose, or OMM as
// CSV, XML or JSON), told by its content, read into the set table. The satellites dialog, the
// start-up loader, the download check and the command-line tool all read through here.

#include <filesystem>
#include <string_view>

#include "orbit/ElementFile.h"
#include "orbit/OrbitEngine.h"

namespace orbivox {

// XML and JSON nesting beyond this is refused before it is parsed: OMM goes four levels deep.
inline constexpr int kMaxOmmNesting = 32;

// Reads `text` (a whole file) by its content. A malformed OMM file comes back with `fileRead`
// false and the reason in `error` (without the file's name); the table is then untouched.
orbit::ElementReadResult ReadElementText(std::string_view text, orbit::SetTable& table,
                                         const orbit::ElementReadOptions& options);

// The same for a file, with its size limit; every message names the file.
orbit::ElementReadResult ReadElementFileByContent(const std::filesystem::path& path,
                                                  orbit::SetTable& table,
                                                  const orbit::ElementReadOptions& options);

// Into an engine's table with its read options.
orbit::ElementReadResult ReadElementFileByContent(const std::filesystem::path& path,
                                                  orbit::OrbitEngine& engine);

}  // namespace orbivox

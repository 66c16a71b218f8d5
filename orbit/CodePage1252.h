#pragma once
// Element files are written by Windows programs in Windows-1252; the names read from them are
// kept as UTF-8 like every other text of the program, so that they match the names of the
// group files (decoded from the same code page on the settings side).

#include <cstddef>
#include <string>
#include <string_view>

namespace orbit {

// Every byte decodes to one character; nothing is lost.
std::string Cp1252ToUtf8(std::string_view bytes);

// The first `count` characters of UTF-8 text, never cutting a character in two.
std::string Utf8Prefix(std::string_view text, std::size_t count);

}  // namespace orbit

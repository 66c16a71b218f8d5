// Escaping texts for JSON and writing the fields of a line.
#include "app/cli/JsonLine.h"

#include <cmath>
#include <cstdio>

#include "app/cli/OrbitArguments.h"

namespace orbivox::cli {
namespace {

std::string Quoted(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    json += escaped;
                } else {
                    json += c;
                }
        }
    }
    return json + '"';
}

}  // namespace

JsonLine& JsonLine::Raw(const std::string& name, const std::string& json) {
    if (!fields_.empty())
        fields_ += ',';
    fields_ += Quoted(name) + ':' + json;
    return *this;
}

JsonLine& JsonLine::Text(const std::string& name, std::string_view value) {
    return Raw(name, Quoted(value));
}

JsonLine& JsonLine::Number(const std::string& name, double value, int decimals) {
    return Raw(name, std::isfinite(value) ? Fixed(value, decimals) : std::string("null"));
}

JsonLine& JsonLine::Number(const std::string& name, const std::optional<double>& value,
                           int decimals) {
    return value ? Number(name, *value, decimals) : Raw(name, "null");
}

JsonLine& JsonLine::WholeNumber(const std::string& name, const std::string& digits) {
    const size_t first = digits.find_first_not_of('0');
    const bool allDigits =
        !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
    if (!allDigits)
        return Raw(name, "null");
    return Raw(name, first == std::string::npos ? std::string("0") : digits.substr(first));
}

}  // namespace orbivox::cli

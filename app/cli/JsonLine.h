#pragma once
// One JSON object on one line (JSON Lines), its fields in the order they are added. Numbers
// are written as the text output writes them, so both carry the same values.
#include <optional>
#include <string>
#include <string_view>

namespace orbivox::cli {

class JsonLine {
public:
    JsonLine& Text(const std::string& name, std::string_view value);
    // A number with `decimals` places; a value that is not finite is written as null.
    JsonLine& Number(const std::string& name, double value, int decimals);
    JsonLine& Number(const std::string& name, const std::optional<double>& value, int decimals);
    // A catalogue number as a whole number; null when the set carries none.
    JsonLine& WholeNumber(const std::string& name, const std::string& digits);
    // The object and a line feed.
    std::string Line() const { return "{" + fields_ + "}\n"; }

private:
    JsonLine& Raw(const std::string& name, const std::string& json);

    std::string fields_;
};

}  // namespace orbivox::cli

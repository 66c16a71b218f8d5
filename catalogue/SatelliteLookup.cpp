// The three tries of a satellite lookup, in order: catalogue number, whole name, beginning.
#include "catalogue/SatelliteLookup.h"

#include <QString>
#include <algorithm>
#include <charconv>
#include <optional>

namespace orbivox {
namespace {

std::optional<long long> WholeNumber(const std::string& text) {
    long long value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

QString Name(const orbit::SetTable& table, int index) {
    return QString::fromStdString(table[index].name).trimmed();
}

}  // namespace

SatelliteLookup LookUpSatellite(const orbit::SetTable& table, const std::vector<int>& among,
                                const std::string& query) {
    SatelliteLookup found;
    const QString wanted = QString::fromStdString(query).trimmed();
    if (wanted.isEmpty())
        return found;
    const bool digitsOnly =
        std::all_of(wanted.begin(), wanted.end(), [](QChar c) { return c.isDigit(); });
    if (const auto number = WholeNumber(wanted.toStdString()); digitsOnly && number) {
        for (const int index : among) {
            if (WholeNumber(table[index].catalogueNumber) == number)
                found.sets.push_back(index);
        }
        if (found.found())
            return found;
    }
    for (const int index : among) {
        if (Name(table, index).compare(wanted, Qt::CaseInsensitive) == 0)
            found.sets.push_back(index);
    }
    if (found.found())
        return found;
    for (const int index : among) {
        const QString name = Name(table, index);
        if (!name.startsWith(wanted, Qt::CaseInsensitive))
            continue;
        const std::string candidate = name.toStdString();
        if (std::find(found.candidates.begin(), found.candidates.end(), candidate) ==
            found.candidates.end()) {
            found.candidates.push_back(candidate);
        }
    }
    if (found.candidates.size() == 1) {
        for (const int index : among) {
            if (Name(table, index).toStdString() == found.candidates.front())
                found.sets.push_back(index);
        }
        found.candidates.clear();
    }
    return found;
}

std::string CandidateList(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " and " : ", ";
        text += '"' + names[i] + '"';
    }
    return text;
}

}  // namespace orbivox

// Laying out the countdown rows: names cut by characters, not bytes, and the order of the
// list.
#include "tracking/CountdownRows.h"

#include <algorithm>

#include "orbit/DisplayFormat.h"
#include "orbit/PassSearch.h"
#include "tracking/PassTexts.h"

namespace orbivox {

using orbit::CountdownEntry;
using orbit::CountdownStatus;

namespace {

// Names are UTF-8 here; widths count characters, not bytes.
size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string FirstCharacters(const std::string& text, size_t count) {
    size_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == count)
                return text.substr(0, i);
            ++seen;
        }
    }
    return text;
}

std::string PadOrCut(const std::string& text, size_t width) {
    std::string result = FirstCharacters(text, width);
    result.append(width - CharacterCount(result), ' ');
    return result;
}

char Letter(int position) {
    return static_cast<char>('A' + position);
}

}  // namespace

char CountdownStatusLetter(CountdownStatus status) {
    switch (status) {
        case CountdownStatus::Rising:
            return '+';
        case CountdownStatus::Up:
            return '-';
        case CountdownStatus::None:
            break;
    }
    return 'n';
}

std::string CountdownRowText(int position, const std::string& name, const CountdownEntry& entry,
                             double now) {
    std::string row(1, Letter(position));
    row += ' ';
    if (entry.status == CountdownStatus::None) {
        return row + PadOrCut(name, 11) + " ----- --";
    }
    const std::string shown = CharacterCount(name) > 10 ? FirstCharacters(name, 10) + ".." : name;
    row += PadOrCut(shown, 12);
    row += DurationText(entry.time - now + orbit::kThirtySeconds);
    row += "  ";
    row += orbit::FormatNumber(entry.maxElevation, "00");
    return row;
}

std::vector<CountdownRow> ShowCountdown(const std::vector<std::string>& names,
                                        const std::vector<CountdownEntry>& entries, double now,
                                        bool sortByLetters) {
    const int count = static_cast<int>(std::min(names.size(), entries.size()));
    std::vector<int> order;
    for (int i = 0; i < count; ++i)
        order.push_back(i);
    const bool anyNone = std::any_of(entries.begin(), entries.begin() + count, [](const auto& e) {
        return e.status == CountdownStatus::None;
    });
    if (!sortByLetters && !anyNone) {
        // Up first in selection order, then the rising ones by time; equal times keep order.
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const bool upA = entries[a].status == CountdownStatus::Up;
            const bool upB = entries[b].status == CountdownStatus::Up;
            if (upA != upB)
                return upA;
            if (upA)
                return false;
            return entries[a].time < entries[b].time;
        });
    }
    std::vector<CountdownRow> rows;
    for (int i : order) {
        CountdownRow row;
        row.satellite = i;
        row.text = CountdownRowText(i, names[i], entries[i], now);
        row.highlighted = entries[i].status == CountdownStatus::Up;
        rows.push_back(row);
    }
    return rows;
}

}  // namespace orbivox

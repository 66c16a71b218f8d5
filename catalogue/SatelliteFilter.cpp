// Narrowing the list of all satellites by a typed part of a name or a catalogue number.
#include "catalogue/SatelliteFilter.h"

#include <QHash>
#include <algorithm>

namespace orbivox {

SatelliteFilter::SatelliteFilter(const QStringList& names, const orbit::SetTable& sets) {
    QHash<QString, QStringList> numbers;
    for (int i = 1; i <= sets.Count(); ++i) {
        const orbit::ElementSet& set = sets[i];
        if (!set.name.empty() && !set.catalogueNumber.empty()) {
            numbers[QString::fromStdString(set.name)].append(
                QString::fromStdString(set.catalogueNumber).trimmed());
        }
    }
    entries_.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names) {
        entries_.push_back({name, numbers.value(name)});
    }
}

QStringList SatelliteFilter::Matching(const QString& text) const {
    const QString wanted = text.trimmed();
    QStringList names;
    names.reserve(static_cast<qsizetype>(entries_.size()));
    for (const Entry& entry : entries_) {
        const bool byNumber = std::any_of(
            entry.numbers.cbegin(), entry.numbers.cend(),
            [&wanted](const QString& number) { return number.contains(wanted); });
        if (byNumber || entry.name.contains(wanted, Qt::CaseInsensitive)) {
            names.append(entry.name);
        }
    }
    return names;
}

}  // namespace orbivox

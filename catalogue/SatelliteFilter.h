#pragma once
// The field above the list of all satellites: which names a typed text leaves in the list. A
// name stays when it holds the text (letter case aside) or when one of its sets' catalogue
// numbers holds it, so "7530" finds the set numbered 07530.
#include <QString>
#include <QStringList>
#include <vector>

#include "orbit/SetTable.h"

namespace orbivox {

class SatelliteFilter {
public:
    SatelliteFilter() = default;
    // `names` in the order the list shows them; their numbers are taken from `sets`.
    SatelliteFilter(const QStringList& names, const orbit::SetTable& sets);

    // The names `text` leaves, in list order; an empty (or blank) text leaves all of them.
    QStringList Matching(const QString& text) const;

private:
    struct Entry {
        QString name;
        QStringList numbers;  // a file may hold several sets under one name
    };
    std::vector<Entry> entries_;
};

}  // namespace orbivox

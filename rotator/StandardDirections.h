#pragma once
// StandPos.SQF: the fixed directions offered in the rotor dialog, one "name,azimuth" a
// line, ";" lines comments, at most 50 entries.
#include <QList>
#include <QString>

namespace orbivox {

struct StandardDirection {
    QString name;     // the text before the first ","
    int azimuth = 0;  // degrees
};

inline constexpr int kMaxStandardDirections = 50;

// The first 50 entries in file order; blank lines are passed over. Throws SqfError for a
// missing file or a line without a "," and an integer azimuth after it.
QList<StandardDirection> ReadStandardDirections(const QString& path);

// The rotor dialog's list text: the name with four blanks added, cut to 8 characters, then
// a blank and the azimuth ("East,90" gives "East" + five blanks + "90", "North,0" gives
// "North" + four blanks + "0").
QString StandardDirectionListText(const StandardDirection& direction);

}  // namespace orbivox

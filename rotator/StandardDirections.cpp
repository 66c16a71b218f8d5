// Reading the standard directions, with a malformed line reported by its number, and the text a
// direction shows in the rotor dialog's list.
#include "rotator/StandardDirections.h"

#include <QFileInfo>
#include <QStringList>

#include "settings/SqfFile.h"

namespace orbivox {

QList<StandardDirection> ReadStandardDirections(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    const QStringList lines = ReadSqfLines(path);
    QList<StandardDirection> directions;
    for (int i = 0; i < lines.size() && directions.size() < kMaxStandardDirections; ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1Char(';')) || line.trimmed().isEmpty()) {
            continue;
        }
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        const auto azimuth = comma < 0 ? std::nullopt : ParseSqfInteger(line.mid(comma + 1));
        if (!azimuth) {
            throw SqfError(
                fileName,
                QStringLiteral("line %1 is not \"name,azimuth\" (\"%2\")").arg(i + 1).arg(line));
        }
        directions.append({line.left(comma), static_cast<int>(*azimuth)});
    }
    return directions;
}

QString StandardDirectionListText(const StandardDirection& direction) {
    return (direction.name + QStringLiteral("    ")).left(8) + QLatin1Char(' ') +
           QString::number(direction.azimuth);
}

}  // namespace orbivox

// Reading and writing the second observer dialog's screen place; a missing or damaged file
// means the dialog picks its own place.
#include "map/LocPosFile.h"

#include "settings/SqfFile.h"

namespace orbivox {

std::optional<QPoint> ReadLocPos(const QString& path) {
    try {
        const QStringList lines = ReadSqfLines(path);
        const auto top = ParseSqfInteger(lines.value(0));
        const auto left = ParseSqfInteger(lines.value(1));
        if (!top || !left) {
            return std::nullopt;
        }
        return QPoint(static_cast<int>(*left), static_cast<int>(*top));
    } catch (const SqfError&) {
        return std::nullopt;  // first use: the dialog takes its own place
    }
}

void WriteLocPos(const QString& path, QPoint topLeft) {
    SqfWriter().Integer(topLeft.y()).Integer(topLeft.x()).Commit(path);
}

}  // namespace orbivox

// Reading and writing the four port line flags in their fixed order.
#include "radio/PortLines.h"

#include "settings/SqfFile.h"

namespace orbivox {

PortLines ReadPortLines(const QString& path) {
    SqfReader file(path);
    PortLines lines;
    lines.rtsRadio1 = file.Flag() == QChar('+');
    lines.rtsRadio2 = file.Flag() == QChar('+');
    lines.dtrRadio1 = file.Flag() == QChar('+');
    lines.dtrRadio2 = file.Flag() == QChar('+');
    return lines;
}

void WritePortLines(const QString& path, const PortLines& lines) {
    SqfWriter()
        .Flag(lines.rtsRadio1)
        .Flag(lines.rtsRadio2)
        .Flag(lines.dtrRadio1)
        .Flag(lines.dtrRadio2)
        .Commit(path);
}

}  // namespace orbivox

#pragma once
// RTS12.SQF: the RTS and DTR lines of both radio ports, set once the port is open. Some
// CAT interfaces draw their power from these lines.
#include <QString>

namespace orbivox {

struct PortLines {
    bool rtsRadio1 = false;  // 1
    bool rtsRadio2 = false;  // 2
    bool dtrRadio1 = false;  // 3
    bool dtrRadio2 = false;  // 4
};

// "+" sets a line, anything else clears it. Throws SqfError for a missing file.
PortLines ReadPortLines(const QString& path);
void WritePortLines(const QString& path, const PortLines& lines);

}  // namespace orbivox

// Reading the GS-232 rotor server's port settings.
#include "servers/Gs232Settings.h"

#include "settings/SqfFile.h"

namespace orbivox::servers {

Gs232Port ReadGs232Port(const QString& path, ServerLog& log) {
    Gs232Port settings;
    QStringList lines;
    try {
        lines = ReadSqfLines(path);
    } catch (const SqfError&) {
        return settings;
    }
    const auto port = ParseSqfInteger(lines.value(0));
    if (port && *port >= 1 && *port <= 99) {
        settings.port = static_cast<int>(*port);
    } else {
        log.Line(QStringLiteral("GS232Srv.SQF line 1 is no port number 1..99: ") + lines.value(0));
    }
    const auto baud = ParseSqfInteger(lines.value(1));
    if (baud && *baud >= 50 && *baud <= 921600) {
        settings.baudRate = static_cast<qint32>(*baud);
    }
    return settings;
}

}  // namespace orbivox::servers

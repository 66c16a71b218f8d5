// Reading the port map, refusing a line that is no "number=device" with its line named, and
// finding the device for a port number.
#include "radio/PortMap.h"

#include <QFileInfo>
#include <QStringList>

#include "settings/SqfFile.h"

namespace orbivox {

PortMap ReadPortMap(const QString& path, QStringList* skipped) {
    PortMap map;
    if (!QFileInfo::exists(path)) {
        return map;
    }
    const QString fileName = QFileInfo(path).fileName();
    const QStringList lines = ReadSqfLines(path);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1Char(';')) || line.trimmed().isEmpty()) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const auto number = equals < 0 ? std::nullopt : ParseSqfInteger(line.left(equals));
        const QString device = equals < 0 ? QString() : line.mid(equals + 1).trimmed();
        if (!number || *number < 1 || *number > 99 || device.isEmpty()) {
            // One typo must not send every other port back to its guessed device.
            if (skipped != nullptr) {
                *skipped << QStringLiteral(
                                "%1: line %2 is not \"n=device\" with n in 1..99 (\"%3\"); "
                                "the line is left out")
                                .arg(fileName)
                                .arg(i + 1)
                                .arg(line);
            }
            continue;
        }
        map.insert(static_cast<int>(*number), device);
    }
    return map;
}

QString DeviceForPort(const PortMap& map, int port) {
    if (port <= 0) {
        return QString();
    }
    return map.value(port, QStringLiteral("/dev/ttyUSB%1").arg(port - 1));
}

QString PortDeviceLine(const PortMap& map, int port) {
    return QStringLiteral("COM%1 opens %2 on this machine (ComPorts.SQF).")
        .arg(port)
        .arg(DeviceForPort(map, port));
}

void StorePortMapEntry(const QString& path, int port, const QString& device) {
    QStringList lines = QFileInfo::exists(path) ? ReadSqfLines(path) : QStringList();
    const QString entry = QStringLiteral("%1=%2").arg(port).arg(device.trimmed());
    bool replaced = false;
    for (QString& line : lines) {
        if (line.startsWith(QLatin1Char(';'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const auto number = equals < 0 ? std::nullopt : ParseSqfInteger(line.left(equals));
        if (number && *number == port) {
            line = replaced ? QString() : entry;
            replaced = true;
        }
    }
    if (!replaced) {
        lines.append(entry);
    }
    SqfWriter().Lines(lines).Commit(path);
}

}  // namespace orbivox

// Reading and writing a daemon's host and port lines.
#include "net/DaemonAddress.h"

#include <QFileInfo>

#include "settings/SqfFile.h"

namespace orbivox {

DaemonAddress ReadDaemonAddress(const QString& path, DaemonAddress defaults, QString* problem) {
    DaemonAddress address = std::move(defaults);
    QStringList lines;
    try {
        lines = ReadSqfLines(path);
    } catch (const SqfError&) {
        return address;
    }
    QString refusal;
    if (!lines.value(0).trimmed().isEmpty()) {
        TakeDaemonHost(lines.value(0), address.host, &refusal);
    }
    if (!lines.value(1).trimmed().isEmpty() &&
        !TakeDaemonPort(lines.value(1), address.port, &refusal) && problem != nullptr) {
        *problem = QFileInfo(path).fileName() + QStringLiteral(" line 2 is no port: ") +
                   lines.value(1);
    }
    return address;
}

void StoreDaemonAddress(const QString& path, const DaemonAddress& address) {
    StoreSqfLines(path, {{1, address.host}, {2, QString::number(address.port)}});
}

bool TakeDaemonHost(const QString& text, QString& host, QString* refusal) {
    const QString value = text.trimmed();
    if (value.isEmpty() || value.contains(QLatin1Char(' '))) {
        *refusal = QStringLiteral("The host is a name or an address, as 127.0.0.1");
        return false;
    }
    host = value;
    return true;
}

bool TakeDaemonPort(const QString& text, int& port, QString* refusal) {
    const auto number = ParseSqfInteger(text);
    if (!number || *number < 1 || *number > 65535) {
        *refusal = QStringLiteral("The port is a number from 1 to 65535");
        return false;
    }
    port = static_cast<int>(*number);
    return true;
}

}  // namespace orbivox

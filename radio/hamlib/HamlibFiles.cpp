// Reading and writing HamlibPar.SQF, with HamlibCat.SQF standing in for a missing one.
#include "radio/hamlib/HamlibFiles.h"

#include <QDir>
#include <QFileInfo>

#include "net/DaemonAddress.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

// The three lines both files share; a missing or empty line keeps its default.
HamlibParameters ReadAddressAndStyle(const QString& path) {
    const QStringList lines = ReadSqfLines(path);
    HamlibParameters parameters;
    const QString fileName = QFileInfo(path).fileName();
    QString refusal;
    if (!lines.value(0).trimmed().isEmpty() &&
        !TakeDaemonHost(lines.value(0), parameters.host, &refusal)) {
        throw SqfError(fileName, QStringLiteral("line 1: ") + refusal);
    }
    if (!lines.value(1).trimmed().isEmpty() &&
        !TakeDaemonPort(lines.value(1), parameters.port, &refusal)) {
        throw SqfError(fileName, QStringLiteral("line 2: ") + refusal);
    }
    const QString style = lines.value(2).trimmed();
    if (!style.isEmpty()) {
        if (style != kHamlibSplitStyle && style != kHamlibSubStyle) {
            throw SqfError(fileName,
                           QStringLiteral("line 3 is neither split nor sub: \"%1\"").arg(style));
        }
        parameters.style = style;
    }
    parameters.radioName = lines.value(3).trimmed();
    return parameters;
}

}  // namespace

HamlibParameters ReadHamlibParameters(const QString& path) {
    if (QFileInfo::exists(path)) {
        return ReadAddressAndStyle(path);
    }
    const QString catServer = QFileInfo(path).dir().filePath(QStringLiteral("HamlibCat.SQF"));
    if (QFileInfo::exists(catServer)) {
        try {
            return ReadAddressAndStyle(catServer);
        } catch (const SqfError&) {
            // The CAT server says what it makes of its own file; here the defaults do.
        }
    }
    return {};
}

void WriteHamlibParameters(const QString& path, const HamlibParameters& parameters) {
    SqfWriter()
        .Text(parameters.host)
        .Text(QString::number(parameters.port))
        .Text(parameters.style)
        .Text(parameters.radioName)
        .Commit(path);
}

}  // namespace orbivox

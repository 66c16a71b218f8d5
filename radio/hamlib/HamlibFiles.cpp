// Reading and writing HamlibPar.SQF, with HamlibCat.SQF standing in for a missing one.
#include "radio/hamlib/HamlibFiles.h"

#include <QDir>
#include <QFileInfo>

#include "settings/SqfFile.h"

namespace orbivox {
namespace {

// The three lines both files share; a missing or empty line keeps its default.
HamlibParameters ReadAddressAndStyle(const QString& path) {
    const QStringList lines = ReadSqfLines(path);
    HamlibParameters parameters;
    const QString fileName = QFileInfo(path).fileName();
    if (!lines.value(0).trimmed().isEmpty()) {
        parameters.host = lines.value(0).trimmed();
    }
    if (!lines.value(1).trimmed().isEmpty()) {
        const auto port = ParseSqfInteger(lines.value(1));
        if (!port || *port < 1 || *port > 65535) {
            throw SqfError(fileName, QStringLiteral("line 2 is no port number (1-65535): \"%1\"")
                                         .arg(lines.value(1)));
        }
        parameters.port = static_cast<int>(*port);
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

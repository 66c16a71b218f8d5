// Taking a download's file name from its address, and refusing names that could not be stored
// safely in the Kepler folder (empty, "." or "..", path separators, control characters).
#include "catalogue/DestinationName.h"

namespace orbivox {

QString DestinationName(const QString& address) {
    const QString text = address.trimmed();
    const qsizetype cut =
        std::max(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')));
    return text.mid(cut + 1);
}

QString DestinationNameProblem(const QString& name) {
    const QString prefix = QStringLiteral("Cannot store the download: ");
    if (name.isEmpty()) {
        return prefix + QStringLiteral("the address does not end in a file name.");
    }
    if (name == QLatin1String(".") || name == QLatin1String("..")) {
        return prefix + QStringLiteral("\"%1\" is not a file name.").arg(name);
    }
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\')) {
            return prefix + QStringLiteral("the file name holds a path separator.");
        }
        if (c.category() == QChar::Other_Control) {
            return prefix + QStringLiteral("the file name holds a control character.");
        }
    }
    return QString();
}

}  // namespace orbivox

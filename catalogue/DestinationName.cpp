// Taking a download's file name from its address, and refusing names that could not be stored
// safely in the Kepler folder (empty, "." or "..", path separators, control characters) or
// that would carry the address's query.
#include "catalogue/DestinationName.h"

namespace orbivox {
namespace {

constexpr char kProblemPrefix[] = "Cannot store the download: ";

// Where the name starts: just after the last "/" or backslash of the address.
qsizetype NameStart(const QString& address) {
    return std::max(address.lastIndexOf(QLatin1Char('/')), address.lastIndexOf(QLatin1Char('\\'))) +
           1;
}

}  // namespace

QString DestinationName(const QString& address) {
    const QString text = address.trimmed();
    return text.mid(NameStart(text));
}

QString DestinationProblem(const QString& address) {
    const QString text = address.trimmed();
    const qsizetype fragment = text.indexOf(QLatin1Char('#'));
    const bool namedInFragment = fragment >= 0 && fragment < NameStart(text);
    const qsizetype query = text.indexOf(QLatin1Char('?'));
    const bool hasQuery = query >= 0 && (fragment < 0 || query < fragment);
    if (hasQuery && !namedInFragment) {
        return QLatin1String(kProblemPrefix) +
               QStringLiteral(
                   "the file name would carry the address's query; name the file "
                   "after \"#/\" at the end of the address (ADDRESS#/name.txt).");
    }
    return DestinationNameProblem(DestinationName(text));
}

QString DestinationNameProblem(const QString& name) {
    const QLatin1String prefix(kProblemPrefix);
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

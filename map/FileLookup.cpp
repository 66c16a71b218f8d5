// Walking a relative path one part at a time, taking the exact name when it exists and else
// the first directory entry that differs only in letter case.
#include "map/FileLookup.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace orbivox {

QString FindIgnoringCase(const QString& folder, const QString& relativePath) {
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    QString current = QDir::cleanPath(folder);
    for (const QString& part : relativePath.split(separators, Qt::SkipEmptyParts)) {
        const QString exact = current + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QString found;
        for (const QString& entry :
             QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                found = current + QLatin1Char('/') + entry;
                break;
            }
        }
        if (found.isEmpty()) {
            return QString();
        }
        current = found;
    }
    return current;
}

}  // namespace orbivox

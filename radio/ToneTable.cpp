// Reading the tone table line by line; commas past the third stay in the fourth field, and a
// malformed line is reported with its number.
#include "radio/ToneTable.h"

#include <QFileInfo>
#include <QStringList>

#include "settings/SqfFile.h"

namespace orbivox {

QList<ToneEntry> ReadToneTable(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    const QStringList lines = ReadSqfLines(path);
    QList<ToneEntry> entries;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1Char(';')) || line.trimmed().isEmpty()) {
            continue;
        }
        QStringList fields = line.split(QLatin1Char(','));
        // The fourth field is the rest of the line after the third comma.
        while (fields.size() > 4) {
            fields[3] += QLatin1Char(',') + fields.takeAt(4);
        }
        while (fields.size() < 4) {
            fields.append(QString());
        }
        const auto fail = [&](int field) {
            throw SqfError(fileName, QStringLiteral("line %1, field %2 holds no number (\"%3\")")
                                         .arg(i + 1)
                                         .arg(field)
                                         .arg(line));
        };
        ToneEntry entry;
        entry.satelliteName = fields[0];
        if (!fields[1].trimmed().isEmpty()) {
            const auto tone = ParseSqfReal(fields[1]);
            if (!tone) {
                fail(2);
            }
            entry.toneHz = *tone;
        }
        for (int field : {2, 3}) {
            if (fields[field].trimmed().isEmpty()) {
                continue;
            }
            const auto code = ParseSqfInteger(fields[field]);
            if (!code) {
                fail(field + 1);
            }
            (field == 2 ? entry.code1 : entry.code2) = static_cast<int>(*code);
        }
        entries.append(entry);
    }
    return entries;
}

}  // namespace orbivox

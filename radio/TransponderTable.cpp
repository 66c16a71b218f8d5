// Parsing transponder lines into their eight fields, checking every number, and keeping each
// entry's line number and text for a later rewrite.
#include "radio/TransponderTable.h"

#include <QFileInfo>
#include <QStringList>

#include "settings/SqfFile.h"

namespace orbivox {

namespace {

// An empty field is 0 (a short line); any other text must be a number with "." so a typo
// is reported instead of tuning the radio to 0 kHz.
double NumberField(const QString& fileName, const QString& text, int lineNumber, int field) {
    if (text.trimmed().isEmpty()) {
        return 0;
    }
    const auto value = ParseSqfReal(text);
    if (!value) {
        throw SqfError(fileName, QStringLiteral("line %1, field %2 holds no number (\"%3\")")
                                     .arg(lineNumber)
                                     .arg(field)
                                     .arg(text));
    }
    return *value;
}

}  // namespace

TransponderEntry ParseTransponderLine(const QString& fileName, const QString& line,
                                      int lineNumber) {
    // Fields 1 to 7 end at a comma; field 8 is the rest up to a further comma, if any.
    QStringList fields = line.split(QLatin1Char(','));
    while (fields.size() < 8) {
        fields.append(QString());
    }
    TransponderEntry entry;
    entry.satelliteName = fields[0];
    entry.downlinkKHz = NumberField(fileName, fields[1], lineNumber, 2);
    entry.uplinkKHz = NumberField(fileName, fields[2], lineNumber, 3);
    entry.downlinkMode = fields[3];
    entry.uplinkMode = fields[4];
    entry.sense = fields[5];
    entry.downlinkOffsetKHz = NumberField(fileName, fields[6], lineNumber, 7);
    entry.uplinkOffsetKHz = NumberField(fileName, fields[7], lineNumber, 8);
    entry.line = line;
    entry.lineNumber = lineNumber;
    return entry;
}

QList<TransponderEntry> ReadTransponderTable(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    const QStringList lines = ReadSqfLines(path);
    QList<TransponderEntry> entries;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1Char(';'))) {
            entries.append(ParseTransponderLine(fileName, lines[i], i + 1));
        }
    }
    return entries;
}

}  // namespace orbivox

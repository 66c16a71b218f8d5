// Parsing transponder lines into their eight fields, noting the number fields that hold no
// number, and keeping each entry's line number and text for a later rewrite.
#include "radio/TransponderTable.h"

#include <QFileInfo>
#include <QStringList>

#include "settings/SqfFile.h"

namespace orbivox {

namespace {

// An empty field is 0 (a short line); other text that is no number is 0 too, noted so the
// operator learns of the typo instead of wondering why the radio sits at 0 kHz.
double NumberField(const QString& text, int field, QList<int>* badFields) {
    if (text.trimmed().isEmpty()) {
        return 0;
    }
    const auto value = ParseSqfReal(text);
    if (!value) {
        if (badFields) {
            badFields->append(field);
        }
        return 0;
    }
    return *value;
}

}  // namespace

TransponderEntry ParseTransponderLine(const QString& line, int lineNumber, QList<int>* badFields) {
    // Fields 1 to 7 end at a comma; field 8 is the rest up to a further comma, if any.
    QStringList fields = line.split(QLatin1Char(','));
    while (fields.size() < 8) {
        fields.append(QString());
    }
    TransponderEntry entry;
    entry.satelliteName = fields[0];
    entry.downlinkKHz = NumberField(fields[1], 2, badFields);
    entry.uplinkKHz = NumberField(fields[2], 3, badFields);
    entry.downlinkMode = fields[3];
    entry.uplinkMode = fields[4];
    entry.sense = fields[5];
    entry.downlinkOffsetKHz = NumberField(fields[6], 7, badFields);
    entry.uplinkOffsetKHz = NumberField(fields[7], 8, badFields);
    entry.line = line;
    entry.lineNumber = lineNumber;
    return entry;
}

TransponderTableRead ReadTransponderTableWithProblems(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    const QStringList lines = ReadSqfLines(path);
    TransponderTableRead read;
    int firstBadLine = 0;
    QList<int> firstBadFields;
    int moreBadLines = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1Char(';'))) {
            continue;
        }
        QList<int> badFields;
        read.entries.append(ParseTransponderLine(lines[i], i + 1, &badFields));
        if (badFields.isEmpty()) {
            continue;
        }
        if (firstBadLine == 0) {
            firstBadLine = i + 1;
            firstBadFields = badFields;
        } else {
            ++moreBadLines;
        }
    }
    if (firstBadLine != 0) {
        QStringList fields;
        for (int field : firstBadFields) {
            fields.append(QString::number(field));
        }
        read.problem = QStringLiteral("%1, line %2: field %3 holds no number, read as 0")
                           .arg(fileName)
                           .arg(firstBadLine)
                           .arg(fields.join(QLatin1Char('/')));
        if (moreBadLines > 0) {
            read.problem += QStringLiteral(" (and %1 more such line%2)")
                                .arg(moreBadLines)
                                .arg(moreBadLines == 1 ? QString() : QStringLiteral("s"));
        }
    }
    return read;
}

QList<TransponderEntry> ReadTransponderTable(const QString& path) {
    return ReadTransponderTableWithProblems(path).entries;
}

}  // namespace orbivox

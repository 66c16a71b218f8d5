// Reading and writing the interface list, the chosen entry and the server paths, and turning a
// stored backslash path into one under the program folder.
#include "rotator/ServerFiles.h"

#include <QDir>
#include <QStringList>

#include "settings/SqfFile.h"

namespace orbivox {

QList<RotorInterfaceEntry> ReadRotorInterfaces(const QString& path) {
    const QStringList lines = ReadSqfLines(path);
    QList<RotorInterfaceEntry> entries;
    for (const QString& line : lines) {
        if (entries.size() == kMaxRotorInterfaces) {
            break;
        }
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma < 0) {
            entries.append({line, QString()});
        } else {
            entries.append({line.left(comma), line.mid(comma + 1).left(kMaxServerPathLength)});
        }
    }
    return entries;
}

void WriteRotorInterfaces(const QString& path, const QList<RotorInterfaceEntry>& entries) {
    SqfWriter writer;
    for (const RotorInterfaceEntry& entry : entries) {
        writer.Text(entry.name + QLatin1Char(',') + entry.serverPath);
    }
    writer.Commit(path);
}

bool InterfaceHasNoServer(const QString& name) {
    return name == QLatin1String("DDE") || name == QLatin1String("None") ||
           name == QLatin1String("WinRotorPlus");
}

int ReadRotorInterfaceIndex(const QString& path) {
    SqfReader file(path);
    return static_cast<int>(file.Integer());
}

void WriteRotorInterfaceIndex(const QString& path, int index) {
    SqfWriter().Integer(index).Commit(path);
}

const RotorInterfaceEntry* RotorInterfaceAt(const QList<RotorInterfaceEntry>& entries, int index) {
    return index >= 0 && index < entries.size() ? &entries[index] : nullptr;
}

QString ReadServerPath(const QString& path) {
    SqfReader file(path);
    return file.Text();
}

void WriteServerPath(const QString& path, const QString& serverPath) {
    SqfWriter().Text(serverPath).Commit(path);
}

QString AbsoluteServerPath(const QString& entryPath, const QString& programFolder) {
    // Entry paths are written with backslashes ("Rotor\IF100Srv"); a drive letter marks
    // an absolute path from another system, which is kept as it stands.
    QString mapped = entryPath;
    mapped.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (entryPath.contains(QLatin1Char(':')) || QDir::isAbsolutePath(mapped)) {
        return entryPath;
    }
    return QDir::cleanPath(QDir(programFolder).filePath(mapped));
}

}  // namespace orbivox

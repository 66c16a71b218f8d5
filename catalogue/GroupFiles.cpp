// Reading and writing the group list, the group files and the source lists, checking group
// names, and adding or removing a group in an order that never lists a group without its file.
#include "catalogue/GroupFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "settings/SqfFile.h"

namespace orbivox {

namespace {

const QString kGroupListName = QStringLiteral("SatFiles.SQF");

QString GroupListPath(const QString& configFolder) {
    return QDir(configFolder).filePath(kGroupListName);
}

QStringList PaddedTo(QStringList lines, int count) {
    while (lines.size() < count) {
        lines.append(QString());
    }
    return lines;
}

}  // namespace

QStringList ReadGroupList(const QString& path) {
    QStringList names;
    for (const QString& line : ReadSqfLines(path)) {
        if (line.startsWith(QLatin1Char(';')) || names.size() == kMaxGroups) {
            break;
        }
        names.append(line);
    }
    return names;
}

QStringList ReadGroupListSkippingComments(const QString& path) {
    return WithoutComments(ReadSqfLines(path));
}

QList<GroupMember> ReadGroupFile(const QString& path) {
    const QStringList lines = ReadSqfLines(path);
    QList<GroupMember> members;
    for (int i = 0; i < lines.size() && members.size() < kMaxGroupMembers; i += 2) {
        if (lines[i].isEmpty()) {
            continue;
        }
        const bool onMap = i + 1 < lines.size() && lines[i + 1].startsWith(QLatin1Char('+'));
        members.append({lines[i], onMap});
    }
    return members;
}

void WriteGroupFile(const QString& path, const QList<GroupMember>& members) {
    if (members.size() > kMaxGroupMembers) {
        throw SqfError(QFileInfo(path).fileName(),
                       QStringLiteral("a group holds at most %1 satellites").arg(kMaxGroupMembers));
    }
    SqfWriter writer;
    for (const GroupMember& member : members) {
        writer.Text(member.name).Flag(member.onMap);
    }
    writer.Commit(path);
}

QString GroupNameProblem(const QString& name) {
    if (name.trimmed().isEmpty()) {
        return QStringLiteral("Please, enter a name for the group!");
    }
    if (name.startsWith(QLatin1Char(';'))) {
        return QStringLiteral("A group name must not begin with \";\"!");
    }
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control) {
            return QStringLiteral("A group name must not contain \\, / , : or control characters!");
        }
    }
    return QString();
}

QString FindGroupFile(const QString& folder, const QString& group) {
    const QString wanted = group + QStringLiteral(".Sat");
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(wanted))) {
        return dir.filePath(wanted);
    }
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return dir.filePath(wanted);
}

QStringList ReadSourceList(const QString& path) {
    return PaddedTo(ReadSqfLines(path).mid(0, kSourceListLines), kSourceListLines);
}

void WriteSourceList(const QString& path, QStringList lines, int groupIndex,
                     const QString& sourcePath) {
    lines = PaddedTo(lines, kSourceListLines);
    if (groupIndex >= 0 && groupIndex < lines.size()) {
        lines[groupIndex] = sourcePath;
    }
    SqfWriter().Lines(lines).Commit(path);
}

QString ResolveSourcePath(const QString& line, const QString& mainDataFolder) {
    QString mapped = line;
    mapped.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (line.startsWith(QLatin1String("Kepler"))) {
        return QDir(mainDataFolder).filePath(mapped);
    }
    return mapped;
}

GroupChange AddGroup(const QString& configFolder, const QString& sourceListPath,
                     const QString& name) {
    const QString problem = GroupNameProblem(name);
    if (!problem.isEmpty()) {
        return {false, problem};
    }
    const QString listPath = GroupListPath(configFolder);
    QStringList lines = ReadSqfLines(listPath);
    const QStringList names = ReadGroupList(listPath);
    if (names.size() >= kMaxGroups) {
        return {false, QStringLiteral("No more than %1 groups can be stored!\rPlease, remove a "
                                      "group first.")
                           .arg(kMaxGroups)};
    }
    for (const QString& existing : names) {
        if (existing.compare(name, Qt::CaseInsensitive) == 0) {
            return {false,
                    QStringLiteral("The group ") + existing + QStringLiteral(" exists already!")};
        }
    }
    // The group file and its source first, the list last: a failure on the way never
    // leaves a listed group without its file.
    const QStringList standard = ReadSqfLines(FindGroupFile(configFolder, kStandardGroup));
    SqfWriter().Lines(PaddedTo(standard.mid(0, 12), 12)).Commit(FindGroupFile(configFolder, name));

    QStringList sources = ReadSourceList(sourceListPath);
    sources.insert(names.size(), kNewGroupSource);
    SqfWriter().Lines(sources.mid(0, kSourceListLines)).Commit(sourceListPath);

    lines.insert(names.size(), name);
    SqfWriter().Lines(lines).Commit(listPath);
    return {true, QString()};
}

GroupChange RemoveGroup(const QString& configFolder, const QString& sourceListPath, int index) {
    const QString listPath = GroupListPath(configFolder);
    const QStringList names = ReadGroupList(listPath);
    if (index < 0 || index >= names.size()) {
        return {false, QString()};
    }
    if (names[index] == kStandardGroup) {
        return {false, QStringLiteral("This group must not be deleted!")};
    }
    QStringList lines = ReadSqfLines(listPath);
    lines.removeAt(index);
    SqfWriter().Lines(lines).Commit(listPath);

    QStringList sources = ReadSourceList(sourceListPath);
    sources.removeAt(index);
    SqfWriter().Lines(PaddedTo(sources, kSourceListLines)).Commit(sourceListPath);

    const QString groupFile = FindGroupFile(configFolder, names[index]);
    if (QFileInfo::exists(groupFile)) {
        QFile::remove(groupFile);
    }
    return {true, QString()};
}

}  // namespace orbivox

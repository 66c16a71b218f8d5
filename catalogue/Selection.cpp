// Matching a group's members to element sets by name, and the texts the selection shows: the
// window title, the status bar panels, the working name, and the file dialog's filters.
#include "catalogue/Selection.h"

#include <QFileInfo>
#include <QLocale>

namespace orbivox {

std::vector<int> MatchSelection(const QList<GroupMember>& members,
                                const std::vector<std::string>& setNames) {
    std::vector<int> selected;
    for (const GroupMember& member : members) {
        const std::string name = member.name.toStdString();
        for (size_t i = 0; i < setNames.size(); ++i) {
            if (setNames[i] == name) {
                selected.push_back(static_cast<int>(i) + 1);
                break;
            }
        }
    }
    return selected;
}

QString ApplicationTitle(const QString& group) {
    return QStringLiteral("Orbivox32 [") + group + QStringLiteral("]");
}

QString ConfigPanelText(const QString& slotNumeral, const QString& group) {
    return QStringLiteral(" Confg. ") + slotNumeral + QStringLiteral(" Grp. ") + group;
}

QString KepsPanelText(const QString& sourceFile) {
    const QFileInfo source(sourceFile);
    return QStringLiteral(" Keps: ") + source.fileName() + QStringLiteral(" ") +
           QLocale::system().toString(source.lastModified().date(), QLocale::ShortFormat);
}

QString WorkingNameText(int slot, const QString& name) {
    return QStringLiteral(" ") + QChar(QLatin1Char('A' + slot)) + QStringLiteral(": ") + name;
}

QString NoDataInfo(const QString& fileName) {
    return QStringLiteral(" no datas found in ") + fileName + QStringLiteral(" ! ");
}

QString MissingGroupFileMessage(const QString& group) {
    return QStringLiteral("File ") + group + QStringLiteral(".Sat not found!");
}

QString MissingSourceWarning(const QString& group) {
    return QStringLiteral("No source file was found for group ") + group + QStringLiteral(".") +
           QStringLiteral("\r") +
           QStringLiteral("Please select a source file for this group after the 'OK'.") +
           QStringLiteral("\r") + QStringLiteral("\r") +
           QStringLiteral("IMPORTANT: In order to store the filename for later starts") +
           QStringLiteral("\r") +
           QStringLiteral("open the menu 'Satellites' and click the 'OK' button.");
}

QStringList MaskPatterns(const QString& mask) {
    QStringList patterns = mask.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        pattern = pattern.trimmed();
    }
    patterns.removeAll(QString());
    return patterns.isEmpty() ? QStringList{QStringLiteral("*.*")} : patterns;
}

QStringList SourceFileFilters(const QString& mask, FilterSpelling spelling) {
    const bool check = spelling == FilterSpelling::SourceCheck;
    const QString patterns = MaskPatterns(mask).join(QLatin1Char(' '));
    return {check ? QStringLiteral("All Files (*.*)") : QStringLiteral("All files (*.*)"),
            (check ? QStringLiteral("Kepler Files (") : QStringLiteral("Kepler files (")) +
                patterns + QStringLiteral(")")};
}

}  // namespace orbivox

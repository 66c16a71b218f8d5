// Reading the program and auxiliary file lists, the menu caption of an entry, and the folder an
// auxiliary file is opened from.
#include "catalogue/LauncherLists.h"

#include <algorithm>

#include "settings/SqfFile.h"

namespace orbivox {

QStringList ReadProgramList(const QString& path) {
    return WithoutComments(ReadSqfLines(path));
}

QStringList ReadAuxiliaryList(const QString& path) {
    return ReadSqfLines(path);
}

QString LauncherCaption(const QString& entry) {
    const qsizetype cut =
        std::max(entry.lastIndexOf(QLatin1Char('\\')), entry.lastIndexOf(QLatin1Char('/')));
    return entry.mid(cut + 1);
}

QString AuxiliaryFolder(const QString& entry, const QString& mainDataFolder,
                        const QString& configDataFolder) {
    return entry == kNamesListEntry ? mainDataFolder : configDataFolder;
}

}  // namespace orbivox

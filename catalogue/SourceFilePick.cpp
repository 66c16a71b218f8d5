// Asking for a source file; see SourceFilePick.h.
#include "catalogue/SourceFilePick.h"

#include <QDir>
#include <QFileInfo>

#include "catalogue/Selection.h"

namespace orbivox {

QString MissingSourceFolder(const QString& missingSource, const QString& configFolder) {
    // An empty name has no folder of its own (it would be the working folder).
    if (missingSource.isEmpty()) {
        return configFolder;
    }
    const QString folder = QFileInfo(missingSource).absolutePath();
    return QDir(folder).exists() ? folder : configFolder;
}

QString OpenFolder(const QString& openFolderText, const QString& currentSource) {
    const QString named =
        QString(openFolderText.trimmed()).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!named.isEmpty() && QFileInfo(named).isDir()) {
        return QDir::cleanPath(named);
    }
    return QFileInfo(currentSource).absolutePath();
}

SourceFilePick::SourceFilePick(Notifier& notifier, FileChooser& files, bool sourceKnown)
    : notifier_(notifier), files_(files), sourceKnown_(sourceKnown) {}

QString SourceFilePick::OpenFile(const QString& currentSource, const QString& sourceMask,
                                 const QString& openFolderText) {
    const QString path = files_.OpenFile(OpenFolder(openFolderText, currentSource),
                                         SourceFileFilters(sourceMask, FilterSpelling::FileOpen));
    if (path.isEmpty()) {
        if (!sourceKnown_) {
            notifier_.Warning(kNoSourceChosen);
        }
        return QString();
    }
    if (!QFileInfo(path).isFile()) {
        notifier_.Warning(kSourceNotFoundOnOpen);
        return QString();
    }
    sourceKnown_ = true;
    return path;
}

QString SourceFilePick::ReplaceMissing(const QString& missingSource, const QString& configFolder,
                                       const QString& sourceMask) {
    const QString path =
        files_.OpenFile(MissingSourceFolder(missingSource, configFolder),
                        SourceFileFilters(sourceMask, FilterSpelling::SourceCheck));
    if (path.isEmpty()) {
        return QString();
    }
    if (!QFileInfo(path).isFile()) {
        notifier_.Warning(kSourceNotFoundOnCheck);
        return QString();
    }
    sourceKnown_ = true;
    return path;
}

}  // namespace orbivox

// Working out the program and data folders from the environment, making a new data folder
// from the bundled data in one step, reading the configuration slot and writing Config.SQF.
#include "settings/Folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "settings/SqfFile.h"

namespace orbivox {
namespace {

constexpr const char* kConfigFile = "Config.SQF";

QString ProgramFolderOf(const QString& executableFolder) {
    const QString besideExecutable = WithSlash(QDir::cleanPath(executableFolder));
    if (QFileInfo::exists(besideExecutable + QStringLiteral("data"))) {
        return besideExecutable;
    }
    const QString installed =
        WithSlash(QDir::cleanPath(executableFolder + QStringLiteral("/../share/Orbivox32")));
    return QFileInfo::exists(installed) ? installed : besideExecutable;
}

// Gives `target` the modification time of `source`: a copied element file keeps the date it
// was fetched, which the satellites dialog and the status bar show.
void KeepModificationTime(const QString& source, const QString& target) {
    QFile file(target);
    if (file.open(QIODevice::ReadWrite)) {
        file.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    }
}

// Copies every file of `from` into `to` (recursively). Throws SqfError naming the first file
// that could not be copied.
void CopyFiles(const QString& from, const QString& to, const QString& skipName) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        if (it.fileName() == skipName) {
            continue;
        }
        const QString target = to + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile file(source);
        if (!file.copy(target)) {
            throw SqfError(source, QStringLiteral("cannot be copied to %1: %2")
                                       .arg(QDir::toNativeSeparators(target), file.errorString()));
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        KeepModificationTime(source, target);
    }
}

// Makes `folder` (ending in "/") from the bundled files unless it exists. The files go into a
// temporary folder beside it, renamed into place once complete: a start killed while
// copying leaves no half-filled folder that would never start, and the next start copies
// again. When another start placed its folder first, ours is dropped. The folder stays as
// private as the temporary folder was made (0700).
void MakeFolderFromBundle(const QString& bundled, const QString& folder,
                          const QString& skipName) {
    if (QFileInfo::exists(folder)) {
        return;
    }
    const QString target = QDir::cleanPath(folder);
    const QFileInfo targetInfo(target);
    QDir().mkpath(targetInfo.absolutePath());
    QTemporaryDir filling(targetInfo.absolutePath() + QStringLiteral("/.") +
                          targetInfo.fileName() + QStringLiteral(".filling-XXXXXX"));
    if (!filling.isValid()) {
        throw SqfError(target, QStringLiteral("cannot be made: %1").arg(filling.errorString()));
    }
    CopyFiles(bundled, WithSlash(filling.path()), skipName);
    if (!QDir().rename(filling.path(), target) && !QFileInfo::exists(target)) {
        throw SqfError(target, QStringLiteral("cannot be made from %1")
                                   .arg(QDir::toNativeSeparators(filling.path())));
    }
}

}  // namespace

int ReadConfigurationSlot(const QString& mainDataFolder) {
    try {
        SqfReader config(mainDataFolder + QLatin1String(kConfigFile));
        const QString folderText = config.Text();
        const long long slot = config.Integer();
        // Only the four rows of the slot table are accepted; anything else is slot 1.
        if (slot >= 0 && slot < static_cast<long long>(kConfigurationSlots.size()) &&
            folderText.compare(QLatin1String(kConfigurationSlots[slot].folderText),
                               Qt::CaseInsensitive) == 0) {
            return static_cast<int>(slot);
        }
    } catch (const SqfError&) {
    }
    return 0;
}

FolderEnvironment FolderEnvironment::FromEnvironment(const QString& executableFolder) {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = env.value(QStringLiteral("HOME"), QDir::homePath());
    QString configHome = env.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (configHome.isEmpty()) {
        configHome = home + QStringLiteral("/.config");
    }
    QString dataHome = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (dataHome.isEmpty()) {
        dataHome = home + QStringLiteral("/.local/share");
    }
    return FolderEnvironment{executableFolder, configHome, dataHome};
}

QString Folders::ConfigFile(const QString& name) const {
    return configDataFolder + name;
}

QString Folders::MainFile(const QString& name) const {
    return mainDataFolder + name;
}

QString WithSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString BundledDataFolder(const QString& programFolder) {
    return WithSlash(programFolder) + QStringLiteral("data/");
}

QString FolderTextToPath(const QString& dataRoot, const QString& folderText) {
    QString path = WithSlash(dataRoot);
    for (const QString& part : folderText.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        path += part + QLatin1Char('/');
    }
    return path;
}

Folders ResolveFolders(const FolderEnvironment& environment) {
    Folders folders;
    folders.programFolder = ProgramFolderOf(environment.executableFolder);
    const QString roaming = WithSlash(environment.configHome);
    folders.dataRoot = QFileInfo::exists(roaming + QStringLiteral("Orbivox32"))
                           ? roaming
                           : WithSlash(environment.dataHome);
    folders.mainDataFolder = FolderTextToPath(folders.dataRoot, QStringLiteral("\\Orbivox32\\"));

    const QString bundled = BundledDataFolder(folders.programFolder);
    MakeFolderFromBundle(bundled, folders.mainDataFolder, QString());
    folders.slot = ReadConfigurationSlot(folders.mainDataFolder);
    folders.configDataFolder = FolderTextToPath(folders.dataRoot, folders.folderText());
    MakeFolderFromBundle(bundled, folders.configDataFolder, QLatin1String(kConfigFile));
    return folders;
}

void WriteConfig(const Folders& folders, int slot) {
    SqfWriter()
        .Text(QLatin1String(kConfigurationSlots.at(static_cast<size_t>(slot)).folderText))
        .Integer(slot)
        .Commit(folders.MainFile(QLatin1String(kConfigFile)));
}

}  // namespace orbivox

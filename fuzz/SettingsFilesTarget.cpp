// Every settings file through the start-up loader. A configuration folder made once from the
// bundled defaults stands in for the user's; each run puts the input in place of one of its
// files, runs the loader's steps as the program does at start, and puts the default back.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"
#include "settings/Folders.h"
#include "tracking/SettingsLoader.h"

namespace orbivox::fuzz {

namespace {

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::abort();
    }
    return file.readAll();
}

// The defaults by their names relative to the folder ("Radio2/TRX_Semi.SQF"), copied into
// the scratch configuration folder on first use.
const QMap<QString, QByteArray>& Defaults() {
    static const QMap<QString, QByteArray> defaults = [] {
        QMap<QString, QByteArray> files;
        const QDir bundled(QStringLiteral(ORBIVOX_BUNDLED_DATA));
        QDirIterator it(bundled.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = bundled.relativeFilePath(path);
            files.insert(name, ReadWhole(path));
            QDir().mkpath(QFileInfo(ScratchFolder() + name).path());
            WriteScratchFile(name, files.value(name));
        }
        if (files.isEmpty()) {
            std::abort();
        }
        return files;
    }();
    return defaults;
}

// The file the input stands in for: a default's name as written, else one picked by the
// name's bytes so that any first line reaches some reader.
QString TargetName(const QByteArray& head) {
    const QString name = QString::fromLatin1(head);
    if (Defaults().contains(name)) {
        return name;
    }
    unsigned sum = 0;
    for (char c : head) {
        sum += static_cast<unsigned char>(c);
    }
    return Defaults().keys().at(static_cast<qsizetype>(sum % Defaults().size()));
}

}  // namespace

void FuzzSettingsFiles(const std::uint8_t* data, std::size_t size) {
    const HeadAndBody input = SplitFirstLine(data, size);
    const QString name = TargetName(input.head);
    WriteScratchFile(name, input.body);

    Folders folders;
    folders.mainDataFolder = ScratchFolder();
    folders.configDataFolder = ScratchFolder();
    folders.dataRoot = ScratchFolder();
    LoadedSettings settings;
    (void)RunSettingsLoader(folders, settings, [] {});

    WriteScratchFile(name, Defaults().value(name));
}

}  // namespace orbivox::fuzz

// Writing the CAT server's launcher into the data folder.
#include "rotator/CatServerLauncher.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "rotator/RotorInterface.h"

namespace orbivox {
namespace {

const QByteArray kLauncherMark = "# Orbivox32's CAT server launcher";

}  // namespace

QString CatServerProgram(const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../../lib/orbivox32/")) +
                           QLatin1Char('/') + kCatService);
}

QByteArray CatServerLauncherText(const QString& program) {
    QString quoted = program;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return "#!/bin/sh\n" + kLauncherMark +
           ": Orbivox32 writes it at start when it is missing.\n"
           "exec '" +
           quoted.toUtf8() + "' \"$@\"\n";
}

bool EnsureCatServerLauncher(const QString& dataFolder, const QString& programFolder) {
    const QString folder = QDir(dataFolder).filePath(QStringLiteral("KCT"));
    const QString path = QDir(folder).filePath(kCatService);
    const QByteArray text = CatServerLauncherText(CatServerProgram(programFolder));
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) {
        const QByteArray current = existing.readAll();
        if (current == text || !current.contains(kLauncherMark)) {
            return true;
        }
    }
    if (!QDir().mkpath(folder)) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        return false;
    }
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
}

}  // namespace orbivox

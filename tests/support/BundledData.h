#pragma once
// A copy of the bundled default data folder, for tests that run on a real configuration.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

inline void CopyBundledData(const QString& toFolder) {
    const QString bundled = QStringLiteral(ORBIVOX_BUNDLED_DATA) + "/";
    QDirIterator it(bundled, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = toFolder + "/" + QDir(bundled).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
}

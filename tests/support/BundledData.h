#pragma once
// A copy of the bundled default data folder, for tests that run on a real configuration.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include "settings/Folders.h"

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

namespace orbivox {

// A configuration made from the bundled defaults in a scratch folder, which is both the main
// and the configuration data folder.
class BundledConfiguration : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        CopyBundledData(root_.path());
        folders_.mainDataFolder = root_.path() + "/";
        folders_.configDataFolder = folders_.mainDataFolder;
    }

    QTemporaryDir root_;
    Folders folders_;
};

}  // namespace orbivox

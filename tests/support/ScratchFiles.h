#pragma once
// Exact bytes into and out of files in a scratch folder, for tests that feed a reader
// precisely what a user's file holds.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Writes bytes to path and returns the path.
inline QString WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// A fixture with its own scratch folder.
class ScratchFolder : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const {
        return WriteBytes(Path(name), bytes);
    }
    QByteArray Bytes(const QString& name) const { return ReadBytes(Path(name)); }
    QTemporaryDir dir_;
};

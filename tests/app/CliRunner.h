#pragma once
// Runs the built orbivox tool as a user would, optionally with its own HOME.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

inline CliRun RunCli(const QStringList& args, const QString& home = QString()) {
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home + "/.config");
        env.insert("XDG_DATA_HOME", home + "/.local/share");
        env.insert("XDG_RUNTIME_DIR", home + "/run");
        process.setProcessEnvironment(env);
    }
    process.start(ORBIVOX_CLI, args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

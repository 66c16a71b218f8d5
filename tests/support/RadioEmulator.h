#pragma once
// A radio emulator (`orbivox emulate ...`) run for a test: its pseudo-terminal's device,
// its decoded log, and signals for the operator's hands (SIGUSR1 PTT, SIGUSR2 dial).
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>

class RadioEmulator {
public:
    explicit RadioEmulator(const QStringList& args) {
        process_.start(ORBIVOX_CLI, QStringList{"emulate"} + args);
        EXPECT_TRUE(process_.waitForStarted(10000));
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        device_ = QString::fromUtf8(process_.readLine()).trimmed();
        EXPECT_TRUE(device_.startsWith("/dev/")) << device_.toStdString();
    }
    ~RadioEmulator() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(5000);
        }
    }
    RadioEmulator(const RadioEmulator&) = delete;
    RadioEmulator& operator=(const RadioEmulator&) = delete;

    const QString& Device() const { return device_; }
    qint64 Pid() const { return process_.processId(); }
    void Signal(int number) {
        ::kill(static_cast<pid_t>(process_.processId()), number);
        Collect();
    }
    // Every log line so far (the emulator is given a moment to catch up).
    const QStringList& Log() {
        Collect();
        return log_;
    }
    // The log lines starting with `prefix`.
    QStringList Lines(const QString& prefix) {
        QStringList found;
        for (const QString& line : Log()) {
            if (line.startsWith(prefix)) {
                found << line;
            }
        }
        return found;
    }
    bool Finished(int ms) { return process_.waitForFinished(ms); }

private:
    void Collect() {
        while (process_.waitForReadyRead(150)) {
        }
        const QString text = QString::fromUtf8(process_.readAllStandardOutput());
        log_ += text.split('\n', Qt::SkipEmptyParts);
    }

    QProcess process_;
    QString device_;
    QStringList log_;
};

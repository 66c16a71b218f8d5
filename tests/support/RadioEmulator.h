#pragma once
// A radio emulator (`orbivox emulate ...`) run for a test: its pseudo-terminal's device,
// its decoded log, and signals for the operator's hands (SIGUSR1 PTT, SIGUSR2 dial).
// The emulator logs each command once it has taken it, on its own time. Following the
// CAT link that talks to it, the log is read once every command sent has its line; without
// that, a test waits for the lines it expects (Lines with a count, Logged) with a deadline.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <csignal>
#include <functional>

#include "tests/support/Spin.h"

class RadioEmulator {
public:
    explicit RadioEmulator(const QStringList& args) {
        process_.start(ORBIVOX_CLI, QStringList{"emulate"} + args);
        EXPECT_TRUE(process_.waitForStarted(orbivox::kWaitDeadlineMs));
        while (!process_.canReadLine() && process_.waitForReadyRead(orbivox::kWaitDeadlineMs)) {
        }
        device_ = QString::fromUtf8(process_.readLine()).trimmed();
        EXPECT_TRUE(device_.startsWith("/dev/")) << device_.toStdString();
    }
    ~RadioEmulator() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(orbivox::kWaitDeadlineMs);
        }
    }
    RadioEmulator(const RadioEmulator&) = delete;
    RadioEmulator& operator=(const RadioEmulator&) = delete;

    // Counts what `link` (a CatLink) sends: one command a send, one log line a command.
    template <class Link>
    void Follow(Link& link) {
        following_ = true;
        link.onSend = [this](const QByteArray&) { ++sent_; };
    }

    const QString& Device() const { return device_; }
    qint64 Pid() const { return process_.processId(); }
    // Sends the signal once every command before it is taken, and waits until the emulator
    // has logged taking it ("dial turned to ...", "microphone PTT ..."): from then on the
    // radio answers with the new state.
    void Signal(int number) {
        const QString echo = number == SIGUSR2 ? QStringLiteral("dial turned")
                                               : QStringLiteral("microphone PTT");
        const auto echoes = [&] {
            return std::count_if(log_.begin(), log_.end(),
                                 [&](const QString& line) { return line.contains(echo); });
        };
        Log();
        const auto before = echoes();
        ::kill(static_cast<pid_t>(process_.processId()), number);
        EXPECT_TRUE(WaitUntil([&] { return echoes() > before; }))
            << "no echo of signal " << number << '\n'
            << log_.join('\n').toStdString();
    }
    // Every log line so far: once each command sent over the followed link has its line,
    // or, not following, after a short quiet spell (then counts wait with Lines(prefix,
    // atLeast) or Logged).
    const QStringList& Log() {
        if (following_) {
            const bool taken = WaitUntil([&] { return CommandLines() >= sent_; });
            EXPECT_TRUE(taken || process_.state() == QProcess::NotRunning)
                << sent_ << " commands sent, " << CommandLines() << " logged:\n"
                << log_.join('\n').toStdString();
        } else {
            Collect();
            while (process_.waitForReadyRead(150)) {
                Collect();
            }
        }
        return log_;
    }
    // The log lines starting with `prefix`.
    QStringList Lines(const QString& prefix) { return Matching(Log(), prefix); }
    // The log lines starting with `prefix`, once there are at least `atLeast` of them (or
    // the deadline has passed: then what there is).
    QStringList Lines(const QString& prefix, qsizetype atLeast) {
        WaitUntil([&] { return Matching(log_, prefix).size() >= atLeast; });
        return Lines(prefix);
    }
    // Waits until the log holds `line`.
    bool Logged(const QString& line) {
        return WaitUntil([&] { return log_.contains(line); });
    }
    bool Finished(int ms = orbivox::kWaitDeadlineMs) { return process_.waitForFinished(ms); }

private:
    static QStringList Matching(const QStringList& lines, const QString& prefix) {
        QStringList found;
        for (const QString& line : lines) {
            if (line.startsWith(prefix)) {
                found << line;
            }
        }
        return found;
    }
    // The lines that stand for a command the emulator was sent (not the operator's hands,
    // nor the bus's collisions, which come before the command they hit).
    qsizetype CommandLines() const {
        return std::count_if(log_.begin(), log_.end(), [](const QString& line) {
            return !line.contains(QLatin1String("dial turned")) &&
                   !line.startsWith(QLatin1String("microphone PTT")) &&
                   !line.startsWith(QLatin1String("collision on the bus"));
        });
    }
    // Takes the whole lines there are; a line still being written stays for the next time.
    void Collect() {
        while (process_.canReadLine()) {
            QString line = QString::fromUtf8(process_.readLine());
            line.chop(1);
            if (!line.isEmpty()) {
                log_ << line;
            }
        }
    }
    bool WaitUntil(const std::function<bool()>& done) {
        const QDeadlineTimer deadline(orbivox::kWaitDeadlineMs);
        Collect();
        while (!done()) {
            if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) {
                Collect();
                return done();
            }
            process_.waitForReadyRead(50);
            Collect();
        }
        return true;
    }

    QProcess process_;
    QString device_;
    QStringList log_;
    bool following_ = false;
    qsizetype sent_ = 0;
};

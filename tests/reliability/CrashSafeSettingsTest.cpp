// Settings stores survive a kill at any moment: a child stores through every writer in a
// loop and is killed (SIGKILL) after a delay drawn from a seeded generator; every file must
// then hold the content from before the round or one the round writes, never a mix, a
// truncation or nothing. The seed is printed; ORBIVOX_KILL_SEED repeats a run.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <random>

#include "tests/reliability/SettingsStores.h"

namespace orbivox {
namespace {

constexpr int kRounds = 200;
// Long enough for the child to start and run several rounds, so kills fall before, between
// and inside the stores.
constexpr int kMaxKillDelayMs = 60;

// A file's bytes, or a null array when it does not exist (an empty file is not null).
QByteArray Content(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray bytes = file.readAll();
    return bytes.isNull() ? QByteArray("") : bytes;
}

QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : StoredSettingsFiles()) {
        files.insert(name, Content(folder + name));
    }
    return files;
}

// A copy of the stored files as they are now in a scratch folder.
void CopyFiles(const QMap<QString, QByteArray>& files, const QString& folder) {
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (it.value().isNull()) {
            continue;
        }
        QFile file(folder + it.key());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(it.value());
    }
}

unsigned Seed() {
    if (const char* text = std::getenv("ORBIVOX_KILL_SEED")) {
        return static_cast<unsigned>(std::strtoul(text, nullptr, 10));
    }
    return std::random_device{}();
}

TEST(CrashSafeSettings, EveryFileOldOrNewAfterKillsAtRandomPoints) {
    const unsigned seed = Seed();
    std::printf("kill points from seed %u (ORBIVOX_KILL_SEED=%u repeats them)\n", seed, seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(0, kMaxKillDelayMs);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    PrepareSettingsFolder(folder);

    int roundsWithChanges = 0;
    int roundsPartlyStored = 0;
    int temporariesLeft = 0;
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round << ", seed " << seed);
        const QMap<QString, QByteArray> before = Snapshot(folder);

        // What one round and what a repeated round leave behind, stored here in a copy.
        QTemporaryDir refDir;
        const QString ref = refDir.path() + QLatin1Char('/');
        CopyFiles(before, ref);
        StoreSettingsRound(ref, round);
        const QMap<QString, QByteArray> once = Snapshot(ref);
        StoreSettingsRound(ref, round);
        const QMap<QString, QByteArray> twice = Snapshot(ref);

        QProcess child;
        child.start(QStringLiteral(ORBIVOX_STORE_CHILD), {folder, QString::number(round)});
        ASSERT_TRUE(child.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(delayMs(random)));
        ASSERT_EQ(::kill(static_cast<pid_t>(child.processId()), SIGKILL), 0);
        ASSERT_TRUE(child.waitForFinished());
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit)
            << child.readAllStandardError().constData();

        const QMap<QString, QByteArray> after = Snapshot(folder);
        int changed = 0;
        for (const QString& name : StoredSettingsFiles()) {
            const QByteArray& now = after.value(name);
            EXPECT_TRUE(now == before.value(name) || now == once.value(name) ||
                        now == twice.value(name))
                << name.toStdString() << " holds neither the old nor the new content:\n"
                << now.toStdString();
            if (now != before.value(name)) {
                ++changed;
            }
        }
        roundsWithChanges += changed > 0 ? 1 : 0;
        roundsPartlyStored += changed > 0 && after != once && after != twice ? 1 : 0;
        if (HasFailure()) {
            break;
        }
        // A kill inside a store may leave its temporary file; it is no settings file.
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            if (!StoredSettingsFiles().contains(name)) {
                ++temporariesLeft;
                QFile::remove(folder + name);
            }
        }
    }
    std::printf(
        "%d of %d rounds stored something, %d of them were killed between files; "
        "%d temporary files left by kills inside a write\n",
        roundsWithChanges, kRounds, roundsPartlyStored, temporariesLeft);
}

}  // namespace
}  // namespace orbivox

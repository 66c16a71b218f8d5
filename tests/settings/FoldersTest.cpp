// Folder resolution in a scratch home with a small bundled data folder: the first start, the
// roaming root, each configuration slot, an unknown slot, and folder texts.
#include "settings/Folders.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "settings/SqfFile.h"
#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

// A scratch home with a program folder holding a small bundled data folder.
class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        program_ = home_.filePath("bin");
        QDir().mkpath(program_ + "/data/Kepler");
        SqfWriter().Text("\\Orbivox32\\").Integer(0).Commit(program_ + "/data/Config.SQF");
        SqfWriter().Flag(true).Commit(program_ + "/data/DivOptions.SQF");
        SqfWriter().Text("elements").Commit(program_ + "/data/Kepler/amateur.txt");
        env_ =
            FolderEnvironment{program_, home_.filePath(".config"), home_.filePath(".local/share")};
    }

    QTemporaryDir home_;
    QString program_;
    FolderEnvironment env_;
};

TEST_F(FoldersTest, FirstStartUsesTheLocalRootAndCopiesTheBundledData) {
    const Folders folders = ResolveFolders(env_);
    EXPECT_EQ(folders.programFolder, program_ + "/");
    EXPECT_EQ(folders.dataRoot, home_.filePath(".local/share") + "/");
    EXPECT_EQ(folders.mainDataFolder, home_.filePath(".local/share/Orbivox32/"));
    EXPECT_EQ(folders.configDataFolder, folders.mainDataFolder);
    EXPECT_EQ(folders.slot, 0);
    EXPECT_STREQ(folders.numeral(), "I ");
    EXPECT_TRUE(QFile::exists(folders.ConfigFile("DivOptions.SQF")));
    EXPECT_TRUE(QFile::exists(folders.MainFile("Kepler/amateur.txt")));
}

// First starts killed at random points of their copy (a child process, SIGKILL after a
// delay drawn within the time a whole copy takes) never leave a folder the next start takes
// for complete: after each, the next start has every bundled file.
TEST_F(FoldersTest, AFirstStartKilledWhileCopyingIsCompletedByTheNext) {
    QStringList bundled = {"Config.SQF", "DivOptions.SQF", "Kepler/amateur.txt"};
    QDir().mkpath(program_ + "/data/Many");
    for (int k = 0; k < 40; ++k) {
        bundled << QString("Many/%1.SQF").arg(k);
        QFile file(program_ + "/data/" + bundled.back());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(k) + "\r\n");
    }
    FolderEnvironment measure = env_;
    measure.dataHome = home_.filePath("measure");
    QElapsedTimer clock;
    clock.start();
    ResolveFolders(measure);
    const qint64 copyNs = clock.nsecsElapsed();
    RecordProperty("copy_ms", static_cast<int>(copyNs / 1000000));

    std::mt19937 random(20261211);
    int killed = 0;
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        QDir(env_.dataHome).removeRecursively();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ResolveFolders(env_);
            ::_exit(0);
        }
        std::this_thread::sleep_for(
            std::chrono::nanoseconds(std::uniform_int_distribution<qint64>(0, copyNs)(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        killed += WIFSIGNALED(status) ? 1 : 0;

        const Folders folders = ResolveFolders(env_);
        const auto missing = std::find_if(bundled.begin(), bundled.end(), [&](const QString& name) {
            return !QFile::exists(folders.MainFile(name));
        });
        EXPECT_EQ(missing, bundled.end()) << missing->toStdString();
    }
    RecordProperty("killed", killed);
}

// The copies keep the bundled files' dates: an element file's age is what the operator
// reads from it.
TEST_F(FoldersTest, CopiedFilesKeepTheirModificationTimes) {
    const QDateTime fetched(QDate(2026, 8, 22), QTime(6, 30, 15), Qt::UTC);
    for (const QString name : {"Kepler/amateur.txt", "DivOptions.SQF"}) {
        QFile file(program_ + "/data/" + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(fetched, QFileDevice::FileModificationTime));
    }
    QFile::setPermissions(program_ + "/data/Kepler/amateur.txt", QFileDevice::ReadOwner);

    Folders folders = ResolveFolders(env_);
    WriteConfig(folders, 1);
    folders = ResolveFolders(env_);  // the second slot's folder is made from the same files
    for (const QString& path :
         {folders.MainFile("Kepler/amateur.txt"), folders.MainFile("DivOptions.SQF"),
          folders.ConfigFile("Kepler/amateur.txt"), folders.ConfigFile("DivOptions.SQF")}) {
        EXPECT_EQ(QFileInfo(path).lastModified().toUTC(), fetched) << path.toStdString();
        EXPECT_TRUE(QFileInfo(path).isWritable()) << path.toStdString();
    }
}

TEST_F(FoldersTest, RoamingRootWinsWhenItHoldsTheProgramFolder) {
    QDir().mkpath(home_.filePath(".config/Orbivox32"));
    const Folders folders = ResolveFolders(env_);
    EXPECT_EQ(folders.dataRoot, home_.filePath(".config") + "/");
    EXPECT_EQ(folders.mainDataFolder, home_.filePath(".config/Orbivox32/"));
}

TEST_F(FoldersTest, EachSlotHasItsFolderAndNumeral) {
    const struct {
        int slot;
        const char* folder;
        const char* numeral;
    } cases[] = {
        {0, "Orbivox32/", "I "},
        {1, "Orbivox32/CfgII/", "II "},
        {2, "Orbivox32/CfgIII/", "III "},
        {3, "Orbivox32/CfgIV/", "IV "},
    };
    Folders first = ResolveFolders(env_);
    for (const auto& c : cases) {
        WriteConfig(first, c.slot);
        const Folders folders = ResolveFolders(env_);
        EXPECT_EQ(folders.slot, c.slot);
        EXPECT_EQ(folders.configDataFolder, home_.filePath(".local/share/") + c.folder);
        EXPECT_STREQ(folders.numeral(), c.numeral);
        // A new slot starts from the bundled defaults, but Config.SQF stays in the main folder.
        EXPECT_TRUE(QFile::exists(folders.ConfigFile("DivOptions.SQF")));
        if (c.slot != 0) {
            EXPECT_FALSE(QFile::exists(folders.ConfigFile("Config.SQF")));
        }
    }
    const QStringList config = ReadSqfLines(first.MainFile("Config.SQF"));
    EXPECT_EQ(config, (QStringList{"\\Orbivox32\\CfgIV\\", "3"}));
}

TEST_F(FoldersTest, ConfigNamingNoKnownSlotMeansSlotOne) {
    const Folders first = ResolveFolders(env_);
    const QString config = first.MainFile("Config.SQF");
    for (const auto& lines :
         {QStringList{"\\..\\..\\etc\\", "1"}, QStringList{"\\Orbivox32\\CfgII\\", "7"},
          QStringList{"\\Orbivox32\\CfgII\\", "x"}}) {
        SqfWriter().Lines(lines).Commit(config);
        EXPECT_EQ(ResolveFolders(env_).slot, 0) << lines.join('|').toStdString();
    }
    QFile::remove(config);
    EXPECT_EQ(ResolveFolders(env_).slot, 0);
}

TEST(FolderText, MapsBackslashesToPathParts) {
    EXPECT_EQ(FolderTextToPath("/home/op/.config", "\\Orbivox32\\CfgII\\"),
              QString("/home/op/.config/Orbivox32/CfgII/"));
}

}  // namespace
}  // namespace orbivox

// Folder resolution in a scratch home with a small bundled data folder: the first start, the
// roaming root, each configuration slot, an unknown slot, and folder texts.
#include "settings/Folders.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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

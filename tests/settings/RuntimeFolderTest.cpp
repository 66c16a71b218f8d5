// The runtime folder: its name from the environment and the user id, and the refusal of a
// folder another user could reach.
#include "settings/RuntimeFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

TEST(RuntimeFolder, NamedFromTheRuntimeDirElseTheUserId) {
    const struct {
        const char* xdg;
        unsigned uid;
        const char* folder;
    } cases[] = {
        {"/run/user/1000", 1000, "/run/user/1000/Orbivox32/"},
        {"/run/user/1000/", 1000, "/run/user/1000/Orbivox32/"},
        // Without the variable each user still has a folder of their own.
        {"", 1000, "/tmp/orbivox-1000/"},
        {"", 1001, "/tmp/orbivox-1001/"},
        {"", 0, "/tmp/orbivox-0/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RuntimeFolderFor(QString::fromUtf8(c.xdg), c.uid), QString::fromUtf8(c.folder))
            << c.xdg << " " << c.uid;
    }
}

mode_t ModeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info.st_mode & 07777;
}

TEST(RuntimeFolder, AMissingFolderIsMadePrivate) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("run/Orbivox32/");  // its parent is missing too
    EXPECT_EQ(PreparePrivateFolder(folder), std::nullopt);
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(PreparePrivateFolder(folder), std::nullopt);  // and is used as it is next time
}

TEST(RuntimeFolder, AFolderOthersCanReachIsRefusedByName) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        mode_t mode;
        const char* why;
    } cases[] = {
        {"readable", 0755, "is open to other users"},
        {"group", 0770, "is open to other users"},
        {"world", 0703, "is open to other users"},
    };
    for (const auto& c : cases) {
        const QString folder = dir.filePath(c.name);
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), c.mode), 0);
        const auto refusal = PreparePrivateFolder(folder);
        ASSERT_TRUE(refusal) << c.name;
        EXPECT_TRUE(refusal->startsWith("The runtime folder " + folder + " " + c.why))
            << refusal->toStdString();
        EXPECT_EQ(ModeOf(folder), c.mode) << "the folder is left as it was";
    }

    // A file, or a link planted where the folder belongs, is not used either.
    const QString file = dir.filePath("file");
    QFile(file).open(QIODevice::WriteOnly);
    const QString link = dir.filePath("link");
    const QString target = dir.filePath("private");
    ASSERT_TRUE(QDir().mkdir(target));
    ::chmod(QFile::encodeName(target).constData(), 0700);
    ASSERT_TRUE(QFile::link(target, link));
    for (const QString& path : {file, link}) {
        const auto refusal = PreparePrivateFolder(path);
        ASSERT_TRUE(refusal) << path.toStdString();
        EXPECT_TRUE(refusal->contains(path + " is not a folder")) << refusal->toStdString();
    }
}

TEST(RuntimeFolder, AFolderOfAnotherUserIsRefused) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("theirs");
    ASSERT_TRUE(QDir().mkdir(folder));
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    if (::chown(QFile::encodeName(folder).constData(), ::getuid() + 1, static_cast<gid_t>(-1)) !=
        0) {
        GTEST_SKIP() << "handing a folder to another user needs root";
    }
    const auto refusal = PreparePrivateFolder(folder);
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->contains(folder + " belongs to another user")) << refusal->toStdString();
}

}  // namespace
}  // namespace orbivox

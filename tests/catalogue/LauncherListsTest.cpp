// The program and auxiliary file lists on small scratch files: comments, empty lines, the
// folder each entry opens from, and a missing list.
#include "catalogue/LauncherLists.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

TEST(ProgramList, CommentsTakeNoItemButEmptyLinesDo) {
    QTemporaryDir dir;
    const QStringList programs =
        ReadProgramList(WriteBytes(dir.filePath("Program.SQF"),
                                   ";tools\r\n/usr/bin/xterm\r\n;between\r\n\r\nC:\\Ham\\Log\r\n"));
    EXPECT_EQ(programs, (QStringList{"/usr/bin/xterm", "", "C:\\Ham\\Log"}));
    EXPECT_EQ(LauncherCaption(programs[0]), "xterm");
    EXPECT_EQ(LauncherCaption(programs[2]), "Log");
    EXPECT_EQ(LauncherCaption(programs[1]), "");
}

TEST(AuxiliaryList, EveryLineIsAnEntryAndOnlyTheExactNamesListLivesInTheMainFolder) {
    QTemporaryDir dir;
    const QStringList files = ReadAuxiliaryList(WriteBytes(
        dir.filePath("Auxiliary.SQF"), "NelvoNames.txt\r\n;not a comment\r\nnelvonames.txt\r\n"));
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(AuxiliaryFolder(files[0], "/main", "/config"), "/main");
    EXPECT_EQ(AuxiliaryFolder(files[1], "/main", "/config"), "/config");
    EXPECT_EQ(AuxiliaryFolder(files[2], "/main", "/config"), "/config");
    EXPECT_EQ(LauncherCaption("Radio2\\TRX_Semi.SQF"), "TRX_Semi.SQF");
}

TEST(LauncherLists, AMissingListNamesItsFile) {
    QTemporaryDir dir;
    for (const QString name : {"Program.SQF", "Auxiliary.SQF"}) {
        try {
            name == "Program.SQF" ? ReadProgramList(dir.filePath(name))
                                  : ReadAuxiliaryList(dir.filePath(name));
            ADD_FAILURE() << name.toStdString();
        } catch (const SqfError& error) {
            EXPECT_EQ(error.fileName(), name);
        }
    }
}

}  // namespace
}  // namespace orbivox

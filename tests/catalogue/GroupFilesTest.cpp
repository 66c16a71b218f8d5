// Group files on a scratch configuration folder written inline: the group list's limits,
// member lines, name checks, source lists, and adding and removing groups.
#include "catalogue/GroupFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"

namespace orbivox {
namespace {

class GroupFiles : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    void Write(const QString& name, const QStringList& lines) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QString& line : lines) {
            file.write(line.toLatin1() + "\r\n");
        }
    }
    QStringList Lines(const QString& name) const { return ReadSqfLines(Path(name)); }

    // A configuration folder as a user has it: two groups, a comment after them, the
    // Standard template (14 lines) and the slot's source list.
    void MakeGroups() const {
        Write("SatFiles.SQF", {"Amateur", "Standard", ";my groups"});
        Write("amateur.SAT", {"ISS (ZARYA)", "+"});
        Write("Standard.Sat",
              {"A", "+", "B", "-", "C", "+", "D", "-", "E", "+", "F", "-", "G", "+"});
        Write("SatSources.SQF", {"Kepler\\amateur.txt", "/home/op/keps/all.txt"});
    }
    QTemporaryDir dir_;
};

TEST_F(GroupFiles, TheGroupListStopsAtACommentOrTwelveNames) {
    Write("SatFiles.SQF", {"Amateur", "Standard", ";comment", "Hidden"});
    EXPECT_EQ(ReadGroupList(Path("SatFiles.SQF")), (QStringList{"Amateur", "Standard"}));
    EXPECT_EQ(ReadGroupListSkippingComments(Path("SatFiles.SQF")),
              (QStringList{"Amateur", "Standard", "Hidden"}));

    QStringList many;
    for (int i = 0; i < 14; ++i) {
        many.append(QStringLiteral("G%1").arg(i));
    }
    Write("SatFiles.SQF", many);
    EXPECT_EQ(ReadGroupList(Path("SatFiles.SQF")), many.mid(0, kMaxGroups));
}

TEST_F(GroupFiles, GroupFilesHoldNameAndMapFlagPairs) {
    const QList<GroupMember> members{{"ISS (ZARYA)", true}, {"JAS-2 (FO-29)", false}};
    WriteGroupFile(Path("Test.Sat"), members);
    QFile written(Path("Test.Sat"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "ISS (ZARYA)\r\n+\r\nJAS-2 (FO-29)\r\n-\r\n");
    EXPECT_EQ(ReadGroupFile(Path("Test.Sat")), members);

    // Empty names are passed over, a missing flag is "not on the map", 24 members at most.
    QStringList lines{"", "+", "AO-7", "+", "FO-29"};
    EXPECT_EQ(ReadGroupFile((Write("Odd.Sat", lines), Path("Odd.Sat"))),
              (QList<GroupMember>{{"AO-7", true}, {"FO-29", false}}));
    lines.clear();
    QList<GroupMember> tooMany;
    for (int i = 0; i < 30; ++i) {
        lines << QStringLiteral("S%1").arg(i) << "-";
        tooMany.append({QStringLiteral("S%1").arg(i), false});
    }
    Write("Big.Sat", lines);
    EXPECT_EQ(ReadGroupFile(Path("Big.Sat")).size(), kMaxGroupMembers);
    EXPECT_THROW(WriteGroupFile(Path("Big.Sat"), tooMany), SqfError);
    EXPECT_EQ(Lines("Big.Sat"), lines);  // the refused write left the file as it was

    try {
        ReadGroupFile(Path("Missing.Sat"));
        FAIL();
    } catch (const SqfError& error) {
        EXPECT_EQ(error.fileName(), "Missing.Sat");
    }
}

TEST_F(GroupFiles, GroupFilesAreFoundWhateverTheExtensionsLetterCase) {
    Write("Linear.SAT", {"AO-7", "+"});
    EXPECT_EQ(FindGroupFile(dir_.path(), "Linear"), Path("Linear.SAT"));
    EXPECT_EQ(FindGroupFile(dir_.path(), "linear"), Path("Linear.SAT"));
    Write("FM.Sat", {"SO-50", "+"});
    EXPECT_EQ(FindGroupFile(dir_.path(), "FM"), Path("FM.Sat"));
    EXPECT_EQ(FindGroupFile(dir_.path(), "New"), Path("New.Sat"));
}

TEST(GroupNames, NamesThatWouldLeaveTheFolderOrBreakTheListAreRefused) {
    for (const QString& bad : {QString("../Standard"), QString("a/b"), QString("a\\b"),
                               QString("C:x"), QString("tab\there"), QString("new\nline"),
                               QString(""), QString("   "), QString(";hidden")}) {
        EXPECT_FALSE(GroupNameProblem(bad).isEmpty()) << bad.toStdString();
    }
    for (const QString& good : {QString("FM sats"), QString("Lin. 2026"), QString("..dots")}) {
        EXPECT_TRUE(GroupNameProblem(good).isEmpty()) << good.toStdString();
    }
}

TEST_F(GroupFiles, SourceListsHaveTwelveLinesAndKeplerLinesLieInTheMainFolder) {
    MakeGroups();
    const QStringList sources = ReadSourceList(Path("SatSources.SQF"));
    ASSERT_EQ(sources.size(), kSourceListLines);
    EXPECT_EQ(ResolveSourcePath(sources[0], "/home/op/.local/share/Orbivox32"),
              "/home/op/.local/share/Orbivox32/Kepler/amateur.txt");
    EXPECT_EQ(ResolveSourcePath(sources[1], "/main"), "/home/op/keps/all.txt");

    WriteSourceList(Path("SatSources.SQF"), sources, 1, "/home/op/keps/new.txt");
    const QStringList stored = Lines("SatSources.SQF");
    ASSERT_EQ(stored.size(), kSourceListLines);
    EXPECT_EQ(stored[0], "Kepler\\amateur.txt");
    EXPECT_EQ(stored[1], "/home/op/keps/new.txt");
}

TEST_F(GroupFiles, ANewGroupGetsItsLineTheTemplateAndASourceLine) {
    MakeGroups();
    const GroupChange added = AddGroup(dir_.path(), Path("SatSources.SQF"), "Linear");
    EXPECT_TRUE(added.done) << added.message.toStdString();
    EXPECT_EQ(Lines("SatFiles.SQF"), (QStringList{"Amateur", "Standard", "Linear", ";my groups"}));
    EXPECT_EQ(Lines("Linear.Sat"), Lines("Standard.Sat").mid(0, 12));
    const QStringList sources = Lines("SatSources.SQF");
    ASSERT_EQ(sources.size(), kSourceListLines);
    EXPECT_EQ(sources.mid(0, 3),
              (QStringList{"Kepler\\amateur.txt", "/home/op/keps/all.txt", "Kepler\\nasa.all"}));
}

TEST_F(GroupFiles, BadDuplicateAndThirteenthGroupsAreRefusedAndChangeNothing) {
    MakeGroups();
    const QStringList before = Lines("SatFiles.SQF");
    for (const QString& name : {QString("../../escape"), QString("AMATEUR")}) {
        const GroupChange refused = AddGroup(dir_.path(), Path("SatSources.SQF"), name);
        EXPECT_FALSE(refused.done);
        EXPECT_FALSE(refused.message.isEmpty());
    }
    EXPECT_EQ(Lines("SatFiles.SQF"), before);
    EXPECT_FALSE(QFile::exists(dir_.filePath("../../escape.Sat")));

    for (int i = 3; i <= 12; ++i) {
        ASSERT_TRUE(
            AddGroup(dir_.path(), Path("SatSources.SQF"), QStringLiteral("G%1").arg(i)).done);
    }
    EXPECT_EQ(ReadGroupList(Path("SatFiles.SQF")).size(), kMaxGroups);
    const GroupChange thirteenth = AddGroup(dir_.path(), Path("SatSources.SQF"), "G13");
    EXPECT_FALSE(thirteenth.done);
    EXPECT_TRUE(thirteenth.message.contains("12")) << thirteenth.message.toStdString();
    EXPECT_FALSE(QFile::exists(Path("G13.Sat")));
    EXPECT_EQ(Lines("SatSources.SQF").size(), kSourceListLines);
}

TEST_F(GroupFiles, RemovingAGroupKeepsTheOthersSourcesAligned) {
    MakeGroups();
    ASSERT_TRUE(AddGroup(dir_.path(), Path("SatSources.SQF"), "Linear").done);

    const GroupChange standard = RemoveGroup(dir_.path(), Path("SatSources.SQF"), 1);
    EXPECT_FALSE(standard.done);
    EXPECT_EQ(standard.message, "This group must not be deleted!");
    EXPECT_FALSE(RemoveGroup(dir_.path(), Path("SatSources.SQF"), 3).done);  // the ";" line

    EXPECT_TRUE(RemoveGroup(dir_.path(), Path("SatSources.SQF"), 0).done);
    EXPECT_EQ(Lines("SatFiles.SQF"), (QStringList{"Standard", "Linear", ";my groups"}));
    EXPECT_FALSE(QFile::exists(Path("amateur.SAT")));
    const QStringList sources = Lines("SatSources.SQF");
    ASSERT_EQ(sources.size(), kSourceListLines);
    EXPECT_EQ(sources.mid(0, 2), (QStringList{"/home/op/keps/all.txt", "Kepler\\nasa.all"}));
}

}  // namespace
}  // namespace orbivox

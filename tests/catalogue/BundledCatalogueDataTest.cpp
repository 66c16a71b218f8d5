// The group, source and launcher files of the bundled data folder: a new user's first
// start finds the example group, its members in the bundled element file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include "catalogue/GroupFiles.h"
#include "catalogue/LauncherLists.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

TEST(BundledCatalogueData, EveryGroupReadsAndItsMembersAreInTheBundledElementFile) {
    const QDir data(ORBIVOX_BUNDLED_DATA);
    try {
        const QStringList groups = ReadGroupList(data.filePath("SatFiles.SQF"));
        ASSERT_GE(groups.size(), 2);
        EXPECT_TRUE(groups.contains(kStandardGroup));
        EXPECT_NE(groups[0], kStandardGroup);  // the example group is the one in use at start

        QSet<QString> satellites;
        const QStringList elementLines = ReadSqfLines(data.filePath("Kepler/amateur.txt"));
        for (int i = 0; i + 2 < elementLines.size(); i += 3) {
            satellites.insert(elementLines[i].trimmed());
        }
        for (const char* suffix : {"", "II", "III", "IV"}) {
            const QStringList sources =
                ReadSourceList(data.filePath(QStringLiteral("SatSources%1.SQF").arg(suffix)));
            for (int g = 0; g < groups.size(); ++g) {
                EXPECT_TRUE(QFileInfo::exists(ResolveSourcePath(sources[g], data.path())))
                    << suffix << " group " << g;
            }
        }
        for (const QString& group : groups) {
            const auto members = ReadGroupFile(FindGroupFile(data.path(), group));
            EXPECT_FALSE(members.isEmpty()) << group.toStdString();
            for (const GroupMember& member : members) {
                EXPECT_TRUE(satellites.contains(member.name)) << member.name.toStdString();
            }
        }
        ReadProgramList(data.filePath("Program.SQF"));
        EXPECT_FALSE(ReadAuxiliaryList(data.filePath("Auxiliary.SQF")).isEmpty());
    } catch (const SqfError& error) {
        FAIL() << error.what();
    }
}

}  // namespace
}  // namespace orbivox

// The satellites dialog's logic on a copy of the bundled configuration: matching members,
// a new user's group from start to removal, the chosen list's rules, group switches, and the
// element display's values.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "catalogue/ElementDisplay.h"
#include "catalogue/GroupSort.h"
#include "settings/SqfFile.h"
#include "tests/catalogue/CatalogueFixture.h"
#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

QStringList Names(const QList<GroupMember>& members) {
    QStringList names;
    for (const GroupMember& member : members) {
        names.append(member.name);
    }
    return names;
}

TEST(MatchSelection, FirstExactNameInFileOrderAndUnknownMembersDropped) {
    const std::vector<std::string> sets = {"AO-7", "ISS", "SO-50", "ISS"};
    const struct {
        const char* name;
        QStringList members;
        std::vector<int> selected;
    } cases[] = {
        {"member order, not file order", {"SO-50", "AO-7"}, {3, 1}},
        {"first of two sets", {"ISS"}, {2}},
        {"two equal members", {"ISS", "ISS"}, {2, 2}},
        {"unknown and other case dropped", {"iss", "NOAA 19", "AO-7"}, {1}},
        {"none", {"NOAA 19"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QList<GroupMember> members;
        for (const QString& name : c.members) {
            members.append({name, true});
        }
        EXPECT_EQ(MatchSelection(members, sets), c.selected);
    }
}

using SatelliteChoiceTest = CatalogueFixture;

// A new user: a group of their own, satellites from the bundled file, OK, and a later start
// finds them again; then the group is sorted and removed.
TEST_F(SatelliteChoiceTest, NewGroupPickedStoredReloadedSortedAndRemoved) {
    ASSERT_TRUE(AddGroup(context.configFolder, context.sourceListPath, "Field Day").done);
    SatelliteChoice choice(context, readOptions);
    choice.Open(StartSelection(), true);
    choice.BeginGroupChoice();
    const int index = static_cast<int>(choice.ReadGroups().indexOf("Field Day"));
    ASSERT_GE(index, 1);
    ASSERT_TRUE(choice.SwitchGroup(index, nullptr));
    EXPECT_FALSE(choice.SourceExists());  // a new group's source is Kepler\nasa.all
    choice.ChooseMissingSource(Kepler("amateur.txt"));
    choice.FinishGroupSwitch();
    while (!choice.chosen().isEmpty()) {
        choice.DeleteEntry(0);
    }
    EXPECT_EQ(choice.AddSatellite("NOAA 19"), SatelliteChoice::AddResult::Added);
    EXPECT_EQ(choice.AddSatellite("ISS (ZARYA)"), SatelliteChoice::AddResult::Added);
    choice.ToggleOnMap(0);
    const SelectionState accepted = choice.Accept();
    EXPECT_EQ(accepted.group, "Field Day");
    EXPECT_EQ(accepted.workingSlot, 0);  // entries were deleted: letter A works
    EXPECT_EQ(accepted.selected, (std::vector<int>{9, 6}));
    EXPECT_EQ(ReadSourceList(context.sourceListPath).value(index), Kepler("amateur.txt"));

    // Next start: the group file and its source line give the same choice back.
    SatelliteChoice later(context, readOptions);
    later.Open(StartSelection(), true);
    later.BeginGroupChoice();
    ASSERT_TRUE(later.SwitchGroup(index, nullptr));
    ASSERT_TRUE(later.SourceExists());
    ASSERT_TRUE(later.FinishGroupSwitch());
    EXPECT_EQ(later.chosen(), (QList<GroupMember>{{"NOAA 19", false}, {"ISS (ZARYA)", true}}));

    const QString groupFile = FindGroupFile(context.configFolder, "Field Day");
    SaveSortedGroup(context.configFolder, "Field Day", ReadGroupFile(groupFile),
                    {"ISS (ZARYA)", "NOAA 19"});
    EXPECT_EQ(ReadGroupFile(groupFile),
              (QList<GroupMember>{{"ISS (ZARYA)", true}, {"NOAA 19", false}}));

    const QStringList sourcesBefore = ReadSourceList(context.sourceListPath);
    ASSERT_TRUE(RemoveGroup(context.configFolder, context.sourceListPath, index).done);
    EXPECT_FALSE(QFileInfo::exists(groupFile));
    EXPECT_FALSE(ReadGroupList(root.filePath("SatFiles.SQF")).contains("Field Day"));
    const QStringList sourcesAfter = ReadSourceList(context.sourceListPath);
    EXPECT_EQ(sourcesAfter.value(index), sourcesBefore.value(index + 1));
    EXPECT_EQ(sourcesAfter.size(), kSourceListLines);
}

TEST_F(SatelliteChoiceTest, ADownloadedFileIsListedAndBecomesTheGroupsSource) {
    QFile::copy(ORBIVOX_TEST_DATA "/download-elements.txt", Kepler("fresh.txt"));
    QFile::copy(ORBIVOX_TEST_DATA "/download-elements.txt", Kepler("fresh.tle"));
    SatelliteChoice choice(context, readOptions);
    choice.Open(StartSelection(), true);
    const QStringList files = choice.SourceFiles();
    EXPECT_TRUE(files.contains("fresh.txt"));
    EXPECT_FALSE(files.contains("fresh.tle"));  // not a Kepler file by the mask

    ASSERT_TRUE(choice.ChooseSourceFile(Kepler("fresh.txt")));
    EXPECT_TRUE(choice.allNames().contains("ISS (ZARYA)"));
    choice.AddSatellite("ISS (ZARYA)");
    const SelectionState accepted = choice.Accept();
    EXPECT_EQ(accepted.sourceFile, Kepler("fresh.txt"));
    EXPECT_EQ(ReadSourceList(context.sourceListPath).value(0), Kepler("fresh.txt"));
}

// Both files are Windows-1252: a name with an accent in the element file matches the same
// name in the group file.
TEST_F(SatelliteChoiceTest, AccentedNamesMatchBetweenGroupAndElementFile) {
    QFile elements(Kepler("accents.txt"));
    ASSERT_TRUE(elements.open(QIODevice::WriteOnly));
    elements.write(
        "Fus\xE9"
        "e 1\r\n"
        "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0    87\r\n"
        "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518  1058\r\n");
    elements.close();
    SqfWriter()
        .Lines({QStringLiteral("Fus\u00E9e 1"), "+"})
        .Commit(FindGroupFile(context.configFolder, "Amateur"));
    SatelliteChoice choice(context, readOptions);
    choice.Open(StartSelection(), true);
    ASSERT_TRUE(choice.ChooseSourceFile(Kepler("accents.txt")));
    EXPECT_EQ(choice.allNames(), QStringList{QStringLiteral("Fus\u00E9e 1")});
    EXPECT_EQ(Names(choice.chosen()), QStringList{QStringLiteral("Fus\u00E9e 1")});
}

TEST_F(SatelliteChoiceTest, ChosenListRules) {
    // A member missing from the file and a doubled member.
    SqfWriter()
        .Lines({"NOT IN THE FILE", "+", "NOAA 15", "-", "", "+", "NOAA 15", "+", "NOAA 18", "+"})
        .Commit(FindGroupFile(context.configFolder, "Amateur"));
    SelectionState running = StartSelection();
    running.workingSlot = 2;
    SatelliteChoice choice(context, readOptions);
    choice.Open(running, true);
    EXPECT_EQ(Names(choice.chosen()), (QStringList{"NOAA 15", "NOAA 15", "NOAA 18"}));
    EXPECT_EQ(choice.selected()[0], choice.selected()[1]);
    EXPECT_EQ(choice.workingSlot(), 2);  // opened from the menu: the working one stays
    EXPECT_EQ(choice.AddSatellite("NOAA 18"), SatelliteChoice::AddResult::AlreadyChosen);
    EXPECT_EQ(choice.Accept().workingSlot, 2);
    // The missing member is gone from the group file after OK.
    EXPECT_EQ(Names(ReadGroupFile(FindGroupFile(context.configFolder, "Amateur"))),
              (QStringList{"NOAA 15", "NOAA 15", "NOAA 18"}));

    choice.Open(choice.result(), true);
    choice.DeleteEntry(2);
    EXPECT_EQ(choice.workingSlot(), -1);
    EXPECT_TRUE(choice.okEnabled());
    EXPECT_EQ(choice.Accept().workingSlot, 0);

    // 24 entries at most.
    int added = 0;
    SatelliteChoice::AddResult last = SatelliteChoice::AddResult::Added;
    for (const QString& name : choice.allNames()) {
        last = choice.AddSatellite(name);
        added += last == SatelliteChoice::AddResult::Added ? 1 : 0;
    }
    EXPECT_EQ(choice.chosen().size(), kMaxGroupMembers);
    EXPECT_EQ(last, SatelliteChoice::AddResult::TooMany);

    // Cancel hands back what was running when the dialog opened.
    EXPECT_EQ(Names(choice.Cancel().members), (QStringList{"NOAA 15", "NOAA 15", "NOAA 18"}));
    EXPECT_EQ(choice.outcome(), ChoiceOutcome::Cancelled);
}

TEST_F(SatelliteChoiceTest, InfoLineAndButtonsForFilesWithoutSetsOrMembers) {
    SqfWriter().Text("no elements here").Commit(Kepler("empty.txt"));
    SatelliteChoice choice(context, readOptions);
    choice.Open(StartSelection(), true);
    EXPECT_TRUE(choice.okEnabled());

    EXPECT_FALSE(choice.ChooseSourceFile(Kepler("empty.txt")));
    EXPECT_EQ(choice.info(), " no datas found in empty.txt ! ");
    EXPECT_FALSE(choice.okEnabled());
    EXPECT_FALSE(choice.displayEnabled());
    EXPECT_TRUE(choice.allNames().isEmpty());

    // A folder chosen under "All files" is refused with the reason, naming it.
    const QString folder = Kepler("a-folder.txt");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(choice.ChooseSourceFile(folder));
    EXPECT_EQ(choice.info(), "cannot read \"" + folder + "\": it is a folder, not a file");
    EXPECT_FALSE(choice.okEnabled());

    SqfWriter()
        .Lines({"NOT IN THE FILE", "+"})
        .Commit(FindGroupFile(context.configFolder, "Amateur"));
    EXPECT_TRUE(choice.ChooseSourceFile(Kepler("amateur.txt")));
    EXPECT_EQ(choice.info(), " Select stellite(s) or change source file! ");
    EXPECT_FALSE(choice.okEnabled());
    EXPECT_TRUE(choice.displayEnabled());
    choice.AddSatellite("NOAA 19");
    EXPECT_EQ(choice.info(), "");
    EXPECT_TRUE(choice.okEnabled());
}

TEST_F(SatelliteChoiceTest, GroupSwitchFailuresLeaveTheGroupInUse) {
    ASSERT_TRUE(AddGroup(context.configFolder, context.sourceListPath, "Night").done);
    SatelliteChoice choice(context, readOptions);
    choice.Open(StartSelection(), true);
    choice.BeginGroupChoice();
    QFile::remove(FindGroupFile(context.configFolder, "Standard"));
    QString message;
    EXPECT_FALSE(choice.SwitchGroup(1, &message));
    EXPECT_EQ(message, "File Standard.Sat not found!");
    EXPECT_EQ(choice.group(), "Amateur");

    const int night = static_cast<int>(choice.ReadGroups().indexOf("Night"));
    ASSERT_TRUE(choice.SwitchGroup(night, &message));
    EXPECT_EQ(choice.group(), "Night");
    choice.RestoreGroup();  // no source chosen for it
    EXPECT_EQ(choice.group(), "Amateur");
    EXPECT_EQ(choice.groupIndex(), 0);
    EXPECT_EQ(choice.sourceFile(), Kepler("amateur.txt"));
}

TEST(ElementDisplay, TwoLineSetsShowTheirLinesAndVerboseSetsTheirValues) {
    const std::vector<std::string> twoLine = {
        "OSCAR 7 (AO-7)", "1 07530U 74089B   26234.28416044 -.00000040  00000+0  40168-4 0  9996",
        "2 07530 101.9920 248.2218 0012281   7.0849   4.1233 12.53699135368800"};
    const std::vector<std::string> verbose = {"Satellite: AO-10",
                                              "Catalog number: 14129",
                                              "Epoch time:      24123.50000000",
                                              "Element set:     999",
                                              "Inclination:     26.4 deg",
                                              "RA of node:      1.5 deg",
                                              "Eccentricity:    0.6",
                                              "Arg of perigee:  10.25 deg",
                                              "Mean anomaly:    355.5 deg",
                                              "Mean motion:     2.0584 rev/day",
                                              "Decay rate:      -4.0e-07 rev/day^2",
                                              "Epoch rev:       12345",
                                              "Checksum:        300"};
    orbit::ElementReadOptions options;
    options.conversion.century = 2000;
    orbit::SetTable table;
    ASSERT_EQ(orbit::ReadElementLines(twoLine, table, options).count, 1);
    const QStringList shown = ElementDisplayValues(table[1]);
    EXPECT_EQ(shown, (QStringList{"OSCAR 7 (AO-7)", "7530", "74089B  ", "999", "26234.28416044",
                                  GeneralNumber(table[1].epochJulianDate), "36880", "4.1233",
                                  "12.53699135", "101.992", "0.0012281", "7.0849", "248.2218",
                                  "-0.00000040"}));
    EXPECT_EQ(ElementDisplayLabels().size(), shown.size());

    ASSERT_EQ(orbit::ReadElementLines(verbose, table, options).count, 1);
    EXPECT_EQ(
        ElementDisplayValues(table[1]),
        (QStringList{"AO-10", "", "", "000", "24123.5", GeneralNumber(table[1].epochJulianDate),
                     "12345", "355.5", "2.0584", "26.4", "0.6", "10.25", "1.5", "-0.00000040"}));
}

}  // namespace
}  // namespace orbivox

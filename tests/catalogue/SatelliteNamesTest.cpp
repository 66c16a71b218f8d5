// The names list and options: fixed columns and the line limit, lookup by number or
// designator, naming through the element reader, and the bundled list against bundled sets.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "catalogue/SatelliteNames.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

// Columns: 1-5 catalogue number, 7-14 designator, 16-39 name.
NamesList SmallList() {
    NamesList list;
    list.catalogueNumbers = {"25544", "07530", "25544"};
    list.designators = {"98067A  ", "74089B  ", "98067A  "};
    list.names = {"ISS", "AO-7", "ISS again"};
    return list;
}

TEST(SatelliteNames, ReadsFixedColumnsAndStopsAfter1201Lines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kNamesListFile);
    QStringList lines = {
        "25544 98067A   ISS (ZARYA)                  trailing columns are cut",
        "07530 74089B   AO-7      ",
        "27607 02058C",  // a short line: no name
    };
    while (lines.size() < kMaxNamesListLines) {
        lines.append("99999 99999Z   FILLER");
    }
    lines.append("00001 58001A   BEYOND THE LIMIT");
    SqfWriter().Lines(lines).Commit(path);

    const NamesList list = ReadNamesList(path);
    ASSERT_EQ(list.size(), static_cast<std::size_t>(kMaxNamesListLines));
    EXPECT_EQ(list.catalogueNumbers[0], "25544");
    EXPECT_EQ(list.designators[0], "98067A  ");
    EXPECT_EQ(list.names[0], "ISS (ZARYA)");  // columns 16-39, trailing blanks removed
    EXPECT_EQ(list.names[1], "AO-7");
    EXPECT_EQ(list.designators[2], "02058C");
    EXPECT_EQ(list.names[2], "");
    EXPECT_EQ(list.names.back(), "FILLER");
}

TEST(SatelliteNames, FindListNameByCatalogueNumberOrDesignator) {
    const struct {
        const char* name;
        char identifyBy;
        std::string key;
        std::optional<std::string> found;
    } cases[] = {
        {"I finds the first match", 'I', "25544", "ISS"},
        {"D finds by designator", 'D', "74089B  ", "AO-7"},
        {"unknown", 'I', "33591", std::nullopt},
        {"blanks count", 'I', " 25544", std::nullopt},
        {"designator without padding", 'D', "98067A", std::nullopt},
        {"other letters mean I", 'x', "07530", "AO-7"},
        {"I does not look at designators", 'I', "74089B  ", std::nullopt},
    };
    const NamesList list = SmallList();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindListName(list, c.identifyBy, c.key), c.found);
    }
}

// The element reader takes the list through its name hook.
TEST(SatelliteNames, TheElementReaderNamesSetsThroughTheHook) {
    QFile fixture(QStringLiteral(ORBIVOX_TEST_DATA "/download-elements.txt"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const std::vector<std::string> withTitles = orbit::SplitLines(fixture.readAll().toStdString());
    std::vector<std::string> withoutTitles;
    for (std::size_t i = 0; i < withTitles.size(); ++i) {
        if (i % 3 != 0) {
            withoutTitles.push_back(withTitles[i]);
        }
    }
    NameOptions useList;
    useList.useListNames = true;
    NameOptions sourceNames;
    const struct {
        const char* name;
        NameOptions options;
        const std::vector<std::string>* lines;
        std::vector<std::string> shown;
    } cases[] = {
        {"source names",
         sourceNames,
         &withTitles,
         {"OSCAR 7 (AO-7)", "ISS (ZARYA)", "SAUDISAT 1C (SO-50)"}},
        {"list names", useList, &withTitles, {"AO-7", "ISS", "SAUDISAT 1C (SO-50)"}},
        {"no title lines", sourceNames, &withoutTitles, {"AO-7", "ISS"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        orbit::ElementReadOptions readOptions;
        SetNameOptions(readOptions, c.options, SmallList());
        orbit::SetTable table;
        EXPECT_EQ(orbit::ReadElementLines(*c.lines, table, readOptions).names, c.shown);
    }
}

TEST(SatelliteNames, OptionsRoundTripAndAnEmptyIdentificationReadsAsI) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kNameOptionsFile);
    NameOptions written;
    written.useListNames = true;
    written.showWithoutListName = false;
    written.identification = QStringLiteral("D");
    WriteNameOptions(path, written);
    EXPECT_EQ(ReadSqfLines(path), QStringList({"+", "-", "D"}));
    const NameOptions read = ReadNameOptions(path);
    EXPECT_TRUE(read.useListNames);
    EXPECT_FALSE(read.showWithoutListName);
    EXPECT_TRUE(read.byDesignator());

    written.identification.clear();
    WriteNameOptions(path, written);
    EXPECT_EQ(ReadSqfLines(path).value(2), "");
    EXPECT_FALSE(ReadNameOptions(path).byDesignator());
}

TEST(SatelliteNames, TheBundledListNamesEveryBundledSatelliteOnce) {
    const NamesList list = ReadNamesList(QStringLiteral(ORBIVOX_BUNDLED_DATA "/NelvoNames.txt"));
    ASSERT_GT(list.size(), 0u);
    for (std::size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(list.names[i]);
        EXPECT_EQ(list.catalogueNumbers[i].size(), 5u);
        EXPECT_EQ(list.designators[i].size(), 8u);
        EXPECT_FALSE(list.names[i].empty());
        EXPECT_EQ(std::count(list.catalogueNumbers.begin(), list.catalogueNumbers.end(),
                             list.catalogueNumbers[i]),
                  1);
    }
    const NameOptions options =
        ReadNameOptions(QStringLiteral(ORBIVOX_BUNDLED_DATA "/SatNameOpt.SQF"));
    EXPECT_FALSE(options.useListNames);
}

}  // namespace
}  // namespace orbivox

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "catalogue/SatelliteNames.h"
#include "tracking/SqfFile.h"

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

TEST(SatelliteNames, ApplyListNameByCatalogueNumberOrDesignator) {
    NameOptions sourceNames;  // "Use Sat Names from Source File"
    sourceNames.useListNames = false;
    NameOptions listNames;  // "Use Nelvo Names if Available"
    listNames.useListNames = true;
    listNames.showWithoutListName = true;
    NameOptions onlyListed = listNames;  // "Display only Sats with Nelvo Names"
    onlyListed.showWithoutListName = false;
    auto by = [](NameOptions options, const char* identification) {
        options.identification = QLatin1String(identification);
        return options;
    };

    const struct {
        const char* name;
        NameOptions options;
        std::string ownName, catalogueNumber, designator;
        std::string shown;
    } cases[] = {
        {"source names", by(sourceNames, "I"), "ISS (ZARYA)", "25544", "98067A  ", "ISS (ZARYA)"},
        {"I finds the first match", by(listNames, "I"), "ISS (ZARYA)", "25544", "x", "ISS"},
        {"D finds by designator", by(listNames, "D"), "OSCAR 7", "?", "74089B  ", "AO-7"},
        {"I unknown keeps own", by(listNames, "I"), "NOAA 19", "33591", "09005A  ", "NOAA 19"},
        // Only the designator lookup starts from an empty name.
        {"I only listed keeps own", by(onlyListed, "I"), "NOAA 19", "33591", "x", "NOAA 19"},
        {"D only listed hides", by(onlyListed, "D"), "NOAA 19", "x", "09005A  ", ""},
        {"D shows unlisted", by(listNames, "D"), "NOAA 19", "x", "09005A  ", "NOAA 19"},
        {"blanks count", by(listNames, "I"), "own", " 25544", "x", "own"},
        {"designator without padding", by(listNames, "D"), "own", "x", "98067A", "own"},
        {"other letters mean I", by(listNames, "x"), "own", "07530", "98067A  ", "AO-7"},
        {"empty means I", by(listNames, ""), "own", "07530", "98067A  ", "AO-7"},
        // A file without name lines shows only what the list knows, whatever the options.
        {"no name lines, known", by(sourceNames, "I").ForFileWithoutNameLines(), "", "07530", "x",
         "AO-7"},
        {"no name lines, unknown", by(sourceNames, "I").ForFileWithoutNameLines(), "", "33591", "x",
         ""},
        {"no name lines, D", by(listNames, "D").ForFileWithoutNameLines(), "", "x", "74089B  ",
         "AO-7"},
    };
    const NamesList list = SmallList();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ApplyListName(list, c.options, c.ownName, c.catalogueNumber, c.designator),
                  c.shown);
    }
    const NameLookup lookup = NameLookupFor(SmallList(), by(listNames, "I"));
    EXPECT_EQ(lookup("own", "07530", ""), "AO-7");
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

// OMM element files (CSV, XML, JSON) against the same sets as two-line elements: positions,
// names and numbers, refused files that leave the table alone, skipped records, truncated and
// mutated inputs, and an OMM download that lands in the Kepler folder and can be chosen.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cmath>
#include <memory>

#include "catalogue/ElementDisplay.h"
#include "catalogue/ElementDownload.h"
#include "catalogue/ElementFileReader.h"
#include "catalogue/SatelliteNames.h"
#include "orbit/OrbitEngine.h"
#include "orbit/PropagationReport.h"
#include "tests/catalogue/CatalogueFixture.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

std::string Fixture(const char* name) {
    QFile file(QStringLiteral(ORBIVOX_TEST_DATA "/omm/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
}

orbit::ElementReadResult Read(const std::string& text, orbit::SetTable& table,
                              const orbit::ElementReadOptions& options = {}) {
    return ReadElementText(text, table, options);
}

double Distance(const orbit::OrbitVector& a, const orbit::OrbitVector& b) {
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// The same five real sets as two-line elements and in each OMM form. OMM carries the epoch to
// the microsecond, where the two-line columns stop at 1e-8 day (0.864 ms); the publisher's
// microseconds are that value rounded, so the forms agree to millimetres, not metres.
TEST(OmmFiles, EachFormPropagatesWhereTheTwoLineSetsDo) {
    orbit::OrbitEngine twoLine(2026);
    ASSERT_EQ(Read(Fixture("sets.txt"), twoLine.Sets()).count, 5);
    for (const char* form : {"sets.csv", "sets.xml", "sets.json"}) {
        SCOPED_TRACE(form);
        orbit::OrbitEngine omm(2026);
        const orbit::ElementReadResult read = Read(Fixture(form), omm.Sets());
        ASSERT_TRUE(read.fileRead) << read.error;
        EXPECT_EQ(read.format, orbit::ElementFormat::Omm);
        ASSERT_EQ(read.count, 5);
        for (int i = 1; i <= 5; ++i) {
            const orbit::ElementSet& a = twoLine.Sets()[i];
            const orbit::ElementSet& b = omm.Sets()[i];
            SCOPED_TRACE(a.name);
            EXPECT_EQ(b.name, a.name);
            EXPECT_EQ(b.catalogueNumber, a.catalogueNumber);
            EXPECT_EQ(b.internationalDesignator, a.internationalDesignator);
            EXPECT_EQ(b.deepSpaceFlag, a.deepSpaceFlag);
            EXPECT_NEAR(b.epochJulianDate, a.epochJulianDate, 1e-8);
            double worst = 0.0;
            for (int minute = 0; minute <= 1440; minute += 30) {
                const double jd = a.epochJulianDate + minute / 1440.0;
                twoLine.SelectCurrentSet(i);
                const orbit::PropagationResult p = twoLine.Propagate(jd);
                omm.SelectCurrentSet(i);
                const orbit::PropagationResult q = omm.Propagate(jd);
                ASSERT_TRUE(p.ok && q.ok);
                worst = std::max(worst, Distance(p.position, q.position));
            }
            EXPECT_LT(worst, 0.001);  // km
        }
    }
}

TEST(OmmFiles, NumericTextsReadAsTheirNumbersAndTheModelChangeConvertsFromTheRecord) {
    // The other big publisher sends every value as a string.
    const std::string strings = R"json([{"OBJECT_NAME":"ISS (ZARYA)","OBJECT_ID":"1998-067A",
        "EPOCH":"2026-08-22T12:00:46.122912Z","MEAN_MOTION":"15.49570248",
        "ECCENTRICITY":"0.0007668","INCLINATION":"51.6331","RA_OF_ASC_NODE":"331.8814",
        "ARG_OF_PERICENTER":"72.6488","MEAN_ANOMALY":"287.5339","EPHEMERIS_TYPE":"0",
        "CLASSIFICATION_TYPE":"U","NORAD_CAT_ID":"25544","ELEMENT_SET_NO":"999",
        "REV_AT_EPOCH":"58203","BSTAR":"0.00017025","MEAN_MOTION_DOT":"0.00009133",
        "MEAN_MOTION_DDOT":"0"}])json";
    orbit::OrbitEngine numbers(2026), texts(2026);
    ASSERT_EQ(Read(Fixture("sets.json"), numbers.Sets()).count, 5);
    ASSERT_EQ(Read(strings, texts.Sets()).count, 1);
    const orbit::ElementSet& a = numbers.Sets()[3];
    const orbit::ElementSet& b = texts.Sets()[1];
    EXPECT_EQ(b.name, a.name);
    EXPECT_DOUBLE_EQ(b.epochJulianDate, a.epochJulianDate);
    EXPECT_DOUBLE_EQ(b.meanMotion, a.meanMotion);
    EXPECT_DOUBLE_EQ(b.dragTerm, a.dragTerm);
    EXPECT_DOUBLE_EQ(b.meanMotionRate, a.meanMotionRate);

    // With SGP8 a set without drag gets the token drag, and loses it again with SGP4.
    const double navstarDrag = numbers.Sets()[2].dragTerm;
    numbers.SetModel(orbit::ModelChoice::Sgp8);
    EXPECT_DOUBLE_EQ(numbers.Sets()[2].dragTerm, 0.0001);
    EXPECT_DOUBLE_EQ(numbers.Sets()[3].dragTerm, a.dragTerm);
    numbers.SetModel(orbit::ModelChoice::Sgp4);
    EXPECT_DOUBLE_EQ(numbers.Sets()[2].dragTerm, navstarDrag);
    EXPECT_EQ(numbers.Sets()[2].name, "NAVSTAR 43 (USA 132)");
}

TEST(OmmFiles, TheDisplayShowsTheRecordsFields) {
    orbit::SetTable table;
    ASSERT_EQ(Read(Fixture("sets.xml"), table).count, 5);
    EXPECT_EQ(
        ElementDisplayValues(table[3]),
        (QStringList{"ISS (ZARYA)", "25544", "98067A", "999", "2026-08-22T12:00:46.122912",
                     GeneralNumber(table[3].epochJulianDate), "58203", "287.5339", "15.49570248",
                     "51.6331", "0.0007668", "72.6488", "331.8814", "0.00009133"}));
}

// A record with every field, to be spoilt one way at a time.
const std::string kCsvHeader =
    "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
    "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
    "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\n";
const std::string kCsvIss =
    "ISS (ZARYA),1998-067A,2026-08-22T12:00:46.122912,15.49570248,.0007668,51.6331,331.8814,"
    "72.6488,287.5339,0,U,25544,999,58203,.17025E-3,.9133E-4,0\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(OmmFiles, AMalformedFileIsRefusedWithItsReasonAndTheTableKeepsItsSets) {
    const std::string deep = std::string(200, '[') + std::string(200, ']');
    std::string deepXml = "<ndm>";
    for (int i = 0; i < 100; ++i)
        deepXml += "<a>";
    // Entities that expand tenfold at each step, to ten million characters.
    std::string entities = "<!DOCTYPE ndm [<!ENTITY e0 \"aaaaaaaaaa\">";
    for (int i = 1; i < 8; ++i) {
        entities += "<!ENTITY e" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k)
            entities += "&e" + std::to_string(i - 1) + ";";
        entities += "\">";
    }
    entities += "]><ndm><omm><OBJECT_NAME>&e7;</OBJECT_NAME></omm></ndm>";
    const struct {
        const char* what;
        std::string text;
        const char* reason;  // part of the message
    } cases[] = {
        {"missing field", Replaced(kCsvHeader, "EPOCH,", "EPOCH_X,") + kCsvIss,
         "record 1 (ISS (ZARYA)): EPOCH is missing"},
        {"bad date", kCsvHeader + Replaced(kCsvIss, "08-22", "02-30"),
         "EPOCH \"2026-02-30T12:00:46.122912\" is not a date and time"},
        {"not a number", kCsvHeader + Replaced(kCsvIss, "15.49570248", "fast"),
         "MEAN_MOTION \"fast\" is not a number"},
        {"catalogue number too long", kCsvHeader + Replaced(kCsvIss, ",25544,", ",1234567890,"),
         "NORAD_CAT_ID \"1234567890\" is not a catalogue number"},
        {"cell count", kCsvHeader + Replaced(kCsvIss, ",0\n", "\n"), "line 2 has 16 values"},
        {"wrong JSON type", R"([{"OBJECT_NAME":"X","MEAN_MOTION":true}])",
         "record 1: MEAN_MOTION is neither a number nor a text"},
        {"JSON record not an object", "[1]", "record 1 is not a JSON object"},
        {"broken JSON", R"([{"OBJECT_NAME":"X",])", "it is not valid JSON"},
        {"deep JSON", deep, "nested deeper than 32 levels"},
        {"deep XML", deepXml, "nested deeper than 32 levels"},
        {"broken XML", "<ndm><omm><EPOCH>2026</omm></ndm>", "it is not valid XML"},
        {"entity expansion", entities, "entity expansion limit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        orbit::SetTable table;
        ASSERT_EQ(Read(Fixture("sets.txt"), table).count, 5);
        const orbit::ElementReadResult read = Read(c.text, table);
        EXPECT_FALSE(read.fileRead);
        EXPECT_NE(read.error.find(c.reason), std::string::npos) << read.error;
        EXPECT_EQ(table.Count(), 5);
        EXPECT_EQ(table[3].name, "ISS (ZARYA)");
    }
}

TEST(OmmFiles, RecordsForOtherTheoriesAreSkippedAndCounted) {
    const std::string csv = kCsvHeader + kCsvIss +
                            Replaced(Replaced(kCsvIss, "ISS (ZARYA)", "OTHER"), ",0,U,", ",4,U,");
    orbit::SetTable table;
    orbit::ElementReadResult read = Read(csv, table);
    EXPECT_EQ(read.count, 1);
    EXPECT_EQ(read.skipped, 1);

    std::string xml = Fixture("sets.xml");
    xml = Replaced(xml, "<MEAN_ELEMENT_THEORY>SGP4<", "<MEAN_ELEMENT_THEORY>SGP4-XP<");
    read = Read(xml, table);
    EXPECT_EQ(read.count, 4);
    EXPECT_EQ(read.skipped, 1);
    EXPECT_EQ(read.names.front(), "NAVSTAR 43 (USA 132)");
}

// Records past the table's size are still checked one by one: the table fills, the rest is
// said to be left out, and a bad record far beyond the table refuses the file all the same.
TEST(OmmFiles, AFileLargerThanTheTableFillsItAndIsCheckedToTheEnd) {
    std::string csv = kCsvHeader;
    for (int i = 0; i < orbit::kMaxSets + 500; ++i)
        csv += kCsvIss;
    auto table = std::make_unique<orbit::SetTable>();
    orbit::ElementReadResult read = Read(csv, *table);
    ASSERT_TRUE(read.fileRead) << read.error;
    EXPECT_EQ(read.count, orbit::kMaxSets);
    EXPECT_TRUE(read.pastLimit);

    read = Read(csv + Replaced(kCsvIss, "ISS (ZARYA)", "BAD\",1"), *table);
    EXPECT_FALSE(read.fileRead);
    EXPECT_NE(read.error.find(std::to_string(orbit::kMaxSets + 502)), std::string::npos)
        << read.error;
    EXPECT_EQ(table->Count(), orbit::kMaxSets);
}

TEST(OmmFiles, AFileTooLargeIsRefusedNamingIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(100LL * 1000 * 1000));  // sparse: 100 MB of nothing
    file.close();
    orbit::SetTable table;
    const orbit::ElementReadResult read = ReadElementFileByContent(path.toStdString(), table, {});
    EXPECT_FALSE(read.fileRead);
    EXPECT_NE(read.error.find(path.toStdString()), std::string::npos) << read.error;
    EXPECT_NE(read.error.find("too large"), std::string::npos) << read.error;

    WriteBytes(path, QByteArray::fromStdString(kCsvHeader + Replaced(kCsvIss, "08-22", "08-32")));
    const orbit::ElementReadResult bad = ReadElementFileByContent(path.toStdString(), table, {});
    EXPECT_EQ(bad.error, "cannot read \"" + path.toStdString() +
                             "\": record 1 (ISS (ZARYA)): EPOCH \"2026-08-32T12:00:46.122912\" "
                             "is not a date and time");
}

// Every prefix and a run of single-byte changes of each form: a result or a reason, never a
// crash or a hang (run under the sanitizers in CI).
TEST(OmmFiles, TruncatedAndMutatedFilesGiveASetsOrAReason) {
    const char mutations[] = {'\0', '"', '<', '>', '{', '}', '[', ',', '\n', '9', '-', 'Z', '\xff'};
    for (const char* form : {"sets.csv", "sets.xml", "sets.json"}) {
        SCOPED_TRACE(form);
        const std::string text = Fixture(form);
        const auto check = [](const std::string& input) {
            auto table = std::make_unique<orbit::SetTable>();
            const orbit::ElementReadResult read = Read(input, *table);
            if (read.fileRead) {
                EXPECT_LE(read.count, 5);
                EXPECT_EQ(static_cast<size_t>(read.count), read.names.size());
            } else {
                EXPECT_FALSE(read.error.empty());
            }
        };
        for (size_t cut = 0; cut < text.size(); cut += 23)
            check(text.substr(0, cut));
        for (size_t at = 0; at < text.size(); at += 17) {
            std::string mutated = text;
            mutated[at] = mutations[at % sizeof mutations];
            check(mutated);
        }
    }
}

// A catalogue number past 99999, as OMM gives it and as the Alpha-5 two-line form writes it.
TEST(OmmFiles, SixDigitNumbersAreShownWholeAndFoundInTheNamesList) {
    const std::string omm = kCsvHeader + Replaced(kCsvIss, ",25544,", ",100123,");
    // The ISS lines with the number written in the Alpha-5 form (A = 10).
    const std::string alpha5 =
        "ISS (ZARYA)\n"
        "1 A0123U 98067A   26234.50053383  .00009133  00000+0  17025-3 0  9997\n"
        "2 A0123  51.6331 331.8814 0007668  72.6488 287.5339 15.49570248582031\n";
    NamesList list;
    list.catalogueNumbers = {"25544", "100123"};
    list.numberValues = {25544, 100123};
    list.designators = {"98067A  ", "26901A  "};
    list.names = {"ISS", "NEWSAT"};
    orbit::ElementReadOptions options;
    NameOptions names;
    names.useListNames = true;
    SetNameOptions(options, names, list);

    for (const std::string& text : {omm, alpha5}) {
        orbit::OrbitEngine engine(2026);
        const orbit::ElementReadResult plain = Read(text, engine.Sets());
        ASSERT_EQ(plain.count, 1);
        EXPECT_EQ(plain.names, std::vector<std::string>{"ISS (ZARYA)"});
        EXPECT_EQ(ElementDisplayValues(engine.Sets()[1]).value(1), "100123");
        std::ostringstream report;
        orbit::WritePropagationReport(engine, {0.0}, report);
        EXPECT_EQ(report.str().substr(0, 23), "# 1 100123 ISS (ZARYA)\n");
        EXPECT_EQ(Read(text, engine.Sets(), options).names, std::vector<std::string>{"NEWSAT"});
    }
}

TEST(OmmFiles, TheNamesListReadsLongNumbersWholeAndMatchesEitherForm) {
    QTemporaryDir dir;
    const QString path = WriteBytes(dir.filePath("NelvoNames.txt"),
                                    "25544 98067A   ISS\r\n"
                                    "100123 26901A   NEWSAT\r\n"
                                    "A0124 26901B   OTHERSAT\r\n");
    const NamesList list = ReadNamesList(path);
    EXPECT_EQ(list.designators, (std::vector<std::string>{"98067A  ", "26901A  ", "26901B  "}));
    EXPECT_EQ(list.names, (std::vector<std::string>{"ISS", "NEWSAT", "OTHERSAT"}));
    EXPECT_EQ(FindListName(list, 'I', "25544"), "ISS");
    EXPECT_EQ(FindListName(list, 'I', "A0123"), "NEWSAT");
    EXPECT_EQ(FindListName(list, 'I', "100124"), "OTHERSAT");
    // Five digits still compare as text, leading zeros included.
    EXPECT_EQ(FindListName(list, 'I', "2554"), std::nullopt);
}

class OmmDownload : public CatalogueFixture {};

TEST_F(OmmDownload, AnOmmAnswerIsStoredAndCanBeChosen) {
    LocalHttpServer server;
    Answer csv;
    csv.body = QByteArray::fromStdString(Fixture("sets.csv"));
    server.Serve("/gp.php?GROUP=amateur&FORMAT=csv", csv);
    Answer broken;
    broken.body = QByteArray::fromStdString(kCsvHeader + Replaced(kCsvIss, "08-22", "13-22"));
    server.Serve("/broken.csv", broken);

    ElementDownload download(root.path());
    const DownloadReport report =
        download.Run(server.Url("/gp.php?GROUP=amateur&FORMAT=csv#/amateur.txt"));
    ASSERT_TRUE(report.succeeded()) << report.detail.toStdString();
    EXPECT_EQ(report.destination, Kepler("amateur.txt"));

    SatelliteChoice choice(context, readOptions);
    choice.Open(StartSelection(), true);
    EXPECT_TRUE(choice.SourceFiles().contains("amateur.txt"));
    ASSERT_TRUE(choice.ChooseSourceFile(Kepler("amateur.txt")));
    EXPECT_TRUE(choice.allNames().contains("ISS (ZARYA)"));
    EXPECT_TRUE(choice.displayEnabled());

    // A malformed answer is no element data, and the file of that name stays.
    const DownloadReport refused = download.Run(server.Url("/broken.csv#/amateur.txt"));
    EXPECT_EQ(refused.outcome, DownloadOutcome::NoElementData);
    EXPECT_EQ(ReadBytes(Kepler("amateur.txt")), csv.body);
}

TEST_F(OmmDownload, AMalformedSourceFileSaysWhyInTheSatellitesDialog) {
    const QString path =
        WriteBytes(Kepler("broken.json"), R"([{"OBJECT_NAME":"X","EPOCH":"2026-08-22T00:00:00"}])");
    SatelliteChoice choice(context, readOptions);
    choice.Open(StartSelection(), true);
    EXPECT_FALSE(choice.ChooseSourceFile(path));
    EXPECT_EQ(choice.info(), "cannot read \"" + path + "\": record 1 (X): MEAN_MOTION is missing");
    EXPECT_FALSE(choice.okEnabled());
    EXPECT_FALSE(choice.displayEnabled());
}

}  // namespace
}  // namespace orbivox

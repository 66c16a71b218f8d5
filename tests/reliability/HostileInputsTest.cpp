// What each input surface does with empty, huge, binary, wrongly encoded and truncated input
// (docs/robustness.md lists the rows and names these tests). Every reader must answer with
// what it can read or a clear refusal: no crash, no hang, no exception beyond its own.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <random>

#include "catalogue/DestinationName.h"
#include "catalogue/GroupFiles.h"
#include "catalogue/SatelliteNames.h"
#include "catalogue/DownloadCheck.h"
#include "links/ConversationProtocol.h"
#include "orbit/ElementFile.h"
#include "radio/TransponderTable.h"
#include "settings/SqfFile.h"
#include "tests/support/ScratchFiles.h"
#include "tracking/SettingsLoader.h"
#include "tracking/StationSettings.h"

namespace orbivox {
namespace {

constexpr char kLine1[] = "1 25544U 98067A   26001.50000000  .00016717  00000-0  10270-3 0  9001";
constexpr char kLine2[] = "2 25544  51.6400 208.9163 0006317  69.9862  25.2906 15.49560532 10009";

// Bytes from a fixed generator, NULs and every high byte among them.
QByteArray Binary(int size = 4096) {
    std::mt19937 random(20261210);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

QByteArray Repeated(const QByteArray& line, int times) {
    QByteArray bytes;
    bytes.reserve(line.size() * times);
    for (int i = 0; i < times; ++i) {
        bytes += line;
    }
    return bytes;
}

QByteArray TwoLineSet(const QByteArray& title) {
    return title + "\r\n" + kLine1 + "\r\n" + kLine2 + "\r\n";
}

using HostileElementFile = ScratchFolder;

TEST_F(HostileElementFile, EmptyHugeBinaryMisencodedTruncated) {
    const orbit::ElementReadOptions options;
    orbit::SetTable table;
    auto read = [&](const QString& name) {
        return orbit::ReadElementFile(Path(name).toStdString(), table, options);
    };

    Write("empty.txt", "");
    orbit::ElementReadResult r = read("empty.txt");
    EXPECT_TRUE(r.fileRead);
    EXPECT_EQ(r.format, orbit::ElementFormat::None);
    EXPECT_EQ(r.count, 0);

    // Over the limit: refused by its size before a byte is read (the file is sparse).
    {
        QFile huge(Path("huge.txt"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(static_cast<qint64>(orbit::kMaxElementFileBytes) + 1));
    }
    r = read("huge.txt");
    EXPECT_FALSE(r.fileRead);
    EXPECT_NE(r.error.find("too large for an element file"), std::string::npos) << r.error;

    Write("binary.txt", Binary());
    r = read("binary.txt");
    EXPECT_TRUE(r.fileRead);
    EXPECT_EQ(r.count, 0);

    // A title written in UTF-8 is read as Windows-1252: every byte kept, as its own letter.
    Write("utf8.txt", TwoLineSet("M\xC3\xBCller"));
    r = read("utf8.txt");
    ASSERT_EQ(r.count, 1);
    EXPECT_EQ(r.names.at(0), "M\u00C3\u00BCller");

    // The second set ends inside its first line: the whole first set is kept.
    Write("truncated.txt", TwoLineSet("FIRST") + "SECOND\r\n" + QByteArray(kLine1).left(30));
    r = read("truncated.txt");
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.names, std::vector<std::string>{"FIRST"});
}

using HostileSettingsFile = ScratchFolder;

// SatIni.SQF stands for the settings files: each reader reads its lines through SqfReader,
// so a file without the numbers it needs is refused by name and the start-up ends with the
// loader's message; what it does not need is ignored.
TEST_F(HostileSettingsFile, EmptyHugeBinaryMisencodedTruncated) {
    const QByteArray good = ReadBytes(QStringLiteral(ORBIVOX_BUNDLED_DATA "/SatIni.SQF"));
    const QStringList goodLines = ReadSqfLines(QStringLiteral(ORBIVOX_BUNDLED_DATA "/SatIni.SQF"));
    auto refused = [&](const QByteArray& bytes) {
        try {
            ReadStationSettings(Write("SatIni.SQF", bytes));
        } catch (const SqfError& error) {
            return error.fileName() == QLatin1String("SatIni.SQF");
        }
        return false;
    };

    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused(Binary()));
    EXPECT_TRUE(refused(good.left(good.indexOf("\r\n", good.indexOf("\r\n") + 2))));

    // A million lines after the fifteen it knows are ignored.
    const StationSettings huge =
        ReadStationSettings(Write("SatIni.SQF", good + Repeated("x\r\n", 1'000'000)));
    EXPECT_EQ(huge.locator, goodLines.at(1));

    // A UTF-8 locator reads as its Windows-1252 letters, nothing dropped.
    QByteArray utf8 = good;
    utf8.replace(goodLines.at(1).toLatin1(), "J\xC3\xA9");
    EXPECT_EQ(ReadStationSettings(Write("SatIni.SQF", utf8)).locator,
              QStringLiteral("J\u00C3\u00A9"));
}

// Every settings file of a configuration folder, replaced by each hostile input in turn:
// the loader either reads on or names a file in its failure; it never throws past itself.
TEST_F(HostileSettingsFile, LoaderNamesTheFileItCannotRead) {
    const QString data = QStringLiteral(ORBIVOX_BUNDLED_DATA "/");
    const QString root = dir_.path() + QLatin1Char('/');
    QStringList names = QDir(data).entryList(QDir::Files);
    QDir().mkpath(root + QStringLiteral("Radio2"));
    for (const QString& name : QDir(data + QStringLiteral("Radio2")).entryList(QDir::Files)) {
        names.append(QStringLiteral("Radio2/") + name);
    }
    for (const QString& name : names) {
        WriteBytes(root + name, ReadBytes(data + name));
    }
    Folders folders;
    folders.mainDataFolder = folders.configDataFolder = folders.dataRoot = root;
    {
        LoadedSettings defaults;
        ASSERT_FALSE(RunSettingsLoader(folders, defaults, [] {}));
    }
    int refusals = 0;
    const std::vector<std::pair<const char*, QByteArray>> inputs = {
        {"empty", ""}, {"binary", Binary()}, {"truncated", "+\r\n12"}};
    for (const QString& name : names) {
        for (const auto& [kind, bytes] : inputs) {
            SCOPED_TRACE(name.toStdString() + ", " + kind);
            WriteBytes(root + name, bytes);
            LoadedSettings settings;
            const std::optional<LoaderFailure> failure =
                RunSettingsLoader(folders, settings, [] {});
            if (failure) {
                ++refusals;
                EXPECT_TRUE(failure->label.endsWith(QStringLiteral(".SQF")) ||
                            failure->label.endsWith(QStringLiteral(".Sat")) ||
                            failure->label.endsWith(QStringLiteral(".txt")))
                    << failure->label.toStdString();
            }
        }
        WriteBytes(root + name, ReadBytes(data + name));
    }
    // The files that must hold numbers were refused, the rest read on.
    EXPECT_GT(refusals, 0);
}

using HostileTransponderTable = ScratchFolder;

TEST_F(HostileTransponderTable, EmptyHugeBinaryMisencodedTruncated) {
    auto read = [&](const QByteArray& bytes) {
        return ReadTransponderTableWithProblems(Write("Doppler.SQF", bytes));
    };

    TransponderTableRead r = read("");
    EXPECT_TRUE(r.entries.isEmpty());
    EXPECT_TRUE(r.problem.isEmpty());

    // The table has no size limit: every line of a very long merged list is an entry.
    r = read(Repeated("AO-7,145950,432150,USB,LSB,REV,0,0\r\n", 200'000));
    EXPECT_EQ(r.entries.size(), 200'000);
    EXPECT_EQ(r.entries.last().lineNumber, 200'000);

    // Binary lines become entries whose numbers read 0, and the warning names the file.
    r = read(Binary());
    EXPECT_FALSE(r.entries.isEmpty());
    for (const TransponderEntry& entry : r.entries) {
        EXPECT_TRUE(std::isfinite(entry.downlinkKHz) && std::isfinite(entry.uplinkKHz));
    }
    EXPECT_TRUE(r.problem.contains(QLatin1String("Doppler.SQF"))) << r.problem.toStdString();

    r = read("M\xC3\xBCller,145950,0,FM,FM,NOR,0,0\r\n");
    ASSERT_EQ(r.entries.size(), 1);
    EXPECT_EQ(r.entries[0].satelliteName, QStringLiteral("M\u00C3\u00BCller"));

    // The file ends inside the downlink field: the entry keeps what is there.
    r = read("AO-7,145950,432150,USB,LSB,REV,0,0\r\nFO-29,4358");
    ASSERT_EQ(r.entries.size(), 2);
    EXPECT_EQ(r.entries[1].downlinkKHz, 4358);
    EXPECT_EQ(r.entries[1].uplinkKHz, 0);
    EXPECT_TRUE(r.problem.isEmpty());
}

using HostileCatalogueFiles = ScratchFolder;

TEST_F(HostileCatalogueFiles, EmptyHugeBinaryMisencodedTruncated) {
    EXPECT_TRUE(ReadGroupFile(Write("Empty.Sat", "")).isEmpty());
    EXPECT_EQ(ReadNamesList(Write("Empty.txt", "")).size(), 0u);
    EXPECT_EQ(ReadSourceList(Write("Empty.SQF", "")), QStringList(kSourceListLines, QString()));

    // Long files are read only as far as the lists go.
    EXPECT_EQ(ReadGroupFile(Write("Huge.Sat", Repeated("SAT\r\n+\r\n", 100'000))).size(),
              kMaxGroupMembers);
    EXPECT_EQ(ReadNamesList(Write("Huge.txt", Repeated("25544 98067A   ISS\r\n", 100'000))).size(),
              static_cast<std::size_t>(kMaxNamesListLines));
    EXPECT_EQ(ReadSourceList(Write("Huge.SQF", Repeated("Kepler\\a.txt\r\n", 100'000))).size(),
              kSourceListLines);

    EXPECT_LE(ReadGroupFile(Write("Binary.Sat", Binary())).size(), kMaxGroupMembers);
    EXPECT_LE(ReadNamesList(Write("Binary.txt", Binary())).size(),
              static_cast<std::size_t>(kMaxNamesListLines));

    EXPECT_EQ(ReadGroupFile(Write("Utf8.Sat", "M\xC3\xBCller\r\n+\r\n")),
              (QList<GroupMember>{{QStringLiteral("M\u00C3\u00BCller"), true}}));

    // A name whose "+" line is missing is on the list, not on the map.
    EXPECT_EQ(
        ReadGroupFile(Write("Cut.Sat", "AO-7\r\n+\r\nFO-29")),
        (QList<GroupMember>{{QStringLiteral("AO-7"), true}, {QStringLiteral("FO-29"), false}}));
    const NamesList cut = ReadNamesList(Write("Cut.txt", "25544 98067A   IS"));
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut.names[0], "IS");
}

TEST(HostileDownload, EmptyHugeBinaryMisencodedTruncated) {
    auto stored = [](const QByteArray& body) {
        return !DownloadBodyProblem(std::string_view(body.constData(), body.size()));
    };
    const QByteArray pair = QByteArray(kLine1) + "\n" + kLine2 + "\n";
    EXPECT_TRUE(stored(pair));
    EXPECT_FALSE(stored(""));
    EXPECT_FALSE(stored(Repeated("<p>no elements here</p>\n", 500'000)));
    // Other text around a good pair is not stored either.
    EXPECT_FALSE(stored(Repeated("<p>no elements here</p>\n", 500'000) + pair));
    EXPECT_FALSE(stored(Binary()));
    EXPECT_FALSE(stored(pair + Binary()));
    // UTF-16 text is not two-line data, however it reads on screen.
    const QString utf16 = QString::fromLatin1(pair);
    EXPECT_FALSE(stored(QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2)));
    EXPECT_FALSE(stored(QByteArray(kLine1) + "\n"));
    EXPECT_FALSE(stored(pair.left(pair.size() - 10)));

    // An address whose last part cannot name a file in the Kepler folder is refused.
    EXPECT_FALSE(DestinationNameProblem(DestinationName(QString())).isEmpty());
    EXPECT_FALSE(
        DestinationNameProblem(DestinationName(QStringLiteral("http://host/.."))).isEmpty());
    EXPECT_FALSE(
        DestinationNameProblem(DestinationName(QString::fromLatin1(Binary(64)))).isEmpty());
}

TEST(HostileConversationLine, EmptyBinaryMisencodedTruncated) {
    EXPECT_EQ(ParseConversationLine("").verb, ConversationVerb::Unknown);
    EXPECT_EQ(ParseConversationLine(Binary()).verb, ConversationVerb::BadText);
    EXPECT_EQ(ParseConversationLine("POKE Sat M\xFCller").verb, ConversationVerb::BadText);
    // Cut after the item: the poke carries an empty text; cut inside a UTF-8 letter: bad text.
    const ConversationLine cut = ParseConversationLine("POKE Sat");
    EXPECT_EQ(cut.verb, ConversationVerb::Poke);
    EXPECT_EQ(cut.name, QStringLiteral("Sat"));
    EXPECT_TRUE(cut.text.isEmpty());
    EXPECT_EQ(ParseConversationLine("POKE Sat M\xC3").verb, ConversationVerb::BadText);
}

}  // namespace
}  // namespace orbivox

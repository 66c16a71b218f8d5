// The download rules: which bodies may be stored, the stored file's name and the names
// refused, and the address list, including every address shipped in the bundled data.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <QUrl>

#include "catalogue/DestinationName.h"
#include "catalogue/DownloadAddresses.h"
#include "catalogue/DownloadCheck.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

constexpr char kTitle[] = "ISS (ZARYA)             ";
constexpr char kLine1[] = "1 25544U 98067A   26234.50053383  .00009133  00000+0  17025-3 0  9997";
constexpr char kLine2[] = "2 25544  51.6331 331.8814 0007668  72.6488 287.5339 15.49570248582031";
constexpr char kLine1b[] = "1 07530U 74089B   26234.28416044 -.00000040  00000+0  40168-4 0  9996";
constexpr char kLine2b[] = "2 07530 101.9920 248.2218 0012281   7.0849   4.1233 12.53699135368800";

std::string Set(const std::string& title, const std::string& line1, const std::string& line2) {
    return (title.empty() ? std::string() : title + "\r\n") + line1 + "\r\n" + line2 + "\r\n";
}

std::string Changed(std::string line, size_t column, char c) {
    line[column - 1] = c;
    return line;
}

std::string VerboseSet(const std::string& name, const std::string& inclination = "46.7916") {
    return "Satellite: " + name +
           "\nCatalog number: 11801\nEpoch time:      80230.29629788\nElement set:     13\n"
           "Inclination:       " + inclination +
           " deg\nRA of node:       230.4354 deg\nEccentricity:     0.7318036\n"
           "Arg of perigee:    47.4722 deg\nMean anomaly:      10.4117 deg\n"
           "Mean motion:    2.28537848 rev/day\nDecay rate:     1.431103e-02 rev/day^2\n"
           "Epoch rev:              13\nChecksum:              300\n";
}

// Only a body that is element sets from its first line to its last is stored; the reason
// names the first line that is not.
TEST(DownloadCheck, StoresOnlyWholeSetsThroughout) {
    const std::string good = Set(kTitle, kLine1, kLine2) + Set("OSCAR 7", kLine1b, kLine2b);
    const struct {
        const char* what;
        std::string body;
        const char* reason;  // a part of the reason, or nullptr when it may be stored
    } cases[] = {
        {"titled sets", good, nullptr},
        {"sets without titles, LF only, blank lines",
         std::string(kLine1) + "\n" + kLine2 + "\n\n" + kLine1b + "\n" + kLine2b + "\n\n", nullptr},
        {"no final line end", std::string(kLine1) + "\n" + kLine2, nullptr},
        {"trailing blanks", std::string(kLine1) + "  \n" + kLine2 + " \t\n", nullptr},
        {"verbose sets", VerboseSet("AO-10") + VerboseSet("AO-13") + "\n", nullptr},
        {"empty", "", "no two-line, verbose or OMM element set"},
        {"a pair in name only", "1 hello\r\n2 world\r\n", "line 1 is no line 1 of a set"},
        {"an HTML page", "<html><body>1 2 3</body></html>\n", "no two-line, verbose or OMM"},
        {"a pair and then an HTML page",
         Set(kTitle, kLine1, kLine2) + "<html>\n<body>Error 503</body>\n</html>\n",
         "line 5 is no line 1 of a set: it does not begin \"1 \""},
        {"cut inside line 2", good.substr(0, good.size() - 30),
         "line 6 is no line 2 of a set: it has"},
        {"cut after a line 1", Set(kTitle, kLine1, kLine2) + "OSCAR 7\r\n" + kLine1b + "\r\n",
         "the body ends after line 5, before the line 2 of its last set"},
        {"cut after a title", Set(kTitle, kLine1, kLine2) + "OSCAR 7\r\n",
         "the body ends after line 4, before the line 1"},
        {"two titles", "OSCAR 7\r\nAO-7\r\n" + Set("", kLine1b, kLine2b),
         "line 2 is no line 1 of a set"},
        {"a wrong checksum", Set(kTitle, Changed(kLine1, 69, '8'), kLine2),
         "line 2 is no line 1 of a set: its checksum is 7, column 69 says 8"},
        {"a letter in a number", Set(kTitle, kLine1, Changed(kLine2, 12, 'x')),
         "columns 9-16 hold no inclination"},
        {"line 2 of another satellite", Set(kTitle, kLine1, kLine2b),
         "its catalogue number is not that of line 1"},
        {"a line 2 alone", std::string(kLine2) + "\n", "no two-line, verbose or OMM"},
        {"a verbose set without its last value",
         VerboseSet("AO-10") + "Satellite: AO-13\nEpoch time: 80230.29\n",
         "before the \"nation:\" value"},
        {"a verbose value that is no number", VerboseSet("AO-10", "high") + "\n",
         "its \"nation:\" value is no number"},
        {"text before the first verbose set", "Hello\n" + VerboseSet("AO-10") + "\n",
         "before the first \"Satellite:\" line"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<QString> problem = DownloadBodyProblem(c.body);
        if (c.reason == nullptr) {
            EXPECT_EQ(problem, std::nullopt) << problem->toStdString();
        } else {
            ASSERT_TRUE(problem);
            EXPECT_TRUE(problem->contains(QLatin1String(c.reason))) << problem->toStdString();
        }
    }
}

TEST(DestinationName, IsTheLastSegmentOfTheAddressAsWritten) {
    const struct {
        const char* address;
        const char* name;
    } cases[] = {
        {"https://celestrak.org/NORAD/elements/amateur.txt", "amateur.txt"},
        {"http://host/dir\\sub\\keps.tle", "keps.tle"},
        {"https://celestrak.org/NORAD/elements/gp.php?GROUP=noaa&FORMAT=tle#/noaa.txt", "noaa.txt"},
        {"http://host/a%2Fb.txt", "a%2Fb.txt"},  // not decoded: no way out of the folder
        {"http://host/", ""},
        {"  http://host/x.txt  ", "x.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(DestinationName(QString::fromLatin1(c.address)), QLatin1String(c.name));
    }
}

TEST(DestinationName, RefusesNamesThatAreNoFileInTheKeplerFolder) {
    for (const QString& bad :
         {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("a/b"),
          QStringLiteral("a\\b"), QStringLiteral("keps\n.txt"), QStringLiteral("keps\x7f")}) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_TRUE(DestinationNameProblem(bad).startsWith("Cannot store the download: "));
    }
    for (const QString& good : {QStringLiteral("amateur.txt"), QStringLiteral("..keps"),
                                QStringLiteral("nasa.all"), QStringLiteral("Orbs0826.txt")}) {
        EXPECT_EQ(DestinationNameProblem(good), QString()) << good.toStdString();
    }
}

// A query is no part of a file name: an address with one names its file after "#/".
TEST(DestinationName, AnAddressWithAQueryNeedsItsNameAfterHashSlash) {
    const struct {
        const char* address;
        bool refusedForTheQuery;
    } cases[] = {
        {"http://host/fresh.txt?GROUP=x", true},
        {"http://host/gp.php?GROUP=x&FORMAT=tle", true},
        {"http://host/get?file=dir/keps.txt", true},  // a segment of the query is no name either
        {"http://host/fresh.txt?GROUP=x#top", true},
        {"http://host/gp.php?GROUP=x#/fresh.txt", false},
        {"http://host/fresh.txt", false},
        {"http://host/fresh.txt#/other.txt", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        const QString problem = DestinationProblem(QString::fromLatin1(c.address));
        EXPECT_EQ(problem.contains("#/"), c.refusedForTheQuery) << problem.toStdString();
        if (!c.refusedForTheQuery) {
            EXPECT_EQ(problem, QString());
        }
    }
    // The name's own rules still hold for an address without a query.
    EXPECT_EQ(DestinationProblem(QStringLiteral("http://host/")),
              DestinationNameProblem(QString()));
}

TEST(DownloadAddresses, SkipsCommentsAndBlankLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(kDownloadAddressFile));
    SqfWriter()
        .Lines({"; comment", "http://a/one.txt", "", "  http://a/two.txt ", ";http://a/no.txt"})
        .Commit(path);
    EXPECT_EQ(ReadDownloadAddresses(path), QStringList({"http://a/one.txt", "http://a/two.txt"}));
    EXPECT_THROW(ReadDownloadAddresses(dir.filePath("missing.SQF")), SqfError);
}

TEST(DownloadAddresses, EveryShippedAddressIsHttpsAndNamesAFileTheSatellitesDialogLists) {
    const QStringList addresses =
        ReadDownloadAddresses(QStringLiteral(ORBIVOX_BUNDLED_DATA "/Celestrak.SQF"));
    ASSERT_FALSE(addresses.isEmpty());
    for (const QString& address : addresses) {
        SCOPED_TRACE(address.toStdString());
        const QUrl url(address);
        EXPECT_TRUE(url.isValid());
        EXPECT_EQ(url.scheme(), "https");
        const QString name = DestinationName(address);
        EXPECT_EQ(DestinationProblem(address), QString());
        EXPECT_TRUE(name.endsWith(".txt"));  // the bundled source file mask is "*.txt"
    }
}

}  // namespace
}  // namespace orbivox

// The download rules: which files hold two-line pairs, the stored file's name and the names
// refused, and the address list, including every address shipped in the bundled data.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <QUrl>

#include "catalogue/DestinationName.h"
#include "catalogue/DownloadAddresses.h"
#include "catalogue/TwoLineCheck.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

bool Holds(const QByteArray& text) {
    QByteArray copy = text;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return HoldsTwoLineData(buffer);
}

TEST(TwoLineCheck, FindsAPairOnlyWhereLineTwoFollowsLineOne) {
    const struct {
        const char* text;
        bool holds;
    } cases[] = {
        {"", false},
        {"ISS\r\n1 25544U\r\n2 25544\r\n", true},
        {"1 25544U\n2 25544", true},  // LF only, no final line end
        {"<html>\n<body>no elements</body>\n", false},
        {"1 a\r\n", false},         // a line 1 at the end has no partner
        {"2 b\r\n1 a\r\n", false},  // wrong order
        // The second "1 " is taken as the partner and fails, the "2 " is then tested as a
        // first line and fails too.
        {"1 a\r\n1 b\r\n2 c\r\n", false},
        {"1 a\r\n1 b\r\n2 c\r\n1 d\r\n2 e\r\n", true},  // a later proper pair counts
        {"x\r\n1 a\r\nx\r\n2 b\r\n", false},
        {" 1 a\r\n 2 b\r\n", false},  // the digit must stand first
        {"1a\r\n2 b\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Holds(c.text), c.holds);
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

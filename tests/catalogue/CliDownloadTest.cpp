// The tool's download command against a local HTTP server: one message line per address, the
// exit code when any failed, the address list as default, bad usage, and fetching politely:
// conditional fetches, the two-hour rule and --if-older.
#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "settings/SqfFile.h"
#include "tests/support/LocalHttpServer.h"

namespace orbivox {
namespace {

using namespace std::chrono_literals;

struct CliRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

class CliDownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile fixture(QStringLiteral(ORBIVOX_TEST_DATA "/download-elements.txt"));
        ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
        elements = fixture.readAll();
        Answer good;
        good.body = elements;
        server.Serve("/amateur.txt", good);
        Answer page;
        page.body = "<html><body>Elements moved</body></html>\n";
        server.Serve("/index.html", page);
        mainData = home.filePath(".local/share/Orbivox32/");
        QDir().mkpath(mainData);
    }

    // Runs the tool while this thread keeps serving HTTP.
    CliRun Run(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_DATA_HOME", home.filePath(".local/share"));
        env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
        process.setProcessEnvironment(env);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(60s, &loop, &QEventLoop::quit);
        process.start(QStringLiteral(ORBIVOX_CLI), QStringList{"download"} + args);
        loop.exec();
        EXPECT_EQ(process.state(), QProcess::NotRunning) << "orbivox download did not end";
        process.waitForFinished(1000);
        return {process.exitCode(),
                QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QStringList KeplerFiles() const {
        return QDir(mainData + "Kepler").entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir home;
    QString mainData;
    LocalHttpServer server;
    QByteArray elements;
};

TEST_F(CliDownloadTest, PrintsOneMessageLinePerAddressAndFailsIfAnyFailed) {
    quint16 closedPort = 0;
    {
        LocalHttpServer gone;
        closedPort = gone.port();
    }
    const CliRun run =
        Run({server.Url("/amateur.txt"), server.Url("/index.html"), server.Url("/missing.txt"),
             QStringLiteral("http://127.0.0.1:%1/keps.txt").arg(closedPort)});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringList({"Download succesful!", "No Keplerian data found!",
                                    "Download failed", "Download failed"}));
    EXPECT_TRUE(run.err.contains("/missing.txt: HTTP status 404")) << run.err.toStdString();
    EXPECT_EQ(KeplerFiles(), QStringList{"amateur.txt"});
    QFile stored(mainData + "Kepler/amateur.txt");
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), elements);
    EXPECT_FALSE(QFile::exists(mainData + "InterKeps.txt"));
    EXPECT_FALSE(QFile::exists(mainData + "InterKeps2.txt"));
}

TEST_F(CliDownloadTest, WithoutAddressesFetchesTheListAndSucceedsWhenAllDid) {
    SqfWriter()
        .Lines({"; the station's list", server.Url("/amateur.txt"),
                server.Url("/amateur.txt?again#/second.txt")})
        .Commit(mainData + "Celestrak.SQF");
    server.Serve("/amateur.txt?again", [&] {
        Answer good;
        good.body = elements;
        return good;
    }());
    const CliRun run = Run({});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringList({"Download succesful!", "Download succesful!"}));
    EXPECT_EQ(KeplerFiles(), QStringList({"amateur.txt", "second.txt"}));
}

TEST_F(CliDownloadTest, BadUsageAndAMissingListAreReported) {
    EXPECT_EQ(Run({"--timeout"}).exitCode, 2);
    EXPECT_EQ(Run({"--no-such-option"}).exitCode, 2);
    const CliRun noList = Run({});
    EXPECT_EQ(noList.exitCode, 1);
    EXPECT_TRUE(noList.err.contains("Celestrak.SQF")) << noList.err.toStdString();
    const CliRun refused = Run({server.Url("/")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out.value(0),
              "Cannot store the download: the address does not end in a file name.");
    EXPECT_TRUE(server.requests().isEmpty());
}

// The stored file is named after the address's last segment; with a query that segment is no
// file name, so the tool asks for "#/NAME" and fetches nothing, and a file already stored
// under the plain name stays as it was.
TEST_F(CliDownloadTest, AnAddressWithAQueryIsRefusedUntilItNamesItsFile) {
    server.Serve("/fresh.txt?GROUP=x", [&] {
        Answer good;
        good.body = elements;
        return good;
    }());
    QDir().mkpath(mainData + "Kepler");
    SqfWriter().Lines({"an older file"}).Commit(mainData + "Kepler/fresh.txt");

    const CliRun refused = Run({server.Url("/fresh.txt?GROUP=x")});
    EXPECT_EQ(refused.exitCode, 1);
    ASSERT_EQ(refused.out.size(), 1);
    EXPECT_TRUE(refused.out[0].startsWith("Cannot store the download: "))
        << refused.out[0].toStdString();
    EXPECT_TRUE(refused.out[0].contains("#/")) << refused.out[0].toStdString();
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(KeplerFiles(), QStringList{"fresh.txt"});
    QFile older(mainData + "Kepler/fresh.txt");
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_TRUE(older.readAll().startsWith("an older file"));
    older.close();

    const CliRun named = Run({server.Url("/fresh.txt?GROUP=x#/fresh.txt")});
    EXPECT_EQ(named.exitCode, 0) << named.err.toStdString();
    EXPECT_EQ(named.out, QStringList{"Download succesful!"});
    EXPECT_EQ(KeplerFiles(), QStringList{"fresh.txt"});
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), elements);
}

// The first fetch stores the file and its validators; a second within two hours is skipped;
// with --force it is conditional, and a 304 keeps the file.
TEST_F(CliDownloadTest, FetchesAnAddressOnceInTwoHoursAndThenOnlyIfChanged) {
    Answer good;
    good.body = elements;
    good.headers = {{"Last-Modified", "Thu, 10 Dec 2026 08:00:00 GMT"}, {"ETag", "\"v1\""}};
    server.Serve("/amateur.txt", good);
    const QString address = server.Url("/amateur.txt");
    const CliRun first = Run({address});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringList{"Download succesful!"});
    EXPECT_FALSE(server.requests()[0].headers.contains("if-modified-since"));
    const QStringList record = ReadSqfLines(mainData + "Downloads.SQF").mid(1);
    ASSERT_EQ(record.size(), 4);
    EXPECT_EQ(record[0], address);
    EXPECT_EQ(record[2], "Thu, 10 Dec 2026 08:00:00 GMT");
    EXPECT_EQ(record[3], "\"v1\"");

    const CliRun again = Run({address});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, QStringList{"amateur.txt: fetched less than two hours ago"});
    EXPECT_EQ(server.requests().size(), 1);

    Answer same;
    same.status = 304;
    same.reason = "Not Modified";
    server.Serve("/amateur.txt", same);
    const CliRun forced = Run({"--force", address});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_EQ(forced.out, QStringList{"amateur.txt: not modified"});
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests()[1].headers.value("if-modified-since"),
              "Thu, 10 Dec 2026 08:00:00 GMT");
    EXPECT_EQ(server.requests()[1].headers.value("if-none-match"), "\"v1\"");
    QFile stored(mainData + "Kepler/amateur.txt");
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), elements);
    EXPECT_FALSE(QFile::exists(mainData + "InterKeps.txt"));

    // A file that is gone is fetched whole: a 304 must not stand in for it.
    stored.close();
    QFile::remove(mainData + "Kepler/amateur.txt");
    server.Serve("/amateur.txt", good);
    const CliRun gone = Run({"--force", address});
    EXPECT_EQ(gone.out, QStringList{"Download succesful!"});
    EXPECT_FALSE(server.requests()[2].headers.contains("if-modified-since"));
    EXPECT_FALSE(server.requests()[2].headers.contains("if-none-match"));
}

// --if-older looks at the stored file's newest epoch (the fixture's are from 2026).
TEST_F(CliDownloadTest, IfOlderFetchesOnlyForAFileOlderThanTheDaysGiven) {
    QDir().mkpath(mainData + "Kepler");
    QFile::copy(QStringLiteral(ORBIVOX_TEST_DATA "/download-elements.txt"),
                mainData + "Kepler/amateur.txt");
    const QString address = server.Url("/amateur.txt");
    const CliRun fresh = Run({"--if-older", "3650", address});
    EXPECT_EQ(fresh.exitCode, 0);
    EXPECT_EQ(fresh.out, QStringList{"amateur.txt: fresh enough"});
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(QFile::exists(mainData + "Downloads.SQF"));

    const CliRun old = Run({"--if-older", "0.5", address});
    EXPECT_EQ(old.exitCode, 0) << old.err.toStdString();
    EXPECT_EQ(old.out, QStringList{"Download succesful!"});
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(Run({"--if-older", "0"}).exitCode, 2);
    EXPECT_EQ(Run({"--if-older", "two"}).exitCode, 2);
}

}  // namespace
}  // namespace orbivox

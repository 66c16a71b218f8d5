// Downloads against a local HTTP server: the message for each answer, an older file kept on
// failure, refused names, cancel and the lock, and an unwritable Kepler folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "catalogue/ElementDownload.h"
#include "tests/support/LocalHttpServer.h"

namespace orbivox {
namespace {

using namespace std::chrono_literals;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Elements() {
    return ReadAll(QStringLiteral(ORBIVOX_TEST_DATA "/download-elements.txt"));
}

// More than the 16 MiB any element file may have, and shaped like elements, so that only
// the size limit can refuse it.
QByteArray Oversized() {
    QByteArray pair = Elements();
    QByteArray body;
    body.reserve(kDefaultMaxBodyBytes + pair.size() * 2);
    while (body.size() <= kDefaultMaxBodyBytes) {
        body += pair;
    }
    return body;
}

class ElementDownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        Answer good;
        good.body = Elements();
        server.Serve("/amateur.txt", good);
        server.Serve("/gp.php?GROUP=amateur&FORMAT=tle", good);
        Answer page;
        page.body = "<html><head><title>Elements</title></head><body>1 2 3</body></html>\n";
        server.Serve("/page.html", page);
        Answer slow;
        slow.silent = true;
        server.Serve("/slow.txt", slow);
        Answer huge;
        huge.body = Oversized();
        huge.announceLength = false;
        server.Serve("/huge.txt", huge);
        server.Serve("/moved.txt", Redirect(301, "/amateur.txt"));
        options.idleTimeout = 300ms;
    }

    QString Kepler(const QString& name = QString()) const {
        return dir.filePath(QStringLiteral("Kepler/") + name);
    }
    QStringList KeplerFiles() const { return QDir(Kepler()).entryList(QDir::Files, QDir::Name); }
    void ExpectNoTemporaries() const {
        EXPECT_FALSE(QFile::exists(dir.filePath(kFirstTemporary)));
        EXPECT_FALSE(QFile::exists(dir.filePath(kSecondTemporary)));
    }

    QTemporaryDir dir;
    LocalHttpServer server;
    HttpOptions options;
};

TEST_F(ElementDownloadTest, EachAnswerGetsItsMessageAndOnlyElementsAreStored) {
    const struct {
        const char* address;  // on the local server
        const char* message;
        const char* stored;  // the file that must exist afterwards, or ""
    } cases[] = {
        {"/amateur.txt", kDownloadSucceeded, "amateur.txt"},
        {"/page.html", kNoKeplerianData, ""},
        {"/missing.txt", kDownloadFailed, ""},
        {"/slow.txt", kDownloadFailed, ""},
        {"/huge.txt", kDownloadFailed, ""},
        // Named by the address as written, not by where the redirect led.
        {"/moved.txt", kDownloadSucceeded, "moved.txt"},
        {"/gp.php?GROUP=amateur&FORMAT=tle#/named.txt", kDownloadSucceeded, "named.txt"},
    };
    ElementDownload download(dir.path(), options);
    QStringList expectedFiles;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        WriteAll(dir.filePath(kSecondTemporary), "left over from a crash");
        const DownloadReport report = download.Run(server.Url(QString::fromLatin1(c.address)));
        EXPECT_EQ(report.message, QLatin1String(c.message)) << report.detail.toStdString();
        ExpectNoTemporaries();
        if (*c.stored != '\0') {
            expectedFiles.append(QLatin1String(c.stored));
            EXPECT_EQ(report.destination, Kepler(QLatin1String(c.stored)));
            EXPECT_EQ(ReadAll(report.destination), Elements());
        }
        expectedFiles.sort();
        EXPECT_EQ(KeplerFiles(), expectedFiles);
    }
    // The part after "#" never reached the server.
    EXPECT_EQ(server.requests().last().target, "/gp.php?GROUP=amateur&FORMAT=tle");
}

TEST_F(ElementDownloadTest, AFailedDownloadKeepsTheOlderFileOfThatName) {
    WriteAll(Kepler("missing.txt"), "older elements");
    WriteAll(Kepler("page.html"), "older page");
    ElementDownload download(dir.path(), options);
    EXPECT_EQ(download.Run(server.Url("/missing.txt")).outcome, DownloadOutcome::Failed);
    EXPECT_EQ(download.Run(server.Url("/page.html")).outcome, DownloadOutcome::NoElementData);
    EXPECT_EQ(ReadAll(Kepler("missing.txt")), "older elements");
    EXPECT_EQ(ReadAll(Kepler("page.html")), "older page");
    // A success replaces it.
    server.Serve("/missing.txt", Redirect(302, "/amateur.txt"));
    EXPECT_TRUE(download.Run(server.Url("/missing.txt")).succeeded());
    EXPECT_EQ(ReadAll(Kepler("missing.txt")), Elements());
}

// What replaced a good file before: a body that only looks like a pair, a body cut off
// without a Content-Length, one good set followed by an error page. Each is refused with its
// reason and the stored file stays as it was.
TEST_F(ElementDownloadTest, ABodyThatIsNotElementsThroughoutLeavesTheStoredFile) {
    const QByteArray elements = Elements();
    const QByteArray firstSet = elements.left(elements.indexOf("ISS (ZARYA)"));
    const struct {
        const char* what;
        QByteArray body;
        const char* reason;
    } cases[] = {
        {"a pair in name only", "1 hello\n2 world\n", "line 1 is no line 1 of a set"},
        {"cut off", elements.left(elements.size() / 2), "line 5 is no line 1 of a set: it has"},
        {"a set and an error page",
         firstSet + "<html>\n<body>Service unavailable</body>\n</html>\n", "line 5 is no line 1 of a set"},
    };
    ElementDownload download(dir.path(), options);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteAll(Kepler("amateur.txt"), elements);
        Answer bad;
        bad.body = c.body;
        bad.announceLength = false;
        server.Serve("/amateur.txt", bad);
        const DownloadReport report = download.Run(server.Url("/amateur.txt"));
        EXPECT_EQ(report.outcome, DownloadOutcome::NoElementData);
        EXPECT_EQ(report.message, QLatin1String(kNoKeplerianData));
        EXPECT_TRUE(report.detail.contains(QLatin1String(c.reason))) << report.detail.toStdString();
        EXPECT_EQ(ReadAll(Kepler("amateur.txt")), elements);
        ExpectNoTemporaries();
    }
}

TEST_F(ElementDownloadTest, AnAddressWithoutAUsableNameIsRefusedBeforeAnythingIsFetched) {
    ElementDownload download(dir.path(), options);
    for (const QString& address :
         {server.Url("/"), server.Url("/.."), server.Url("/dir/."), server.Url("/keps\t.txt")}) {
        SCOPED_TRACE(address.toStdString());
        const DownloadReport report = download.Run(address);
        EXPECT_EQ(report.outcome, DownloadOutcome::Refused);
        EXPECT_TRUE(report.message.startsWith("Cannot store the download: "));
    }
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Kepler()));
    ExpectNoTemporaries();

    const DownloadReport nothing = download.Run(QStringLiteral("   "));
    EXPECT_EQ(nothing.outcome, DownloadOutcome::NoAddress);
    EXPECT_EQ(nothing.message, QString());
}

TEST_F(ElementDownloadTest, CancelLeavesNothingBehindAndASecondDownloadWaitsItsTurn) {
    ElementDownload first(dir.path(), options);
    ElementDownload second(dir.path(), options);
    DownloadReport firstReport;
    QObject::connect(&first, &ElementDownload::finished,
                     [&](const DownloadReport& report) { firstReport = report; });
    first.Start(server.Url("/slow.txt"));
    // The temporaries are in use: a second download into the same folder must not touch them.
    const DownloadReport refused = second.Run(server.Url("/amateur.txt"));
    EXPECT_EQ(refused.message, QLatin1String(kDownloadFailed));
    EXPECT_TRUE(refused.detail.contains("another download")) << refused.detail.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(kFirstTemporary)));
    EXPECT_TRUE(QFile::exists(dir.filePath(kSecondTemporary)));

    QEventLoop loop;
    QObject::connect(&first, &ElementDownload::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5s, &loop, &QEventLoop::quit);
    first.Cancel();
    if (first.busy()) {
        loop.exec();
    }
    EXPECT_EQ(firstReport.outcome, DownloadOutcome::Cancelled);
    EXPECT_EQ(firstReport.message, QLatin1String(kDownloadCancelled));
    ExpectNoTemporaries();
    EXPECT_TRUE(KeplerFiles().isEmpty());
    EXPECT_TRUE(second.Run(server.Url("/amateur.txt")).succeeded());
}

TEST_F(ElementDownloadTest, AKeplerFolderThatCannotBeWrittenFailsWithoutTemporaries) {
    WriteAll(dir.filePath("Kepler"), "a file where the folder should be");
    ElementDownload download(dir.path(), options);
    const DownloadReport report = download.Run(server.Url("/amateur.txt"));
    EXPECT_EQ(report.message, QLatin1String(kDownloadFailed));
    EXPECT_TRUE(report.detail.contains("amateur.txt")) << report.detail.toStdString();
    ExpectNoTemporaries();
}

}  // namespace
}  // namespace orbivox

// The HTTP client against local servers: the streamed body and request headers, redirects,
// each failure without an error page written, refused addresses, cancel, and the proxy.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTimer>

#include "net/HttpClient.h"
#include "tests/support/LocalHttpServer.h"

namespace orbivox {
namespace {

using namespace std::chrono_literals;

QByteArray Fixture() {
    QFile file(QStringLiteral(ORBIVOX_TEST_DATA "/download-elements.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

class HttpClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        Answer good;
        good.body = Fixture();
        server.Serve("/keps.txt", good);
    }

    HttpResult Fetch(const QString& url, HttpOptions options = {}) {
        HttpClient client(options);
        sink.setBuffer(&body);
        sink.open(QIODevice::WriteOnly);
        return client.GetAndWait(QUrl(url), &sink);
    }

    LocalHttpServer server;
    QByteArray body;
    QBuffer sink;
};

TEST_F(HttpClientTest, StreamsTheBodyAndSendsTheRequestSettings) {
    HttpClient client;
    qint64 lastProgress = 0;
    QObject::connect(&client, &HttpClient::progress,
                     [&](qint64 received, qint64) { lastProgress = received; });
    sink.setBuffer(&body);
    sink.open(QIODevice::WriteOnly);
    const HttpResult result = client.GetAndWait(QUrl(server.Url("/keps.txt")), &sink);

    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(body, Fixture());
    EXPECT_EQ(result.bytes, Fixture().size());
    EXPECT_EQ(lastProgress, Fixture().size());
    ASSERT_EQ(server.requests().size(), 1);
    const SeenRequest& seen = server.requests().first();
    EXPECT_EQ(seen.method, "GET");
    EXPECT_EQ(seen.headers.value("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(seen.headers.value("accept"), "text/html, */*");
    EXPECT_EQ(seen.headers.value("content-type"), "text/html");
}

// A conditional GET sends the validators and takes 304 as "not modified"; the same answer to
// a plain GET is a failure (it carries no body we asked for).
TEST_F(HttpClientTest, ConditionalGetSendsTheValidatorsAndTakesNotModified) {
    Answer same;
    same.status = 304;
    same.reason = "Not Modified";
    same.headers.append(qMakePair(QByteArray("ETag"), QByteArray("\"v2\"")));
    server.Serve("/same.txt", same);
    HttpClient client;
    sink.setBuffer(&body);
    sink.open(QIODevice::WriteOnly);
    const HttpResult result =
        client.GetAndWait(QUrl(server.Url("/same.txt")), &sink,
                          HttpConditions{"Thu, 10 Dec 2026 08:00:00 GMT", "\"v1\""});
    EXPECT_TRUE(result.notModified()) << result.detail.toStdString();
    EXPECT_EQ(result.etag, "\"v2\"");
    EXPECT_TRUE(body.isEmpty());
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests()[0].headers.value("if-modified-since"),
              "Thu, 10 Dec 2026 08:00:00 GMT");
    EXPECT_EQ(server.requests()[0].headers.value("if-none-match"), "\"v1\"");

    const HttpResult plain = Fetch(server.Url("/same.txt"));
    EXPECT_EQ(plain.failure, HttpFailure::Status);
    EXPECT_FALSE(plain.notModified());
    EXPECT_FALSE(server.requests()[1].headers.contains("if-modified-since"));

    const HttpResult fresh = client.GetAndWait(QUrl(server.Url("/keps.txt")), &sink,
                                               HttpConditions{"Thu, 10 Dec 2026 08:00:00 GMT", ""});
    EXPECT_TRUE(fresh.ok());
    EXPECT_FALSE(fresh.notModified());
    EXPECT_FALSE(server.requests()[2].headers.contains("if-none-match"));
}

TEST_F(HttpClientTest, FollowsRedirectsAndNamesWhereTheBodyCameFrom) {
    server.Serve("/old/keps.txt", Redirect(301, "/moved"));
    server.Serve("/moved", Redirect(302, server.Url("/keps.txt").toUtf8()));
    const HttpResult result = Fetch(server.Url("/old/keps.txt"));
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.finalUrl.path(), "/keps.txt");
    EXPECT_EQ(body, Fixture());
}

struct FailureCase {
    const char* name;
    const char* path;
    Answer answer;
    HttpFailure expected;
    const char* detailHolds;
};

TEST_F(HttpClientTest, FailuresAreReportedAndNoErrorPageIsWritten) {
    Answer notFound;
    notFound.status = 404;
    notFound.reason = "Not Found";
    notFound.body = "1 looks\n2 like data\n";
    Answer serverError = notFound;
    serverError.status = 503;
    serverError.reason = "Service Unavailable";
    Answer silent;
    silent.silent = true;
    Answer announcedTooLarge;
    announcedTooLarge.body = QByteArray(5000, 'x');
    Answer growsTooLarge = announcedTooLarge;
    growsTooLarge.announceLength = false;
    Answer cutShort;
    cutShort.headers.append(qMakePair(QByteArray("Content-Length"), QByteArray("1000")));
    cutShort.announceLength = false;
    cutShort.body = "1 only a part";

    const std::vector<FailureCase> cases = {
        {"404", "/missing.txt", notFound, HttpFailure::Status, "404"},
        {"503", "/busy.txt", serverError, HttpFailure::Status, "503"},
        {"no answer", "/slow.txt", silent, HttpFailure::TimedOut, "no data"},
        {"announced too large", "/big.txt", announcedTooLarge, HttpFailure::TooLarge, "MiB"},
        {"grows too large", "/bigger.txt", growsTooLarge, HttpFailure::TooLarge, "larger"},
        {"connection closed early", "/cut.txt", cutShort, HttpFailure::Network, ""},
        {"redirect loop", "/loop.txt", Redirect(302, "/loop.txt"), HttpFailure::Network, ""},
    };
    HttpOptions options;
    options.idleTimeout = 300ms;
    options.maxBodyBytes = 4096;
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        server.Serve(c.path, c.answer);
        body.clear();
        sink.close();
        const HttpResult result = Fetch(server.Url(QString::fromLatin1(c.path)), options);
        EXPECT_EQ(result.failure, c.expected) << result.detail.toStdString();
        EXPECT_TRUE(result.detail.contains(QLatin1String(c.detailHolds)))
            << result.detail.toStdString();
        if (c.expected == HttpFailure::Status) {
            EXPECT_TRUE(body.isEmpty()) << body.toStdString();
        }
    }
}

TEST_F(HttpClientTest, RefusesWhatItCannotFetch) {
    quint16 closedPort = 0;
    {
        LocalHttpServer gone;
        closedPort = gone.port();
    }
    const struct {
        QString url;
        HttpFailure expected;
    } cases[] = {
        {QStringLiteral("http://127.0.0.1:%1/keps.txt").arg(closedPort), HttpFailure::Network},
        {QStringLiteral("ftp://127.0.0.1/keps.txt"), HttpFailure::BadAddress},
        {QStringLiteral("keps.txt"), HttpFailure::BadAddress},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url.toStdString());
        sink.close();
        EXPECT_EQ(Fetch(c.url).failure, c.expected);
    }
}

TEST_F(HttpClientTest, CancelStopsAWaitingTransfer) {
    Answer silent;
    silent.silent = true;
    server.Serve("/slow.txt", silent);
    HttpClient client;
    QTimer::singleShot(50ms, &client, [&client] { client.Cancel(); });
    sink.setBuffer(&body);
    sink.open(QIODevice::WriteOnly);
    const HttpResult result = client.GetAndWait(QUrl(server.Url("/slow.txt")), &sink);
    EXPECT_EQ(result.failure, HttpFailure::Cancelled);
    EXPECT_FALSE(client.busy());
    // The client is usable again afterwards.
    sink.close();
    body.clear();
    sink.open(QIODevice::WriteOnly);
    EXPECT_TRUE(client.GetAndWait(QUrl(server.Url("/keps.txt")), &sink).ok());
    EXPECT_EQ(body, Fixture());
}

TEST_F(HttpClientTest, GoesThroughTheProxyOfTheEnvironment) {
    // The proxy is a second local server; the host behind it does not exist, so only a
    // request that really went through the proxy can succeed.
    LocalHttpServer proxy;
    Answer good;
    good.body = Fixture();
    proxy.Serve("/keps.txt", good);
    qputenv("http_proxy", QStringLiteral("http://127.0.0.1:%1").arg(proxy.port()).toUtf8());
    qunsetenv("no_proxy");
    qunsetenv("NO_PROXY");
    const HttpResult result = Fetch(QStringLiteral("http://elements.invalid/keps.txt"));
    qunsetenv("http_proxy");
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(body, Fixture());
    ASSERT_EQ(proxy.requests().size(), 1);
    EXPECT_EQ(proxy.requests().first().target, "http://elements.invalid/keps.txt");
}

}  // namespace
}  // namespace orbivox

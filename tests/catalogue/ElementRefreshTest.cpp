// The program's own element refresh against a local HTTP server: an old file fetched in the
// background and remembered, the two-hour rule and the conditional request after it, a failed
// fetch that leaves the file as it was, and the cases that fetch nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "catalogue/DownloadRecords.h"
#include "catalogue/ElementAge.h"
#include "catalogue/ElementRefresh.h"
#include "settings/SqfFile.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/Spin.h"

namespace orbivox {
namespace {

using namespace std::chrono_literals;

class ElementRefreshTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir.path()).mkpath("Kepler");
        QFile::copy(ORBIVOX_TEST_DATA "/download-elements.txt", Stored());
        QFile::setPermissions(Stored(), QFile::ReadOwner | QFile::WriteOwner);
        std::string error;
        newestEpoch = *NewestEpoch(Stored().toStdString(), error);
        served.body = ReadBytes(ORBIVOX_TEST_DATA "/elements-2026.txt");
        served.headers.append(qMakePair(QByteArray("Last-Modified"), QByteArray("Sat, 22 Aug 2026 10:00:00 GMT")));
        server.Serve("/amateur.txt", served);
        SqfWriter()
            .Lines({"; addresses", server.Url("/other.txt"), server.Url("/amateur.txt")})
            .Commit(dir.filePath("Celestrak.SQF"));
        options.idleTimeout = 2s;
    }

    QString Stored() const { return dir.filePath("Kepler/amateur.txt"); }

    // Checks with the file ten days old and waits for the fetch it starts.
    std::optional<DownloadReport> CheckAndWait(ElementRefresh& refresh, const QDateTime& now) {
        std::optional<DownloadReport> report;
        QObject::connect(&refresh, &ElementRefresh::finished, &refresh,
                         [&report](const DownloadReport& r) { report = r; });
        if (refresh.Check(Stored(), 2, newestEpoch + 10, now) != ElementRefresh::Decision::Started) {
            ADD_FAILURE() << "no fetch started";
            return std::nullopt;
        }
        EXPECT_TRUE(refresh.busy());
        EXPECT_TRUE(Spin([&report] { return report.has_value(); }));
        return report;
    }

    QTemporaryDir dir;
    LocalHttpServer server;
    Answer served;
    HttpOptions options;
    double newestEpoch = 0.0;
};

TEST_F(ElementRefreshTest, AnOldFileIsFetchedOnceInTwoHoursThenConditionally) {
    ElementRefresh refresh(dir.path(), options);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto report = CheckAndWait(refresh, now);
    ASSERT_TRUE(report && report->succeeded()) << (report ? report->detail.toStdString() : "");
    EXPECT_EQ(report->destination, Stored());
    EXPECT_EQ(ReadBytes(Stored()), served.body);
    EXPECT_EQ(server.requests().size(), 1);

    // Within two hours the address is left alone, however old the file.
    EXPECT_EQ(refresh.Check(Stored(), 2, newestEpoch + 400, now.addSecs(3600)),
              ElementRefresh::Decision::FetchedRecently);
    EXPECT_EQ(server.requests().size(), 1);

    // After them the request asks for the file only if it changed; the server says it did not.
    Answer unchanged;
    unchanged.status = 304;
    unchanged.reason = "Not Modified";
    server.Serve("/amateur.txt", unchanged);
    const auto again = CheckAndWait(refresh, now.addSecs(3 * 3600));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->outcome, DownloadOutcome::NotModified);
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests()[1].headers.value("if-modified-since"),
              "Sat, 22 Aug 2026 10:00:00 GMT");
    EXPECT_EQ(ReadBytes(Stored()), served.body);
}

TEST_F(ElementRefreshTest, AFailedFetchLeavesTheFileAsItWas) {
    const QByteArray before = ReadBytes(Stored());
    Answer broken;
    broken.status = 500;
    broken.reason = "Internal Server Error";
    server.Serve("/amateur.txt", broken);
    ElementRefresh refresh(dir.path(), options);
    const auto report = CheckAndWait(refresh, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(report);
    EXPECT_FALSE(report->succeeded());
    EXPECT_EQ(report->outcome, DownloadOutcome::Failed);
    EXPECT_EQ(ReadBytes(Stored()), before);
    EXPECT_FALSE(refresh.busy());
}

TEST_F(ElementRefreshTest, NothingIsFetchedForAFreshFileOrOneWithoutAddress) {
    ElementRefresh refresh(dir.path(), options);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    EXPECT_EQ(refresh.Check(Stored(), 2, newestEpoch + 1.5, now),
              ElementRefresh::Decision::FreshEnough);
    QFile::copy(Stored(), dir.filePath("Kepler/weather.txt"));
    EXPECT_EQ(refresh.Check(dir.filePath("Kepler/weather.txt"), 2, newestEpoch + 10, now),
              ElementRefresh::Decision::NoAddress);
    // The same name in another folder is not the file the list stores.
    EXPECT_EQ(refresh.Check(dir.filePath("amateur.txt"), 2, newestEpoch + 10, now),
              ElementRefresh::Decision::NoAddress);
    QFile::remove(dir.filePath("Celestrak.SQF"));
    EXPECT_EQ(refresh.Check(Stored(), 2, newestEpoch + 10, now),
              ElementRefresh::Decision::NoAddress);
    EXPECT_TRUE(server.requests().isEmpty());
}

}  // namespace
}  // namespace orbivox

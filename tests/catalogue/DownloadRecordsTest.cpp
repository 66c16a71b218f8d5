// Downloads.SQF and its rules: a written file reads back, a broken record is left out and
// named, the two-hour interval, and what an answer changes.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "catalogue/DownloadRecords.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

const QDateTime kNoon = QDateTime::fromString("2026-12-11T12:00:00Z", Qt::ISODate);

TEST(DownloadRecords, WrittenRecordsReadBackAndABrokenOneIsLeftOut) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Downloads.SQF");
    DownloadRecords records;
    records.Put({"https://a.example/x.txt", kNoon, "Thu, 10 Dec 2026 08:00:00 GMT", "\"abc\""});
    records.Put({"https://a.example/y?g=1#/y.txt", kNoon.addSecs(-60), "", ""});
    records.Write(path);

    QStringList problems;
    const DownloadRecords read = DownloadRecords::Read(path, &problems);
    EXPECT_TRUE(problems.isEmpty());
    const auto x = read.Find(" https://a.example/x.txt ");
    ASSERT_TRUE(x);
    EXPECT_EQ(x->fetched, kNoon);
    EXPECT_EQ(x->lastModified, "Thu, 10 Dec 2026 08:00:00 GMT");
    EXPECT_EQ(x->etag, "\"abc\"");
    ASSERT_TRUE(read.Find("https://a.example/y?g=1#/y.txt"));
    EXPECT_TRUE(read.Find("https://a.example/y?g=1#/y.txt")->etag.isEmpty());

    QStringList lines = ReadSqfLines(path);
    lines[2] = "yesterday";  // x's time
    SqfWriter().Lines(lines).Commit(path);
    const DownloadRecords broken = DownloadRecords::Read(path, &problems);
    EXPECT_FALSE(broken.Find("https://a.example/x.txt"));
    EXPECT_TRUE(broken.Find("https://a.example/y?g=1#/y.txt"));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains("yesterday")) << problems[0].toStdString();
    EXPECT_FALSE(DownloadRecords::Read(folder.filePath("none.SQF")).Find("x"));
}

TEST(DownloadRecords, TwoHoursBetweenFetchesAndConditionsOnlyForAStoredFile) {
    const DownloadRecord record{"u", kNoon, "LM", "E"};
    EXPECT_TRUE(FetchedRecently(record, kNoon.addSecs(2 * 3600 - 1)));
    EXPECT_FALSE(FetchedRecently(record, kNoon.addSecs(2 * 3600)));
    EXPECT_FALSE(FetchedRecently(record, kNoon.addSecs(-60)));  // the clock was set back
    EXPECT_FALSE(FetchedRecently(std::nullopt, kNoon));

    EXPECT_EQ(ConditionsFor(record, true).ifModifiedSince, "LM");
    EXPECT_EQ(ConditionsFor(record, true).ifNoneMatch, "E");
    EXPECT_FALSE(ConditionsFor(record, false).any());
    EXPECT_FALSE(ConditionsFor(std::nullopt, true).any());
}

TEST(DownloadRecords, AnAnswerUpdatesTheRecordAsItSays) {
    const DownloadRecord old{"u", kNoon.addDays(-1), "LM", "E"};
    const QDateTime now = kNoon;
    // Stored without validators: the fetch time stands in for Last-Modified.
    const DownloadRecord stored = RecordAnswer(old, "u", now, 200, true, false, "", "");
    EXPECT_EQ(stored.fetched, now);
    EXPECT_EQ(stored.lastModified, "Fri, 11 Dec 2026 12:00:00 GMT");
    EXPECT_TRUE(stored.etag.isEmpty());
    // A refused body or an error status counts as a fetch but keeps the validators.
    const DownloadRecord refused = RecordAnswer(old, "u", now, 404, false, false, "X", "Y");
    EXPECT_EQ(refused.fetched, now);
    EXPECT_EQ(refused.lastModified, "LM");
    EXPECT_EQ(refused.etag, "E");
    const DownloadRecord same = RecordAnswer(old, "u", now, 304, false, true, "", "F");
    EXPECT_EQ(same.lastModified, "LM");
    EXPECT_EQ(same.etag, "F");
    // No answer at all: nothing changes.
    EXPECT_EQ(RecordAnswer(old, "u", now, 0, false, false, "", "").fetched, old.fetched);
}

}  // namespace
}  // namespace orbivox

// orbivox sky (the headless sky plot) and orbivox passes --table, run as a user runs them.
#include <gtest/gtest.h>

#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/app/CliRunner.h"

namespace {

const QString kElements = QString(ORBIVOX_TEST_DATA) + "/elements-2026.txt";
const QString kSite = "48.15,11.58,520";

TEST(CliSkyPlot, DrawsThePassIntoAPictureAndRefusesWhatItCannotDraw) {
    QTemporaryDir dir;
    const QString picture = dir.filePath("iss.png");
    const CliRun run =
        RunCli({"sky", "--site", kSite, "--sat", "ISS (ZARYA)", "--from", "2026-08-23T02:12:00Z",
                "--out", picture, "--size", "300", kElements});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, picture + " 300x300\n");
    const QImage image(picture);
    ASSERT_EQ(image.size(), QSize(300, 300));

    const struct {
        QStringList args;
        int exitCode;
        const char* message;
    } refusals[] = {
        {{"sky", "--site", kSite, "--from", "2026-08-23T02:12:00Z", "--out", picture, kElements},
         2,
         "usage: orbivox sky"},
        {{"sky", "--site", kSite, "--sat", "NOT THERE", "--from", "2026-08-23T02:12:00Z", "--out",
          picture, kElements},
         1,
         "no satellite named \"NOT THERE\""},
        {{"sky", "--site", kSite, "--sat", "ISS (ZARYA)", "--from", "2026-08-23T02:12:00Z", "--out",
          dir.filePath("iss.xyz"), kElements},
         2,
         "cannot write a picture of that type"},
        {{"sky", "--site", kSite, "--sat", "ISS (ZARYA)", "--from", "2026-08-23T02:12:00Z", "--out",
          picture, "--size", "50", kElements},
         2,
         "--size wants a whole number"},
        {{"sky", "--site", kSite, "--sat", "ISS (ZARYA)", "--from", "2026-08-23T02:12:00Z", "--out",
          dir.filePath("no/such/folder/iss.png"), kElements},
         1,
         "cannot write"},
    };
    for (const auto& r : refusals) {
        const CliRun refused = RunCli(r.args);
        EXPECT_EQ(refused.exitCode, r.exitCode) << r.args.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(r.message)))
            << refused.err.toStdString();
    }
}

// The table is the same search as the plain list: satellite by satellite, the same passes
// with the same rise and set instants (to the second); only a pass in progress at --from,
// which the list gives from --from, has its real rise in the table (and its set from that
// search, which for a high orbit may differ from the list's by less than its step).
TEST(CliSkyPlot, PassTableHoldsThePassesOfThePlainList) {
    const QStringList span{
        "--site", kSite, "--from", "2026-08-23T00:00:00Z", "--until", "2026-08-23T12:00:00Z"};
    const CliRun list = RunCli(QStringList{"passes"} + span + QStringList{kElements});
    const CliRun table = RunCli(QStringList{"passes"} + span + QStringList{"--table", kElements});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();

    // "NAME|AOS azimuth LOS azimuth elevation", instants to the second.
    QMap<QString, QStringList> fromList;
    static const QRegularExpression passLine(
        R"(^(.*)\|(\d{4}-\d\d-\d\d)T(\d\d:\d\d:\d\d)\.\d+Z \S+ (\d{4}-\d\d-\d\d)T(\d\d:\d\d:\d\d)\.\d+Z)");
    const QString from = "2026-08-23 00:00:00";
    const QString inProgress = "(in progress)";
    for (const QString& line : list.out.split('\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = passLine.match(line);
        if (m.hasMatch()) {
            const QString aos = m.captured(2) + ' ' + m.captured(3);
            fromList[m.captured(1)].append(aos == from ? inProgress
                                                       : aos + ' ' + m.captured(4) + ' ' +
                                                             m.captured(5));
        }
    }
    // "AOS  LOS  MaxEl  Duration  AosAz  NAME"
    QMap<QString, QStringList> fromTable;
    static const QRegularExpression tableLine(
        R"(^(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)  (\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)\s+\S+\s+\S+\s+\S+  (.*)$)");
    QStringList aosOrder;
    const QStringList rows = table.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_TRUE(rows.front().startsWith("AOS (UTC)")) << rows.front().toStdString();
    for (const QString& line : rows.mid(1)) {
        const QRegularExpressionMatch m = tableLine.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        fromTable[m.captured(3)].append(m.captured(1) < from
                                            ? inProgress
                                            : m.captured(1) + ' ' + m.captured(2));
        aosOrder.append(m.captured(1));
    }
    EXPECT_GT(fromList.size(), 10);
    EXPECT_EQ(fromTable, fromList);
    QStringList sorted = aosOrder;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(aosOrder, sorted);
}

}  // namespace

// orbivox look, passes and sun, run as a user runs them.
#include <gtest/gtest.h>

#include "tests/app/CliRunner.h"

#include <QDateTime>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString kElements = QString(ORBIVOX_TEST_DATA) + "/elements-2026.txt";
const QString kSite = "48.15,11.58,520";

QDateTime Instant(const QString& text) {
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

TEST(CliSun, ReferenceInstant) {
    const CliRun run = RunCli({"sun", "--at", "2000-01-01T12:00:00Z"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(),
              "2000-01-01T12:00:00.000Z 280.3725 -23.0324 281.2823 280.4606 -23.1713 0.8216 "
              "147102600.3\n");
}

TEST(CliPasses, IssPassesAgreeWithAnIndependentSgp4) {
    const CliRun run = RunCli({"passes", "--site", kSite, "--from", "2026-08-23T00:00:00Z",
                               "--count", "2", "--sat", "ISS (ZARYA)", kElements});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    // Crossings of -0.6 degrees geometric elevation found by another SGP4 implementation
    // (WGS-84 site, full frame rotation) for the same elements and site.
    const char* rises[] = {"2026-08-23T00:32:56.346Z", "2026-08-23T02:07:21.731Z"};
    const char* sets[] = {"2026-08-23T00:40:41.224Z", "2026-08-23T02:18:14.502Z"};
    const QRegularExpression shape(
        R"(^ISS \(ZARYA\)\|(\S+Z) \d+\.\d\d (\S+Z) \d+\.\d\d -?\d+\.\d\d$)");
    for (int i = 0; i < 2; ++i) {
        const auto match = shape.match(lines[i]);
        ASSERT_TRUE(match.hasMatch()) << lines[i].toStdString();
        // The search reports the last instant before each crossing, at most 2.4 s early.
        const qint64 aosEarly = Instant(match.captured(1)).msecsTo(Instant(rises[i]));
        const qint64 losEarly = Instant(match.captured(2)).msecsTo(Instant(sets[i]));
        EXPECT_GE(aosEarly, -100) << i;
        EXPECT_LE(aosEarly, 2500) << i;
        EXPECT_GE(losEarly, -100) << i;
        EXPECT_LE(losEarly, 2500) << i;
    }

    const CliRun geo = RunCli({"passes", "--site", kSite, "--from", "2026-08-23T00:00:00Z", "--sat",
                               "ES'HAIL 2", kElements});
    EXPECT_EQ(geo.out.toStdString(), "ES'HAIL 2|geostationary\n");
}

// --until: every pass rising before it, the same lines a long enough --count gives, and no
// more; --count still caps the list.
TEST(CliPasses, UntilListsThePassesRisingBeforeIt) {
    const QString from = "2026-08-23T00:00:00Z";
    const QString until = "2026-08-23T20:00:00Z";
    for (const QString& sat : {QString("ISS (ZARYA)"), QString("NOAA 19")}) {
        const CliRun counted = RunCli(
            {"passes", "--site", kSite, "--from", from, "--count", "30", "--sat", sat, kElements});
        const CliRun bounded = RunCli(
            {"passes", "--site", kSite, "--from", from, "--until", until, "--sat", sat, kElements});
        ASSERT_EQ(counted.exitCode, 0) << counted.err.toStdString();
        ASSERT_EQ(bounded.exitCode, 0) << bounded.err.toStdString();
        const QStringList all = counted.out.split('\n', Qt::SkipEmptyParts);
        qsizetype before = 0;
        while (before < all.size() &&
               Instant(all[before].section('|', 1).section(' ', 0, 0)) < Instant(until))
            ++before;
        ASSERT_GT(before, 2) << sat.toStdString();
        ASSERT_LT(before, all.size()) << sat.toStdString();
        EXPECT_EQ(bounded.out.split('\n', Qt::SkipEmptyParts), all.mid(0, before))
            << sat.toStdString();

        const CliRun capped = RunCli({"passes", "--site", kSite, "--from", from, "--until", until,
                                      "--count", "2", "--sat", sat, kElements});
        EXPECT_EQ(capped.out.split('\n', Qt::SkipEmptyParts), all.mid(0, 2)) << sat.toStdString();
    }
}

TEST(CliLook, OneLinePerInstantAndSatellite) {
    const CliRun run = RunCli({"look", "--site", kSite, "--at",
                               "2026-08-23T02:10:00Z,2026-08-23T02:12:30.500Z", kElements});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 * 35);
    const QRegularExpression shape(R"(^\S+Z [^|]+\|(-?\d+\.\d{4} ){8}-?\d+\.\d{4}$)");
    for (const QString& line : lines)
        EXPECT_TRUE(shape.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(lines[35].startsWith("2026-08-23T02:12:30.500Z OSCAR 7 (AO-7)|"));
}

TEST(CliSky, BadInputIsRefusedWithAMessage) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const QString from = "2026-08-23T00:00:00Z";
    const std::vector<Case> cases = {
        {{"sun"}, 2, "usage: orbivox sun"},
        {{"sun", "--at", "2026-02-30T00:00:00Z"}, 2, "--at wants UTC instants"},
        {{"look", "--site", "48,11", "--at", from, kElements}, 2, "--site wants LAT,LON,ALT"},
        {{"look", "--site", kSite, "--at", "2026-08-23 00:00", kElements}, 2, "--at wants"},
        {{"passes", "--site", kSite, "--from", from, "--count", "0", kElements}, 2, "--count"},
        {{"passes", "--site", kSite, "--from", from, "/no/such/file"}, 1, "cannot read"},
        {{"passes", "--site", kSite, "--from", from, "--until", "tomorrow", kElements},
         2,
         "--until wants a UTC instant"},
        {{"passes", "--site", kSite, "--from", from, "--until", from, kElements},
         2,
         "--until must be later than --from"},
        {{"passes", "--site", kSite, "--from", from, "--sat", "NOPE", kElements},
         1,
         "no satellite named \"NOPE\""},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

}  // namespace

// orbivox passes over three days at three stations: the AOS and LOS of every pass exactly as
// tests/data/passes-three-stations.txt holds them, and each maximum elevation within 0.05° of
// the true top of the elevation the program shows, found here by a dense scan.
#include <gtest/gtest.h>

#include "tests/app/CliRunner.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <map>

#include "orbit/ObserverSite.h"
#include "orbit/OrbitEngine.h"
#include "orbit/PassPrediction.h"

namespace {

const QString kElements = QString(ORBIVOX_TEST_DATA) + "/elements-2026.txt";
const char* const kSatellites[] = {"ISS (ZARYA)", "SAUDISAT 1C (SO-50)", "JAS-2 (FO-29)",
                                   "OSCAR 7 (AO-7)", "NAVSTAR 43 (USA 132)"};
constexpr double kSecond = 1.0 / 86400.0;

double JulianDate(const QString& instant) {
    return QDateTime::fromString(instant, Qt::ISODateWithMs).toMSecsSinceEpoch() / 86400000.0 +
           2440587.5;
}

// The stations and the lines listed for each, in the order they were listed.
std::map<QString, QStringList> ListedPasses() {
    QFile file(QString(ORBIVOX_TEST_DATA) + "/passes-three-stations.txt");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::map<QString, QStringList> listed;
    QString site;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith("site "))
            site = line.mid(5);
        else
            listed[site] << line;
    }
    return listed;
}

// The highest elevation from `aos` to `los` (Julian dates): every 5 s, then every 0.02 s
// within 5 s of the best of those.
double ScannedTop(orbit::OrbitEngine& engine, int set, const orbit::GeodeticSite& site, double aos,
                  double los) {
    const auto elevation = [&](double jd) {
        const orbit::Observation seen = orbit::ObserveSet(engine, set, site, jd);
        EXPECT_TRUE(seen.state.ok);
        return seen.look.elevation;
    };
    double best = aos;
    double top = elevation(aos);
    for (double t = aos; t <= los; t += 5 * kSecond) {
        if (const double e = elevation(t); e > top) {
            top = e;
            best = t;
        }
    }
    for (double t = std::max(aos, best - 5 * kSecond); t <= std::min(los, best + 5 * kSecond);
         t += 0.02 * kSecond)
        top = std::max(top, elevation(t));
    return top;
}

TEST(CliPasses, MaximaAreTheTopOfEachPassAndTheTimesStayAsListed) {
    orbit::OrbitEngine engine(2026);
    ASSERT_GT(engine.ReadElementFile(kElements.toStdString()).count, 0);
    std::map<std::string, int> sets;
    for (int i = 1; i <= engine.Sets().Count(); ++i)
        sets[engine.Sets()[i].name] = i;

    const QRegularExpression shape(R"(^(.+)\|(\S+Z) (\S+) (\S+Z) (\S+) (\S+)$)");
    int passes = 0;
    for (const auto& [site, listed] : ListedPasses()) {
        QStringList lines;
        for (const char* name : kSatellites) {
            const CliRun run =
                RunCli({"passes", "--site", site, "--from", "2026-08-22T00:00:00Z", "--until",
                        "2026-08-25T00:00:00Z", "--sat", name, kElements});
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            lines << run.out.split('\n', Qt::SkipEmptyParts);
        }
        ASSERT_EQ(lines.size(), listed.size()) << site.toStdString();
        const QStringList parts = site.split(',');
        orbit::ObserverSite observer;
        observer.latitude = parts[0].toDouble();
        observer.longitude = parts[1].toDouble();
        observer.altitude = parts[2].toStdString();
        const orbit::GeodeticSite geodetic = orbit::ObserverToSite(observer);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const auto now = shape.match(lines[i]);
            const auto before = shape.match(listed[i]);
            ASSERT_TRUE(now.hasMatch() && before.hasMatch()) << lines[i].toStdString();
            const std::string where = site.toStdString() + " " + lines[i].toStdString();
            for (int field = 1; field <= 5; ++field)
                EXPECT_EQ(now.captured(field), before.captured(field)) << where;
            const double top = ScannedTop(engine, sets.at(now.captured(1).toStdString()), geodetic,
                                          JulianDate(now.captured(2)), JulianDate(now.captured(4)));
            EXPECT_NEAR(now.captured(6).toDouble(), top, 0.05) << where;
            ++passes;
        }
    }
    EXPECT_EQ(passes, 290);
}

}  // namespace

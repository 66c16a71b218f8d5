// A headless station without flags: the configuration's station and group file as defaults,
// satellites found by number or name, "now", `orbivox station`, and --json carrying the
// numbers of the text output.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/app/CliRunner.h"
#include "tests/support/QtPrinters.h"

namespace {

const QString kFrom = "2026-12-20T00:00:00Z";

QStringList Lines(const QString& text) {
    return text.split('\n', Qt::SkipEmptyParts);
}

// The main data folder `orbivox folders` names for this HOME.
QString MainDataFolder(const QString& home) {
    for (const QString& line : Lines(RunCli({"folders"}, home).out)) {
        if (line.startsWith("main data folder: "))
            return line.mid(QStringLiteral("main data folder: ").size());
    }
    return {};
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QJsonObject JsonObject(const QString& line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    EXPECT_TRUE(document.isObject()) << line.toStdString();
    return document.object();
}

TEST(CliHeadless, LeftOutStationAndFileAreTheConfigurations) {
    QTemporaryDir home;
    const CliRun defaulted = RunCli({"passes", "--from", kFrom, "--count", "3"}, home.path());
    ASSERT_EQ(defaulted.exitCode, 0) << defaulted.err.toStdString();
    const QString file = MainDataFolder(home.path()) + "Kepler/amateur.txt";
    const CliRun spelled =
        RunCli({"passes", "--site", "51.4769,-0.0015,0", "--from", kFrom, "--count", "3", file},
               home.path());
    ASSERT_EQ(spelled.exitCode, 0) << spelled.err.toStdString();
    EXPECT_GT(Lines(defaulted.out).size(), 3);
    EXPECT_EQ(defaulted.out, spelled.out);
    EXPECT_TRUE(
        defaulted.err.contains("orbivox passes: station 51.4769,-0.0015,0 (IO91XL), "
                               "elements of group Amateur from " +
                               file))
        << defaulted.err.toStdString();
    EXPECT_FALSE(spelled.err.contains("the configuration in use"));
}

TEST(CliHeadless, SatelliteByNameOrNumberAtNow) {
    QTemporaryDir home;
    const CliRun look = RunCli({"look", "--sat", "iss", "--at", "now"}, home.path());
    ASSERT_EQ(look.exitCode, 0) << look.err.toStdString();
    ASSERT_EQ(Lines(look.out).size(), 1) << look.out.toStdString();
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z ISS \(ZARYA\)\|)")
                    .match(look.out)
                    .hasMatch())
        << look.out.toStdString();
    const CliRun byNumber =
        RunCli({"passes", "--sat", "25544", "--from", kFrom, "--count", "1"}, home.path());
    EXPECT_TRUE(byNumber.out.startsWith("ISS (ZARYA)|")) << byNumber.out.toStdString();

    const CliRun ambiguous = RunCli({"look", "--sat", "noaa", "--at", "now"}, home.path());
    EXPECT_EQ(ambiguous.exitCode, 2);
    EXPECT_TRUE(ambiguous.err.contains("\"noaa\" fits \"NOAA 15\", \"NOAA 18\" and \"NOAA 19\""))
        << ambiguous.err.toStdString();
    EXPECT_TRUE(ambiguous.out.isEmpty());
    EXPECT_EQ(RunCli({"look", "--sat", "no such bird", "--at", "now"}, home.path()).exitCode, 1);
}

TEST(CliHeadless, StationSetByLocatorIsTheOnePassesUse) {
    QTemporaryDir home;
    const QString satIni = MainDataFolder(home.path()) + "SatIni.SQF";
    const QStringList before = QString::fromLatin1(FileBytes(satIni)).split("\r\n");

    // A refused value writes nothing.
    EXPECT_EQ(RunCli({"station", "--locator", "JN4"}, home.path()).exitCode, 2);
    EXPECT_EQ(RunCli({"station", "--lat", "91", "--lon", "8"}, home.path()).exitCode, 2);
    EXPECT_EQ(RunCli({"station", "--lat", "47"}, home.path()).exitCode, 2);
    EXPECT_EQ(QString::fromLatin1(FileBytes(satIni)).split("\r\n"), before);

    const CliRun set = RunCli({"station", "--locator", "jn47", "--alt", "400"}, home.path());
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_EQ(Lines(set.out), QStringList({"locator: JN47LL", "latitude: 47.48", "longitude: 8.96",
                                           "height: 400 m"}));
    EXPECT_TRUE(set.err.contains("next start")) << set.err.toStdString();
    EXPECT_EQ(RunCli({"station"}, home.path()).out, set.out);
    // Only the station lines changed.
    const QStringList after = QString::fromLatin1(FileBytes(satIni)).split("\r\n");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.mid(0, 4), QStringList({"400", "JN47LL", "8.96", "47.48"}));
    EXPECT_EQ(after.mid(4), before.mid(4));

    const CliRun defaulted = RunCli({"passes", "--from", kFrom, "--count", "2"}, home.path());
    ASSERT_EQ(defaulted.exitCode, 0) << defaulted.err.toStdString();
    const CliRun spelled = RunCli({"passes", "--site", "47.48,8.96,400", "--from", kFrom, "--count",
                                   "2", MainDataFolder(home.path()) + "Kepler/amateur.txt"},
                                  home.path());
    EXPECT_EQ(defaulted.out, spelled.out);

    const CliRun byDegrees = RunCli({"station", "--lat", "-33.9", "--lon", "18.4"}, home.path());
    ASSERT_EQ(byDegrees.exitCode, 0) << byDegrees.err.toStdString();
    EXPECT_EQ(Lines(byDegrees.out), QStringList({"locator: JF96EC", "latitude: -33.9",
                                                 "longitude: 18.4", "height: 400 m"}));
}

// The JSON fields carry the text output's numbers, field by field.
TEST(CliHeadless, JsonLinesCarryTheNumbersOfTheText) {
    QTemporaryDir home;
    const QStringList at = {"--at", "2026-12-20T10:00:00Z,2026-12-20T10:05:00Z"};
    const QStringList text = Lines(RunCli(QStringList{"look"} + at, home.path()).out);
    const QStringList json = Lines(RunCli(QStringList{"look", "--json"} + at, home.path()).out);
    ASSERT_EQ(text.size(), json.size());
    ASSERT_GT(text.size(), 2);
    const char* const lookFields[] = {"az_deg",          "el_deg",       "range_km",
                                      "range_rate_km_s", "lat_deg",      "lon_deg",
                                      "height_km",       "mean_anomaly", "orbit_number"};
    for (int i = 0; i < text.size(); ++i) {
        const QJsonObject object = JsonObject(json[i]);
        const QString instant = text[i].section(' ', 0, 0);
        const QString name = text[i].section('|', 0, 0).mid(instant.size() + 1);
        EXPECT_EQ(object["time"].toString(), instant);
        EXPECT_EQ(object["name"].toString(), name);
        EXPECT_TRUE(object["catalogue_number"].isDouble()) << json[i].toStdString();
        const QStringList numbers = text[i].section('|', 1).split(' ');
        ASSERT_EQ(numbers.size(), 9) << text[i].toStdString();
        for (int k = 0; k < 9; ++k)
            EXPECT_EQ(object[lookFields[k]].toDouble(), numbers[k].toDouble()) << lookFields[k];
    }

    const QStringList window = {"--from", kFrom, "--count", "2"};
    const QStringList passText = Lines(RunCli(QStringList{"passes"} + window, home.path()).out);
    const QStringList passJson =
        Lines(RunCli(QStringList{"passes", "--json"} + window, home.path()).out);
    ASSERT_EQ(passText.size(), passJson.size());
    for (int i = 0; i < passText.size(); ++i) {
        const QJsonObject object = JsonObject(passJson[i]);
        EXPECT_EQ(object["name"].toString(), passText[i].section('|', 0, 0));
        const QStringList fields = passText[i].section('|', 1).split(' ');
        if (fields.size() != 5) {
            continue;  // geostationary, none or an error
        }
        EXPECT_EQ(object["aos"].toString(), fields[0]);
        EXPECT_EQ(object["aos_az_deg"].toDouble(), fields[1].toDouble());
        EXPECT_EQ(object["los"].toString(), fields[2]);
        EXPECT_EQ(object["los_az_deg"].toDouble(), fields[3].toDouble());
        EXPECT_EQ(object["max_el_deg"].toDouble(), fields[4].toDouble());
    }
    EXPECT_EQ(RunCli(QStringList{"passes", "--json", "--table"} + window, home.path()).exitCode, 2);
}

TEST(CliHeadless, TrackTakesTheSatelliteNamedAndWritesJson) {
    QTemporaryDir home;
    const QStringList clock = {"--now", "2026-12-20T10:00:00Z", "--ticks", "2"};
    const CliRun named =
        RunCli(QStringList{"track", "--sat", "saudisat", "--name"} + clock, home.path());
    ASSERT_EQ(named.exitCode, 0) << named.err.toStdString();
    const QStringList lines = Lines(named.out);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Azimuth"));
    EXPECT_TRUE(lines[1].startsWith("2026-12-20T10:00:00.000Z SAUDISAT 1C (SO-50)| "))
        << lines[1].toStdString();

    const CliRun json =
        RunCli(QStringList{"track", "--sat", "saudisat", "--json"} + clock, home.path());
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QStringList objects = Lines(json.out);
    ASSERT_EQ(objects.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QJsonObject object = JsonObject(objects[i]);
        EXPECT_EQ(object["name"].toString(), "SAUDISAT 1C (SO-50)");
        EXPECT_EQ(object["time"].toString(), lines[i + 1].section(' ', 0, 0));
        // The list line's fields after the name: azimuth, elevation, MA, height, range, ...
        const QStringList list = lines[i + 1].section('|', 1).split(' ', Qt::SkipEmptyParts);
        const char* const fields[] = {"az_deg",   "el_deg",  "mean_anomaly", "height_km",
                                      "range_km", "lon_deg", "lat_deg",      "orbit"};
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ(object[fields[k]].toDouble(), list[k].toDouble()) << fields[k];
        EXPECT_FALSE(object.contains("downlink_hz"));  // no radio
    }

    const CliRun notInGroup = RunCli(QStringList{"track", "--sat", "NOAA 19"} + clock, home.path());
    EXPECT_EQ(notInGroup.exitCode, 1);
    EXPECT_TRUE(notInGroup.err.contains("in group Amateur")) << notInGroup.err.toStdString();
}

}  // namespace

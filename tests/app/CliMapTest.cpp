// orbivox map, run as a user runs it on a headless station.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>

#include "tests/app/CliRunner.h"

namespace {

const QString kProgramFolder = QStringLiteral(ORBIVOX_PROGRAM_FOLDER);

// The share of pixels of a 13 x 13 box at (x, y) that equal the same pixels of `reference`.
double Agreement(const QImage& image, const QImage& reference, int x, int y) {
    int same = 0;
    int all = 0;
    for (int dy = 0; dy < 13; ++dy) {
        for (int dx = 0; dx < 13; ++dx) {
            const int px = (x + dx + image.width()) % image.width();
            const int py = std::clamp(y + dy, 0, image.height() - 1);
            same += image.pixel(px, py) == reference.pixel(px, py);
            ++all;
        }
    }
    return double(same) / all;
}

TEST(CliMap, FrameOfTheCurrentGroupWithTheFootprintLit) {
    if (!QFileInfo::exists(kProgramFolder + "/Maps2D/Welt1l.bmp")) {
        GTEST_SKIP() << "the map images were not drawn in this build";
    }
    QTemporaryDir home;
    const QString at = "2026-08-22T12:00:00Z";
    const QString png = home.filePath("map.png");
    const CliRun run = RunCli({"map", "--at", at, "--size", "W1", "--zoom", "1", "--set",
                               "political", "--centre", "greenwich", "--out", png},
                              home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, png + " 600x299\n");
    const QImage frame(png);
    ASSERT_EQ(frame.size(), QSize(600, 299));  // the W1 view

    // Where the working satellite (the group's first, ISS) is at that instant.
    const QString elements = home.path() + "/.local/share/Orbivox32/Kepler/amateur.txt";
    const CliRun look =
        RunCli({"look", "--site", "0,0,0", "--sat", "ISS (ZARYA)", "--at", at, elements});
    ASSERT_EQ(look.exitCode, 0) << look.err.toStdString();
    const QStringList fields = look.out.section('|', 1).split(' ');
    ASSERT_GE(fields.size(), 6);
    const double latitude = fields[4].toDouble();
    const double longitude = fields[5].toDouble();
    const int x = int(std::lround((longitude + 180) * 600 / 360.0)) % 600;
    const int y = int(std::lround((90 - latitude) * 300 / 180.0));

    const QImage light =
        QImage(kProgramFolder + "/Maps2D/Welt1l.bmp").convertToFormat(QImage::Format_RGB32);
    const QImage dark =
        QImage(kProgramFolder + "/Maps2D/Welt1d.bmp").convertToFormat(QImage::Format_RGB32);
    const QImage shown = frame.convertToFormat(QImage::Format_RGB32);
    // Beside the cross, inside the footprint: the light map. Half a world away: the dark.
    EXPECT_GT(Agreement(shown, light, x + 8, y - 20), 0.8);
    EXPECT_GT(Agreement(shown, dark, x + 300, 150 - (y - 150)), 0.8);
}

TEST(CliMap, RefusesIncompleteOrImpossibleRequests) {
    QTemporaryDir home;
    const QStringList at = {"map", "--at", "2026-08-22T12:00:00Z"};
    EXPECT_EQ(RunCli(at, home.path()).exitCode, 2);  // no --out
    EXPECT_EQ(RunCli(at + QStringList{"--size", "W6", "--out", "x.png"}, home.path()).exitCode, 2);
    const CliRun zoom =
        RunCli(at + QStringList{"--size", "W4", "--zoom", "2", "--out", home.filePath("x.png")},
               home.path());
    EXPECT_EQ(zoom.exitCode, 2);
    EXPECT_TRUE(zoom.err.contains("no zoom 2")) << zoom.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.filePath("x.png")));
    const CliRun when = RunCli({"map", "--at", "yesterday", "--out", "x.png"}, home.path());
    EXPECT_EQ(when.exitCode, 2);
    EXPECT_TRUE(when.err.contains("--at")) << when.err.toStdString();
}

TEST(CliMap, WritesTheFormatTheNameSays) {
    if (!QFileInfo::exists(kProgramFolder + "/Maps2D"))
        GTEST_SKIP() << "the map images were not drawn in this build";
    QTemporaryDir home;
    const QStringList at = {"map", "--at", "2026-08-22T12:00:00Z", "--size", "W1", "--out"};
    struct Case {
        const char* name;
        QByteArray magic;  // empty: refused
    };
    const std::vector<Case> cases = {
        {"map.jpg", "\xFF\xD8\xFF"}, {"map.JPEG", "\xFF\xD8\xFF"}, {"map.bmp", "BM"},
        {"map.png", "\x89PNG"},      {"map", "\x89PNG"},           {"map.xyz", ""},
    };
    for (const Case& c : cases) {
        const QString file = home.filePath(c.name);
        const CliRun run = RunCli(at + QStringList{file}, home.path());
        if (c.magic.isEmpty()) {
            EXPECT_EQ(run.exitCode, 2) << c.name;
            EXPECT_TRUE(run.err.contains("cannot write a picture of the type \"xyz\""))
                << run.err.toStdString();
            EXPECT_FALSE(QFileInfo::exists(file)) << c.name;
            continue;
        }
        ASSERT_EQ(run.exitCode, 0) << c.name << ": " << run.err.toStdString();
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_TRUE(written.read(4).startsWith(c.magic)) << c.name;
    }
}

}  // namespace

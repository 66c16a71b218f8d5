// The start-up loader on a copy of the bundled configuration: a clean load, each missing file
// stopping at its own step, and a bad number line.
#include "tracking/SettingsLoader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"
#include "tests/support/BundledData.h"
#include "tests/support/QtPrinters.h"

namespace orbivox {
namespace {

// A configuration made from the bundled default data folder, in a scratch folder.
using SettingsLoaderTest = BundledConfiguration;

TEST_F(SettingsLoaderTest, BundledDataLoadsWithoutEditing) {
    LoadedSettings settings;
    bool portsOpened = false;
    const auto failure = RunSettingsLoader(folders_, settings, [&] { portsOpened = true; });
    ASSERT_FALSE(failure) << failure->step << " " << failure->label.toStdString() << ": "
                          << failure->reason.toStdString();
    EXPECT_TRUE(portsOpened);
    EXPECT_FALSE(settings.groupNames.isEmpty());
    EXPECT_TRUE(QFile::exists(settings.sourceFile)) << settings.sourceFile.toStdString();
    EXPECT_EQ(settings.station.utcOffset, QStringLiteral("auto"));
    EXPECT_EQ(settings.station.minimumElevation, -3.0);  // the rotor's preset
}

// Each step's label and a file whose absence makes exactly that step fail.
TEST_F(SettingsLoaderTest, AMissingFileStopsAtItsStepWithItsLabel) {
    const struct {
        int step;
        const char* label;
        const char* file;
    } cases[] = {
        {1, "TRX.SQF", "TRX.SQF"},
        {2, "Flip.SQF", "Flip.SQF"},
        {3, "Park.SQF", "Park.SQF"},
        {4, "ParkPos.SQF", "ParkPos.SQF"},
        {5, "SatFiles.SQF", "SatFiles.SQF"},
        {6, "SatIni.SQF, ParPort.SQF", "SatIni.SQF"},
        {6, "SatIni.SQF, ParPort.SQF", "AntKorr.SQF"},
        {6, "SatIni.SQF, ParPort.SQF", "ParPort.SQF"},
        {7, "YaesuIIPar.SQF", "YaesuIIPar.SQF"},
        {8, "YaesuPar.SQF", "YaesuPar.SQF"},
        {9, "IcomPar.SQF", "IcomPar.SQF"},
        {10, "IcomName.SQF", "IcomName.SQF"},
        {11, "KenwoodPar.SQF", "KenwoodPar.SQF"},
        {12, "NelvoNames.Txt", "NelvoNames.txt"},
        {13, "SatNameOpt.SQF", "SatNameOpt.SQF"},
        {14, "RTS12.SQF", "RTS12.SQF"},
        {15, "CountDownPos.SQF", "CountDownPos.SQF"},
        {16, "TRX_Semi.SQF", "Radio2/TRX_Semi.SQF"},
        {17, "YaesuParSemi.SQF", "Radio2/YaesuParSemi.SQF"},
        {18, "YaesuIIParSemi.SQF", "Radio2/YaesuIIParSemi.SQF"},
        {19, "KenwoodParSemi.SQF", "Radio2/KenwoodParSemi.SQF"},
        {20, "IcomNameSemi.SQF", "Radio2/IcomNameSemi.SQF"},
        {21, "IcomParSemi.SQF", "Radio2/IcomParSemi.SQF"},
        {23, "Squint.SQF", "Squint.SQF"},
        {24, "SubTone.SQF", "SubTone.SQF"},
        {25, "IntVCat.SQF", "IntVCat.SQF"},
        {26, "IntVCatSSB.SQF", "IntVCatSSB.SQF"},
        {27, "SatSources.SQF", "SatSources.SQF"},
        {28, "Amateur.Sat", "Amateur.Sat"},
        {29, "Doppler.SQF", "Doppler.SQF"},
        {30, "Prior.SQF", "Prior.SQF"},
        {31, "SatStart.SQF", "SatStart.SQF"},
        {32, "WiRotOpt.SQF", "WiRotOpt.SQF"},
        {33, "StandPos.SQF", "StandPos.SQF"},
        {34, "Program.SQF", "Program.SQF"},
        {35, "Auxiliary.SQF", "Auxiliary.SQF"},
        {36, "RotorServer.SQF oder CatServer.SQF", "RotorServer.SQF"},
        {36, "RotorServer.SQF oder CatServer.SQF", "CatServer.SQF"},
        {37, "KorrMod.SQF", "KorrMod.SQF"},
    };
    for (const auto& c : cases) {
        const QString path = root_.filePath(c.file);
        const QString aside = path + ".aside";
        ASSERT_TRUE(QFile::rename(path, aside)) << c.file;
        LoadedSettings settings;
        const auto failure = RunSettingsLoader(folders_, settings, {});
        ASSERT_TRUE(failure) << c.file;
        EXPECT_EQ(failure->step, c.step) << c.file;
        EXPECT_EQ(failure->label.toStdString(), c.label) << c.file;
        ASSERT_TRUE(QFile::rename(aside, path));
    }
}

// A group list without a first group leaves no group file to read: the failure names the
// group list, not a nameless ".Sat".
TEST_F(SettingsLoaderTest, AGroupListWithoutAGroupFailsAtItsOwnStep) {
    const QString groupList = root_.filePath("SatFiles.SQF");
    for (const QByteArray& bytes : {QByteArray(""), QByteArray("\r\n"), QByteArray("; groups\r\n"),
                                    QByteArray("\r\nAmateur\r\n")}) {
        QFile file(groupList);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        LoadedSettings settings;
        const auto failure = RunSettingsLoader(folders_, settings, {});
        ASSERT_TRUE(failure) << bytes.toStdString();
        EXPECT_EQ(failure->step, 5) << bytes.toStdString();
        EXPECT_EQ(LoaderFailureMessage(failure->label),
                  QStringLiteral("Error while loading file SatFiles.SQF!\r"
                                 "The program will be closed!"));
    }
}

// The message ends with the reason the file could not be read, naming the file when the
// step reads several.
TEST_F(SettingsLoaderTest, AFailedStepsMessageEndsWithItsReason) {
    const struct {
        const char* file;
        int line;
        const char* text;
        const char* reasonLine;
    } cases[] = {
        {"SatIni.SQF", 3, "east", "SatIni.SQF: line 3 holds no number"},
        {"SatIni.SQF", 4, "90.5", "SatIni.SQF: line 4 holds a latitude outside -90..90"},
        {"SatIni.SQF", 4, "-91", "SatIni.SQF: line 4 holds a latitude outside -90..90"},
        {"KorrMod.SQF", 0, nullptr, "file not found"},
    };
    for (const auto& c : cases) {
        const QString path = root_.filePath(c.file);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        file.close();
        if (c.text != nullptr) {
            StoreSqfLines(path, {{c.line, c.text}});
        } else {
            ASSERT_TRUE(QFile::remove(path));
        }
        LoadedSettings settings;
        const auto failure = RunSettingsLoader(folders_, settings, {});
        ASSERT_TRUE(failure) << c.reasonLine;
        EXPECT_EQ(LoaderFailureMessage(failure->label, failure->reason),
                  QStringLiteral("Error while loading file %1!\rThe program will be closed!\r%2")
                      .arg(failure->label, QLatin1String(c.reasonLine)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(original);
        file.close();
    }
}

// A latitude at the pole itself is a place the observer dialog takes.
TEST_F(SettingsLoaderTest, ALatitudeAtThePoleLoads) {
    StoreSqfLines(root_.filePath("SatIni.SQF"), {{4, "-90"}});
    LoadedSettings settings;
    ASSERT_FALSE(RunSettingsLoader(folders_, settings, {}));
    EXPECT_EQ(settings.station.latitude, -90.0);
}

// A settings file the program may not read says so.
TEST_F(SettingsLoaderTest, AFolderInAFilesPlaceIsNamedAsSuch) {
    const QString path = root_.filePath("Park.SQF");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    LoadedSettings settings;
    const auto failure = RunSettingsLoader(folders_, settings, {});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason, QStringLiteral("not a regular file"));
}

// A typo in the transponder table is a warning, not a reason to close the program.
TEST_F(SettingsLoaderTest, ATypedTransponderNumberLoadsWithOneWarning) {
    const QString doppler = root_.filePath("Doppler.SQF");
    QStringList lines = ReadSqfLines(doppler);
    lines.append("NEW-1,4351OO,145900,USB,LSB,REV,0,0");
    lines.append("NEW-2,435100,1459OO,USB,LSB,REV,0,0");
    SqfWriter().Lines(lines).Commit(doppler);
    LoadedSettings settings;
    ASSERT_FALSE(RunSettingsLoader(folders_, settings, {}));
    EXPECT_EQ(settings.transponders.size(), lines.size() - 3);
    EXPECT_EQ(settings.warnings,
              QStringList(QStringLiteral("Doppler.SQF, line %1: field 2 holds no number, read as 0 "
                                         "(and 1 more such line)")
                              .arg(lines.size() - 1)));
}

}  // namespace
}  // namespace orbivox

// The speech settings file: the written layout, reading it back and the bundled copy, and a
// bad line named in the error.
#include "links/SpeechSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"

namespace orbivox {
namespace {

TEST(SpeechSettings, FourIntegersVoicePitchVolumeRate) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Talk.SQF");
    WriteSpeechSettings(path, {2, -3, 80, 5});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "2\r\n-3\r\n80\r\n5\r\n");
    const SpeechSettings read = ReadSpeechSettings(path);
    EXPECT_EQ(read.voice, 2);
    EXPECT_EQ(read.pitch, -3);
    EXPECT_EQ(read.volume, 80);
    EXPECT_EQ(read.rate, 5);

    const SpeechSettings bundled =
        ReadSpeechSettings(QDir(ORBIVOX_BUNDLED_DATA).filePath("Talk.SQF"));
    EXPECT_EQ(bundled.volume, 100);
}

TEST(SpeechSettings, AShortFileFailsNamingTheLine) {
    QTemporaryDir dir;
    QFile file(dir.filePath("Talk.SQF"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0\r\n0\r\nloud\r\n0\r\n");
    file.close();
    try {
        ReadSpeechSettings(file.fileName());
        FAIL();
    } catch (const SqfError& error) {
        EXPECT_EQ(error.fileName(), "Talk.SQF");
        EXPECT_TRUE(error.reason().contains("line 3"));
    }
}

}  // namespace
}  // namespace orbivox

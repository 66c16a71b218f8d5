// The tone table on small scratch files: the four fields, second tones in order, and a bad tone
// named by its line.
#include "radio/ToneTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

TEST(ToneTable, ReadsFourFieldsAndSecondTonesInOrder) {
    QTemporaryDir dir;
    const auto tones = ReadToneTable(WriteBytes(dir.filePath("SubTone.SQF"),
                                                ";name,tone,code1,code2\r\n"
                                                "SAUDISAT 1C (SO-50),67.0,63,1\r\n"
                                                "SAUDISAT 1C (SO-50),74.4,62,3\r\n"
                                                "DIWATA-2B,141.3\r\n"));  // codes missing: 0
    ASSERT_EQ(tones.size(), 3);
    EXPECT_EQ(tones[0].satelliteName, "SAUDISAT 1C (SO-50)");
    EXPECT_DOUBLE_EQ(tones[0].toneHz, 67.0);
    EXPECT_EQ(tones[0].code1, 63);
    EXPECT_EQ(tones[0].code2, 1);
    EXPECT_DOUBLE_EQ(tones[1].toneHz, 74.4);
    EXPECT_EQ(tones[1].code2, 3);
    EXPECT_EQ(tones[2].satelliteName, "DIWATA-2B");
    EXPECT_EQ(tones[2].code1, 0);
}

TEST(ToneTable, ATypedToneFailsNamingTheLine) {
    QTemporaryDir dir;
    const QString path = WriteBytes(dir.filePath("SubTone.SQF"),
                                    ";c\r\nISS (ZARYA),67,0,63,1\r\n");  // "67,0": a comma
    try {
        ReadToneTable(path);
        FAIL();
    } catch (const SqfError& error) {
        EXPECT_EQ(error.fileName(), "SubTone.SQF");
        EXPECT_TRUE(error.reason().contains("line 2, field 4")) << error.reason().toStdString();
    }
}

}  // namespace
}  // namespace orbivox

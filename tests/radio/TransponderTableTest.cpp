// The transponder table on scratch files: fields cut at commas, each entry's own line kept
// through comments and long tables, a missing file, and typed numbers read as 0 and reported.
#include "radio/TransponderTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

TEST(TransponderTable, FieldsAreCutAtCommasWithoutTrimming) {
    QTemporaryDir dir;
    const auto entries = ReadTransponderTable(
        WriteBytes(dir.filePath("Doppler.SQF"),
                   ";header 1\r\n;header 2\r\n;header 3\r\n"
                   "JAS-2 (FO-29),435850,145950,USB,LSB,REV,0,0\r\n"
                   "ES'HAIL 2,10489675,2400175.5,USB,USB,NOR,9750000,0,ninth field\r\n"
                   "AO-7 ,145970,0,CW\r\n"  // short line: missing modes empty, offsets 0
                   "\r\n"));                // an empty line is an entry that matches nobody
    ASSERT_EQ(entries.size(), 4);

    const TransponderEntry& fo29 = entries[0];
    EXPECT_EQ(fo29.satelliteName, "JAS-2 (FO-29)");
    EXPECT_DOUBLE_EQ(fo29.downlinkKHz, 435850);
    EXPECT_DOUBLE_EQ(fo29.uplinkKHz, 145950);
    EXPECT_EQ(fo29.downlinkMode, "USB");
    EXPECT_EQ(fo29.uplinkMode, "LSB");
    EXPECT_TRUE(fo29.inverting());
    EXPECT_EQ(fo29.line, "JAS-2 (FO-29),435850,145950,USB,LSB,REV,0,0");
    EXPECT_EQ(fo29.lineNumber, 4);

    const TransponderEntry& qo100 = entries[1];
    EXPECT_DOUBLE_EQ(qo100.uplinkKHz, 2400175.5);
    EXPECT_FALSE(qo100.inverting());
    EXPECT_DOUBLE_EQ(qo100.downlinkOffsetKHz, 9750000);
    EXPECT_DOUBLE_EQ(qo100.uplinkOffsetKHz, 0);  // the text after the eighth comma is ignored

    const TransponderEntry& ao7 = entries[2];
    EXPECT_EQ(ao7.satelliteName, "AO-7 ");
    EXPECT_EQ(ao7.downlinkMode, "CW");
    EXPECT_EQ(ao7.uplinkMode, "");
    EXPECT_EQ(ao7.sense, "");
    EXPECT_DOUBLE_EQ(ao7.uplinkOffsetKHz, 0);

    EXPECT_EQ(entries[3].satelliteName, "");
    EXPECT_EQ(entries[3].lineNumber, 7);
}

// A later store rewrites the entry's own line, so every entry must know where it stands
// even when comments are not only the three header lines, and a long table is read whole.
TEST(TransponderTable, EntriesRememberTheirPhysicalLinesAndNoneIsDropped) {
    QByteArray content = ";one comment only\r\nA,1,2,FM,FM,NOR,0,0\r\n;a comment between\r\n";
    for (int i = 0; i < 2500; ++i) {
        content += "SAT" + QByteArray::number(i) + ",435000,145900,USB,LSB,REV,0,0\r\n";
    }
    QTemporaryDir dir;
    const auto entries = ReadTransponderTable(WriteBytes(dir.filePath("Doppler.SQF"), content));
    ASSERT_EQ(entries.size(), 2501);
    EXPECT_EQ(entries[0].lineNumber, 2);
    EXPECT_EQ(entries[1].lineNumber, 4);
    EXPECT_EQ(entries[1].satelliteName, "SAT0");
    EXPECT_EQ(entries[2500].satelliteName, "SAT2499");
    EXPECT_EQ(entries[2500].lineNumber, 2503);
}

TEST(TransponderTable, AMissingFileFails) {
    QTemporaryDir dir;
    try {
        ReadTransponderTable(dir.filePath("Doppler.SQF"));
        FAIL();
    } catch (const SqfError& error) {
        EXPECT_EQ(error.fileName(), "Doppler.SQF");
    }
}

// A typo in a number must not stop the program: the field reads as 0, every other field and
// line as written, and one warning line names the file and the first line at fault.
TEST(TransponderTable, ATypedNumberReadsAsZeroAndIsReportedOnce) {
    struct Case {
        const char* lines;
        const char* problem;
    } const cases[] = {
        {"FO-29,435850,145950,USB,LSB,REV,0,0\r\n", ""},
        {"FO-29,435.850.0,145950,USB,LSB,REV,0,0\r\n",
         "Doppler.SQF, line 4: field 2 holds no number, read as 0"},
        {"FO-29,435850,14595O,USB,LSB,REV,x,0\r\nAO-7,,abc\r\n;c\r\nSO-50,1,2,FM,FM,NOR,0,y\r\n",
         "Doppler.SQF, line 4: field 3/7 holds no number, read as 0 (and 2 more such lines)"},
        {"FO-29,435850,145950,USB,LSB,REV,0,0\r\nAO-7,1e999,0\r\n",
         "Doppler.SQF, line 5: field 2 holds no number, read as 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        QTemporaryDir dir;
        const QString path =
            WriteBytes(dir.filePath("Doppler.SQF"), QByteArray(";h\r\n;h\r\n;h\r\n") + c.lines);
        const TransponderTableRead read = ReadTransponderTableWithProblems(path);
        EXPECT_EQ(read.problem, QString::fromLatin1(c.problem));
        ASSERT_FALSE(read.entries.isEmpty());
        EXPECT_EQ(read.entries[0].satelliteName, "FO-29");
        EXPECT_EQ(read.entries[0].sense, "REV");
        EXPECT_EQ(ReadTransponderTable(path).size(), read.entries.size());
    }
    QTemporaryDir dir;
    const auto typo = ReadTransponderTable(
        WriteBytes(dir.filePath("Doppler.SQF"), "FO-29,435.850.0,145950,USB,LSB,REV,x,0\r\n"));
    ASSERT_EQ(typo.size(), 1);
    EXPECT_DOUBLE_EQ(typo[0].downlinkKHz, 0);
    EXPECT_DOUBLE_EQ(typo[0].uplinkKHz, 145950);
    EXPECT_DOUBLE_EQ(typo[0].downlinkOffsetKHz, 0);
    EXPECT_EQ(typo[0].uplinkMode, "LSB");
}

}  // namespace
}  // namespace orbivox

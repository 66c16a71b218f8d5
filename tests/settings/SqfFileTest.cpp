// SQF files on scratch files: the 23-character reals, number notations, the round trip with
// CR LF and the code page, LF files, failures naming the file, and atomic commits.
#include "settings/SqfFile.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include <sys/stat.h>

namespace orbivox {
namespace {

TEST(SqfReal, WrittenInTheFixedTwentyThreeCharacterForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {10.0, " 1.00000000000000E+0001"},
        {-0.5, "-5.00000000000000E-0001"},
        {0.0, " 0.00000000000000E+0000"},
        {1e-300, " 1.00000000000000E-0300"},
        {1e300, " 1.00000000000000E+0300"},
        {-52.123456789, "-5.21234567890000E+0001"},
        // Rounding at the 15th digit carries into the next exponent.
        {9.999999999999999, " 1.00000000000000E+0001"},
        {-0.09999999999999999, "-1.00000000000000E-0001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSqfReal(c.value).toStdString(), c.text) << c.value;
        EXPECT_EQ(FormatSqfReal(c.value).size(), 23);
        EXPECT_DOUBLE_EQ(*ParseSqfReal(QString::fromLatin1(c.text)), std::stod(c.text));
    }
    EXPECT_THROW(FormatSqfReal(std::nan("")), std::invalid_argument);
}

TEST(SqfReal, ReadInAnyDecimalNotationWithAPoint) {
    EXPECT_DOUBLE_EQ(*ParseSqfReal("52.5"), 52.5);
    EXPECT_DOUBLE_EQ(*ParseSqfReal("  -7.25e2"), -725.0);
    EXPECT_DOUBLE_EQ(*ParseSqfReal("+3"), 3.0);
    EXPECT_DOUBLE_EQ(*ParseSqfReal("1.5 degrees"), 1.5);
    EXPECT_FALSE(ParseSqfReal("52,5"));
    EXPECT_FALSE(ParseSqfReal(""));
    EXPECT_FALSE(ParseSqfReal("abc"));
}

TEST(SqfInteger, DecimalOrDollarHex) {
    EXPECT_EQ(*ParseSqfInteger("42"), 42);
    EXPECT_EQ(*ParseSqfInteger(" -7"), -7);
    EXPECT_EQ(*ParseSqfInteger("$378"), 0x378);
    EXPECT_EQ(*ParseSqfInteger("12 ; port"), 12);
    EXPECT_FALSE(ParseSqfInteger("12abc"));
    EXPECT_FALSE(ParseSqfInteger("1.5"));
    EXPECT_FALSE(ParseSqfInteger(""));
    // A second sign is no number (negating the lowest one would overflow).
    EXPECT_FALSE(ParseSqfInteger("--7"));
    EXPECT_FALSE(ParseSqfInteger("--9223372036854775808"));
    EXPECT_FALSE(ParseSqfInteger("$-378"));
    EXPECT_EQ(*ParseSqfInteger("-$378"), -0x378);
}

TEST(SqfFile, RoundTripWithCrLfAndCodePage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Test.SQF");
    SqfWriter()
        .Flag(true)
        .Integer(-12)
        .Real(10.0)
        .Text(QStringLiteral("Jürgen’s Gerät €"))
        .Commit(path);

    EXPECT_EQ(
        ReadBytes(path),
        QByteArray("+\r\n-12\r\n 1.00000000000000E+0001\r\nJ\xfcrgen\x92s Ger\xe4t \x80\r\n"));

    SqfReader reader(path);
    EXPECT_EQ(reader.Flag(), QChar('+'));
    EXPECT_EQ(reader.Integer(), -12);
    EXPECT_DOUBLE_EQ(reader.Real(), 10.0);
    EXPECT_EQ(reader.Text(), QStringLiteral("Jürgen’s Gerät €"));
    // Past the end a text is empty and a flag blank, as after a short store.
    EXPECT_EQ(reader.Text(), QString());
    EXPECT_EQ(reader.Flag(), QChar(' '));
}

TEST(SqfFile, AcceptsLfAndAFinalLineWithoutEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Lf.SQF");
    WriteBytes(path, "first\nsecond\r\n\nlast");
    EXPECT_EQ(ReadSqfLines(path), (QStringList{"first", "second", "", "last"}));
}

TEST(SqfFile, FailuresNameTheFile) {
    QTemporaryDir dir;
    try {
        SqfReader reader(dir.filePath("KorrMod.SQF"));
        FAIL() << "a missing file must fail";
    } catch (const SqfError& error) {
        EXPECT_EQ(error.fileName(), QStringLiteral("KorrMod.SQF"));
    }

    const QString path = dir.filePath("SatIni.SQF");
    WriteBytes(path, "100\r\nJO62QM\r\neast\r\n");
    SqfReader reader(path);
    EXPECT_EQ(reader.Text(), QStringLiteral("100"));
    EXPECT_EQ(reader.Text(), QStringLiteral("JO62QM"));
    try {
        reader.Real();
        FAIL() << "a number line without a number must fail";
    } catch (const SqfError& error) {
        EXPECT_EQ(error.fileName(), QStringLiteral("SatIni.SQF"));
        EXPECT_TRUE(error.reason().contains("line 3"));
    }
    EXPECT_THROW(reader.Integer(), SqfError);  // past the end

    // What would block or fill memory is refused before reading: a folder, a pipe with no
    // writer, a file too large to be settings.
    const QString pipe = dir.filePath("Doppler.SQF");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QFile big(dir.filePath("SubTone.SQF"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxSqfFileBytes + 1));
    big.close();
    for (const QString& path : {dir.path(), pipe, big.fileName()}) {
        EXPECT_THROW(ReadSqfLines(path), SqfError) << path.toStdString();
    }
}

TEST(SqfFile, ListFilesDropCommentLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ParPort.SQF");
    WriteBytes(path, ";LPT addresses\r\n$378\r\n;second\r\n632\r\n");
    EXPECT_EQ(WithoutComments(ReadSqfLines(path)), (QStringList{"$378", "632"}));
}

TEST(SqfFile, CommitReplacesTheWholeFileAndLeavesNoTemporaries) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Keep.SQF");
    SqfWriter().Text("a much longer first version").Text("second line").Commit(path);
    SqfWriter().Text("new").Commit(path);
    EXPECT_EQ(ReadBytes(path), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Keep.SQF"});
    EXPECT_THROW(SqfWriter().Text("x").Commit(dir.filePath("no/such/folder/F.SQF")), SqfError);
}

}  // namespace
}  // namespace orbivox

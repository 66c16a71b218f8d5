// Reading element files: format and layout detection, names, limits.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "orbit/ElementFile.h"
#include "orbit/OrbitConstants.h"
#include "tests/orbit/OrbitFixtures.h"

namespace {

using namespace orbit;
using orbit::ElementFormat;
using Lines = std::vector<std::string>;

orbit::ElementReadOptions Options() {
    orbit::ElementReadOptions o;
    o.conversion.century = 1900;
    return o;
}

TEST(DetectFormat, FirstDecisionWins) {
    struct Case {
        const char* what;
        Lines lines;
        ElementFormat expected;
    };
    const std::vector<Case> cases = {
        {"empty file", {}, ElementFormat::None},
        {"text only", {"hello", "world"}, ElementFormat::None},
        {"verbose label", {"header", "Satellite: AO-10"}, ElementFormat::Verbose},
        {"labels are case-sensitive", {"satellite: AO-10"}, ElementFormat::None},
        {"pair", {"NAME", kNearLine1, kNearLine2}, ElementFormat::TwoLine},
        {"pair before a label", {kNearLine1, kNearLine2, "Satellite: X"}, ElementFormat::TwoLine},
        // A "1 " line whose partner is not a "2 " line: the partner is not
        // tested again, even for "Satellite:".
        {"partner skipped", {"1 stray", "Satellite: X"}, ElementFormat::None},
        {"line 1 at the end", {"NAME", kNearLine1}, ElementFormat::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(orbit::DetectFormat(c.lines), c.expected) << c.what;
}

TEST(DetectLayout, TitleLinesUnlessPairsFollowEachOther) {
    EXPECT_EQ(orbit::DetectLayout({"A", kNearLine1, kNearLine2, "B", kDeepLine1, kDeepLine2}),
              orbit::TwoLineLayout::WithTitles);
    EXPECT_EQ(orbit::DetectLayout({kNearLine1, kNearLine2, kDeepLine1, kDeepLine2}),
              orbit::TwoLineLayout::WithoutTitles);
    // Too short to tell: taken as titled.
    EXPECT_EQ(orbit::DetectLayout({kNearLine1, kNearLine2, kDeepLine1}),
              orbit::TwoLineLayout::WithTitles);
}

TEST(ReadTwoLine, TitleNamesLoseTrailingBlanksAndTags) {
    orbit::SetTable table;
    Lines lines;
    Append(lines, ThreeLineSet("OSCAR 7     ", kNearLine1, kNearLine2));
    Append(lines, ThreeLineSet("AO-10 [+]", kDeepLine1, kDeepLine2));
    Append(lines, ThreeLineSet("ISS (ZARYA)  [P] extra", kNearLine1, kNearLine2));
    // A title from a file whose lines ended in CR CR LF, or with a tab before its end.
    Append(lines, ThreeLineSet("FO-29 \r", kNearLine1, kNearLine2));
    Append(lines, ThreeLineSet("SO-50\t \r", kNearLine1, kNearLine2));
    const auto r = orbit::ReadElementLines(lines, table, Options());
    EXPECT_EQ(r.format, ElementFormat::TwoLine);
    EXPECT_EQ(r.names, (Lines{"OSCAR 7", "AO-10", "ISS (ZARYA)", "FO-29", "SO-50"}));
    EXPECT_FALSE(r.pastLimit);
    ASSERT_EQ(table.Count(), 5);
    EXPECT_EQ(table[2].catalogueNumber, "11801");
    EXPECT_EQ(table[2].line1, kDeepLine1);
    EXPECT_EQ(table[2].deepSpaceFlag, 1);
    // The last converted set is left current.
    EXPECT_DOUBLE_EQ(table.Current().epoch, table[5].epoch);
}

TEST(ReadTwoLine, MalformedPairIsSkipped) {
    orbit::SetTable table;
    Lines lines;
    // Column 11 of line 2 must be a digit.
    Append(lines, ThreeLineSet("BROKEN", kNearLine1, WithColumns(kNearLine2, 11, "x")));
    Append(lines, ThreeLineSet("GOOD", kDeepLine1, kDeepLine2));
    const auto r = orbit::ReadElementLines(lines, table, Options());
    EXPECT_EQ(r.names, (Lines{"GOOD"}));
}

TEST(ReadTwoLine, WithoutTitlesNamesComeOnlyFromTheList) {
    const Lines lines = {kNearLine1, kNearLine2, kDeepLine1, kDeepLine2};
    orbit::SetTable table;
    auto options = Options();
    options.useListNames = false;  // forced on for this layout anyway
    EXPECT_EQ(orbit::ReadElementLines(lines, table, options).count, 0);

    options.applyListName = [](char by, std::string_view key) -> std::optional<std::string> {
        if (by == 'I' && key == "11801")
            return "AO-10";
        return std::nullopt;
    };
    const auto r = orbit::ReadElementLines(lines, table, options);
    EXPECT_EQ(r.names, (Lines{"AO-10"}));
    EXPECT_EQ(table[1].catalogueNumber, "11801");
}

TEST(ReadTwoLine, DesignatorLookupCanHideUnlistedSets) {
    Lines lines;
    Append(lines, ThreeLineSet("TITLE A", WithColumns(kNearLine1, 10, "74089B  "), kNearLine2));
    Append(lines, ThreeLineSet("TITLE B", WithColumns(kDeepLine1, 10, "83058B  "), kDeepLine2));
    auto options = Options();
    options.identifyBy = 'D';
    options.useListNames = true;
    options.applyListName = [](char by, std::string_view key) -> std::optional<std::string> {
        if (by == 'D' && key == "83058B  ")
            return "AO-10";
        return std::nullopt;
    };
    orbit::SetTable table;
    options.showWithoutListName = true;
    EXPECT_EQ(orbit::ReadElementLines(lines, table, options).names, (Lines{"TITLE A", "AO-10"}));
    options.showWithoutListName = false;
    EXPECT_EQ(orbit::ReadElementLines(lines, table, options).names, (Lines{"AO-10"}));
}

TEST(ReadTwoLine, StopsAt1800Sets) {
    Lines lines;
    for (int i = 0; i < 1900; ++i)
        Append(lines, ThreeLineSet("SAT " + std::to_string(i), kNearLine1, kNearLine2));
    orbit::SetTable table;
    const auto r = orbit::ReadElementLines(lines, table, Options());
    EXPECT_EQ(r.count, 1800);
    EXPECT_EQ(table.Count(), 1800);
    EXPECT_EQ(r.names.back(), "SAT 1799");
    EXPECT_TRUE(r.pastLimit);
    EXPECT_EQ(orbit::PastLimitNote("big.txt", r),
              "only the first 1800 sets of \"big.txt\" were read; the sets after them were left "
              "out");
}

// Exactly the limit, or blank lines after the buffer, leaves nothing out.
TEST(ReadTwoLine, AFileUpToItsLimitHasNothingLeftOut) {
    Lines lines;
    for (int i = 0; i < 1800; ++i)
        Append(lines, ThreeLineSet("SAT " + std::to_string(i), kNearLine1, kNearLine2));
    orbit::SetTable table;
    EXPECT_FALSE(orbit::ReadElementLines(lines, table, Options()).pastLimit);
    Lines padded(5598, "filler");
    Append(padded, ThreeLineSet("LAST IN", kNearLine1, kNearLine2));  // lines 5599-5601
    padded.insert(padded.end(), {"", " ", "\r"});
    EXPECT_FALSE(orbit::ReadElementLines(padded, table, Options()).pastLimit);
}

TEST(ReadTwoLine, ReadsOnlyTheFirst5601Lines) {
    Lines lines(5598, "filler");
    Append(lines, ThreeLineSet("LAST IN", kNearLine1, kNearLine2));  // lines 5599-5601
    Append(lines, ThreeLineSet("BEYOND", kDeepLine1, kDeepLine2));   // lines 5602-5604
    orbit::SetTable table;
    const auto r = orbit::ReadElementLines(lines, table, Options());
    EXPECT_EQ(r.names, (Lines{"LAST IN"}));
    EXPECT_TRUE(r.pastLimit);
}

TEST(ReadElementFile, NoDataKeepsTheTable) {
    orbit::SetTable table;
    orbit::ReadElementLines(ThreeLineSet("KEEP", kNearLine1, kNearLine2), table, Options());
    const auto r = orbit::ReadElementLines({"no elements here"}, table, Options());
    EXPECT_EQ(r.format, ElementFormat::None);
    EXPECT_TRUE(r.names.empty());
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table[1].name, "KEEP");
}

TEST(ReadElementFile, CrLfAndLfReadAlike) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto crlf = dir / "orbivox_crlf.txt", lf = dir / "orbivox_lf.txt",
               empty = dir / "orbivox_empty.txt";
    std::ofstream(crlf, std::ios::binary) << "AO-10\r\n"
                                          << kDeepLine1 << "\r\n"
                                          << kDeepLine2 << "\r\n";
    std::ofstream(lf, std::ios::binary) << "AO-10\n" << kDeepLine1 << "\n" << kDeepLine2;
    std::ofstream(empty, std::ios::binary) << "";
    orbit::SetTable a, b, c;
    EXPECT_EQ(orbit::ReadElementFile(crlf, a, Options()).names, (Lines{"AO-10"}));
    EXPECT_EQ(orbit::ReadElementFile(lf, b, Options()).names, (Lines{"AO-10"}));
    EXPECT_EQ(a[1].line2, b[1].line2);
    EXPECT_DOUBLE_EQ(a[1].epoch, b[1].epoch);
    EXPECT_EQ(orbit::ReadElementFile(empty, c, Options()).format, ElementFormat::None);
    EXPECT_FALSE(orbit::ReadElementFile(dir / "orbivox_missing.txt", c, Options()).fileRead);
    for (const auto& p : {crlf, lf, empty})
        std::filesystem::remove(p);
}

// Whatever the path names, reading ends in a message naming it, never an exception, and the
// table keeps what it held.
TEST(ReadElementFile, UnreadablePathsAreRefusedWithAMessage) {
    const auto dir = std::filesystem::temp_directory_path() / "orbivox_unreadable";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "Kepler");
    // Sparse: a file over the limit that takes no room.
    const auto huge = dir / "huge.txt";
    std::ofstream(huge) << "x";
    std::filesystem::resize_file(huge, orbit::kMaxElementFileBytes + 1);
    ASSERT_EQ(::mkfifo((dir / "pipe.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir / "pipe.txt", dir / "link.txt");
    const std::string kNotRegular = "it is not a regular file (a pipe, a device or a socket)";
    struct Case {
        std::filesystem::path path;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {dir / "Kepler", "it is a folder, not a file"},
        {dir / "missing.txt", "No such file or directory"},
        {huge, "it is larger than 64 MiB, too large for an element file"},
        // A pipe or a device could keep us waiting for ever: refused before it is opened,
        // through a link too.
        {dir / "pipe.txt", kNotRegular},
        {dir / "link.txt", kNotRegular},
        {"/dev/zero", kNotRegular},
    };
    for (const Case& c : cases) {
        orbit::SetTable table;
        orbit::ReadElementLines(ThreeLineSet("KEEP", kNearLine1, kNearLine2), table, Options());
        const auto r = orbit::ReadElementFile(c.path, table, Options());
        EXPECT_FALSE(r.fileRead) << c.path;
        EXPECT_EQ(r.error, "cannot read \"" + c.path.string() + "\": " + c.reason);
        EXPECT_EQ(table.Count(), 1) << c.path;
        EXPECT_EQ(table[1].name, "KEEP") << c.path;
    }
    std::filesystem::remove_all(dir);
}

// Names are Windows-1252 in the file, UTF-8 in the program, in both formats; the short name is
// cut at 24 characters, not bytes.
TEST(ReadElementFile, NamesAreDecodedFromWindows1252) {
    orbit::SetTable table;
    EXPECT_EQ(
        orbit::ReadElementLines(ThreeLineSet("CAF\xC9 \x80 \xE9t\xE9 [+]", kNearLine1, kNearLine2),
                                table, Options())
            .names,
        (Lines{"CAF\u00C9 \u20AC \u00E9t\u00E9"}));
    EXPECT_EQ(orbit::ReadElementLines(VerboseSet("Satellite: \xE9\x9Clan"), table, Options()).names,
              (Lines{"\u00E9\u0153lan"}));

    orbit::ReadElementLines(ThreeLineSet(std::string(30, '\xE9'), kNearLine1, kNearLine2), table,
                            Options());
    std::string first24;
    for (int i = 0; i < 24; ++i)
        first24 += "\u00E9";
    EXPECT_EQ(table[1].shortName, first24);
}

TEST(ReadVerbose, ValuesNamesAndDuplicates) {
    Lines lines;
    Append(lines, VerboseSet("Satellite: ABCDEFGHIJKLMNOP"));  // 16 characters after one blank
    Append(lines, VerboseSet("Satellite:   AO-10  "));
    Append(lines, VerboseSet("Satellite: AO-10"));  // same name again
    lines.push_back("end");
    orbit::SetTable table;
    const auto r = orbit::ReadElementLines(lines, table, Options());
    EXPECT_EQ(r.format, ElementFormat::Verbose);
    EXPECT_EQ(r.names, (Lines{"ABCDEFGHIJ", "AO-10", ""}));
    const orbit::ElementSet& s = table[2];
    EXPECT_EQ(s.source, orbit::ElementSource::Verbose);
    EXPECT_DOUBLE_EQ(s.epoch, 80230.29629788);
    EXPECT_DOUBLE_EQ(s.inclinationDeg, 46.7916);  // the unit after the number is dropped
    EXPECT_DOUBLE_EQ(s.eccentricity, 0.7318036);
    EXPECT_DOUBLE_EQ(s.meanMotionRevPerDay, 2.28537848);
    EXPECT_DOUBLE_EQ(s.meanMotionRate, 1.431103e-02 * orbit::kTwoPi / (1440.0 * 1440.0));
    EXPECT_DOUBLE_EQ(s.epochRevolution, 12.5);
    EXPECT_EQ(s.dragTerm, 0.0);
    EXPECT_EQ(s.elementSetNumber, "000");
    EXPECT_TRUE(s.catalogueNumber.empty());
}

TEST(ReadVerbose, SetEndingOnTheLastLineIsDropped) {
    Lines lines;
    Append(lines, VerboseSet("Satellite: FIRST"));
    Lines last = VerboseSet("Satellite: SECOND");
    last.resize(last.size() - 1);  // "Epoch rev:" becomes the file's last line
    Append(lines, last);
    orbit::SetTable table;
    EXPECT_EQ(orbit::ReadElementLines(lines, table, Options()).names, (Lines{"FIRST"}));
}

TEST(ReadVerbose, StopsAt249Sets) {
    Lines lines;
    for (int i = 0; i < 260; ++i)
        Append(lines, VerboseSet("Satellite: S" + std::to_string(i)));
    orbit::SetTable table;
    const auto r = orbit::ReadElementLines(lines, table, Options());
    EXPECT_EQ(r.count, 249);
    EXPECT_EQ(r.names.back(), "S248");
    EXPECT_TRUE(r.pastLimit);
}

}  // namespace

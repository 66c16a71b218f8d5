// Walking a downloaded body set by set: two-line sets column by column, verbose sets label by
// label, OMM through the element reader; the first line that fits no set is the reason.
#include "catalogue/DownloadCheck.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/ElementFileReader.h"
#include "orbit/CatalogueNumber.h"
#include "orbit/ElementReaders.h"
#include "orbit/ElementLineTests.h"

namespace orbivox {
namespace {

constexpr size_t kLineLength = 69;
constexpr size_t kMaxTitleLength = 80;

using Lines = std::vector<std::string>;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks, then an optional sign, digits with at most one point, at least one digit.
bool IsDecimal(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    bool digit = false, point = false;
    for (const char c : text) {
        if (IsDigit(c))
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

// Digits after leading blanks; all blank when `blankAllowed`.
bool IsWhole(std::string_view text, bool blankAllowed) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.empty())
        return blankAllowed;
    for (const char c : text)
        if (!IsDigit(c))
            return false;
    return true;
}

// The two-line form with an implied point and exponent: " 12345-3", "-11606-4", " 00000+0".
bool IsExponentForm(std::string_view text) {
    if (text.size() != 8 || (text[0] != ' ' && text[0] != '-' && text[0] != '+') ||
        (text[6] != '-' && text[6] != '+') || !IsDigit(text[7]))
        return false;
    for (size_t i = 1; i < 6; ++i)
        if (!IsDigit(text[i]) && text[i] != ' ')
            return false;
    return true;
}

enum class Field { Decimal, Whole, WholeOrBlank, Exponent };

struct Column {
    size_t first, last;  // 1-based, as the format counts them
    Field field;
    const char* name;
};

// The numbers of each line; catalogue number and checksum are tested on their own.
constexpr std::array<Column, 6> kLine1Columns = {{
    {19, 32, Field::Decimal, "epoch"},
    {34, 43, Field::Decimal, "first derivative of the mean motion"},
    {45, 52, Field::Exponent, "second derivative of the mean motion"},
    {54, 61, Field::Exponent, "drag term"},
    {63, 63, Field::WholeOrBlank, "ephemeris type"},
    {65, 68, Field::WholeOrBlank, "element set number"},
}};
constexpr std::array<Column, 7> kLine2Columns = {{
    {9, 16, Field::Decimal, "inclination"},
    {18, 25, Field::Decimal, "right ascension of the node"},
    {27, 33, Field::Whole, "eccentricity"},
    {35, 42, Field::Decimal, "argument of perigee"},
    {44, 51, Field::Decimal, "mean anomaly"},
    {53, 63, Field::Decimal, "mean motion"},
    {64, 68, Field::WholeOrBlank, "revolution number"},
}};

bool FieldReads(std::string_view text, Field field) {
    switch (field) {
        case Field::Decimal:
            return IsDecimal(text);
        case Field::Whole:
            return IsWhole(text, false);
        case Field::WholeOrBlank:
            return IsWhole(text, true);
        case Field::Exponent:
            break;
    }
    return IsExponentForm(text);
}

int Checksum(std::string_view line) {
    int sum = 0;
    for (const char c : line.substr(0, kLineLength - 1))
        sum += IsDigit(c) ? c - '0' : c == '-' ? 1 : 0;
    return sum % 10;
}

// Why `line` is no line `number` (1 or 2) of a set, or nothing.
template <size_t N>
std::optional<QString> ElementLineProblem(const std::string& line, char number,
                                          const std::array<Column, N>& columns) {
    if (line.size() < 2 || line[0] != number || line[1] != ' ')
        return QStringLiteral("it does not begin \"%1 \"").arg(QLatin1Char(number));
    if (line.size() != kLineLength)
        return QStringLiteral("it has %1 columns, not 69").arg(line.size());
    if (!orbit::CatalogueNumberValue(std::string_view(line).substr(2, 5)))
        return QStringLiteral("columns 3-7 hold no catalogue number");
    for (const Column& column : columns) {
        if (!FieldReads(std::string_view(line).substr(column.first - 1,
                                                      column.last - column.first + 1),
                        column.field)) {
            return QStringLiteral("columns %1-%2 hold no %3")
                .arg(column.first)
                .arg(column.last)
                .arg(QLatin1String(column.name));
        }
    }
    const char written = line[kLineLength - 1];
    if (!IsDigit(written) || Checksum(line) != written - '0')
        return QStringLiteral("its checksum is %1, column 69 says %2")
            .arg(Checksum(line))
            .arg(QLatin1Char(written));
    return std::nullopt;
}

QString LineProblem(size_t index, const QString& what, const QString& why) {
    return QStringLiteral("line %1 is no %2: %3").arg(index + 1).arg(what, why);
}

QString CutOff(size_t index, const QString& what) {
    return QStringLiteral("the body ends after line %1, before the %2 of its last set")
        .arg(index + 1)
        .arg(what);
}

bool IsTitle(const std::string& line) {
    if (line.size() > kMaxTitleLength)
        return false;
    for (const char c : line)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            return false;
    return true;
}

// Title (optional), line 1, line 2, for every set; blank lines anywhere.
std::optional<QString> TwoLineProblem(const Lines& lines) {
    enum class Expect { TitleOrLine1, Line1, Line2 } expect = Expect::TitleOrLine1;
    std::string catalogue;
    size_t last = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = orbit::TrimRight(lines[i]);
        if (line.empty())
            continue;
        last = i;
        const bool looksLine1 = line.rfind("1 ", 0) == 0;
        if (expect == Expect::Line2) {
            if (const auto why = ElementLineProblem(line, '2', kLine2Columns))
                return LineProblem(i, QStringLiteral("line 2 of a set"), *why);
            if (line.compare(2, 5, catalogue) != 0)
                return LineProblem(i, QStringLiteral("line 2 of a set"),
                                   QStringLiteral("its catalogue number is not that of line 1"));
            expect = Expect::TitleOrLine1;
        } else if (looksLine1 || expect == Expect::Line1) {
            if (const auto why = ElementLineProblem(line, '1', kLine1Columns))
                return LineProblem(i, QStringLiteral("line 1 of a set"), *why);
            catalogue = line.substr(2, 5);
            expect = Expect::Line2;
        } else if (line.rfind("2 ", 0) == 0) {
            return LineProblem(i, QStringLiteral("part of a set"),
                               QStringLiteral("a line 2 without its line 1"));
        } else if (IsTitle(line)) {
            expect = Expect::Line1;
        } else {
            return LineProblem(i, QStringLiteral("part of a set"),
                               QStringLiteral("it is neither a title nor an element line"));
        }
    }
    if (expect == Expect::Line1)
        return CutOff(last, QStringLiteral("line 1"));
    if (expect == Expect::Line2)
        return CutOff(last, QStringLiteral("line 2"));
    return std::nullopt;
}

// The first word after the label: "46.7916 deg" holds 46.7916.
bool VerboseValueReads(std::string_view rest) {
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    rest = rest.substr(0, rest.find(' '));
    if (rest.empty())
        return false;
    // The decay rate may be written with an exponent: 1.431103e-02.
    const size_t exponent = rest.find_first_of("eE");
    if (exponent == std::string_view::npos)
        return IsDecimal(rest);
    return IsDecimal(rest.substr(0, exponent)) && exponent + 1 < rest.size() &&
           IsWhole(rest.substr(exponent + (rest[exponent + 1] == '-' || rest[exponent + 1] == '+'
                                               ? 2
                                               : 1)),
                   false);
}

QString LabelText(size_t label) {
    return QStringLiteral("\"%1\"").arg(
        QLatin1String(orbit::kVerboseLabelEndings[label].data(), orbit::kVerboseLabelEndings[label].size()));
}

bool IsSatelliteLine(const std::string& line) {
    return line.find("Satellite:") != std::string::npos;
}

// "Satellite:" lines, each followed by labelled lines holding the nine values in order.
std::optional<QString> VerboseProblem(const Lines& lines) {
    bool inSet = false;
    size_t label = 0;  // the value looked for next in the current set
    size_t last = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = orbit::TrimRight(lines[i]);
        if (line.empty())
            continue;
        last = i;
        if (IsSatelliteLine(line)) {
            if (inSet && label < orbit::kVerboseLabelEndings.size())
                return LineProblem(i, QStringLiteral("new set yet"),
                                   QStringLiteral("the set before lacks its %1 value")
                                       .arg(LabelText(label)));
            inSet = true;
            label = 0;
            continue;
        }
        if (!inSet)
            return LineProblem(i, QStringLiteral("part of a set"),
                               QStringLiteral("it comes before the first \"Satellite:\" line"));
        if (line.find(':') == std::string::npos)
            return LineProblem(i, QStringLiteral("part of a set"),
                               QStringLiteral("it is no labelled line"));
        if (label == orbit::kVerboseLabelEndings.size())
            continue;
        const size_t at = line.find(orbit::kVerboseLabelEndings[label]);
        if (at == std::string::npos)
            continue;
        if (!VerboseValueReads(std::string_view(line).substr(at + orbit::kVerboseLabelEndings[label].size())))
            return LineProblem(i, QStringLiteral("value of a set"),
                               QStringLiteral("its %1 value is no number").arg(LabelText(label)));
        ++label;
    }
    if (inSet && label < orbit::kVerboseLabelEndings.size())
        return CutOff(last, LabelText(label) + QStringLiteral(" value"));
    return std::nullopt;
}

}  // namespace

std::optional<QString> DownloadBodyProblem(std::string_view body) {
    const auto scratch = std::make_unique<orbit::SetTable>();
    const orbit::ElementReadResult read = ReadElementText(body, *scratch, {});
    if (!read.fileRead)
        return QString::fromStdString(read.error);
    if (read.format == orbit::ElementFormat::None)
        return QStringLiteral("it holds no two-line, verbose or OMM element set");
    if (read.format == orbit::ElementFormat::Omm)
        return read.count > 0 ? std::nullopt
                              : std::optional<QString>(QStringLiteral("its OMM records give no set "
                                                                      "this program computes"));
    const Lines lines = orbit::SplitLines(orbit::WithoutByteOrderMark(body));
    if (read.format == orbit::ElementFormat::TwoLine)
        return TwoLineProblem(lines);
    if (const auto problem = VerboseProblem(lines))
        return problem;
    // The reader never looks at the last line, so a set whose last value stands there is
    // not read.
    const auto sets = std::count_if(lines.begin(), lines.end(), IsSatelliteLine);
    if (read.count < std::min<long>(sets, orbit::kMaxVerboseSets))
        return QStringLiteral("its last set ends on the body's last line, where it is not read");
    return std::nullopt;
}

}  // namespace orbivox

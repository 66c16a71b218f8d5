// Reading and writing SQF files: the line decoder, integer and real parsing, the 23-character
// reals, rewriting chosen lines of a file, and the atomic store through QSaveFile.
#include "settings/SqfFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "settings/CodePage.h"

namespace orbivox {

SqfError::SqfError(const QString& fileName, const QString& reason)
    : std::runtime_error((fileName + ": " + reason).toStdString()),
      fileName_(fileName),
      reason_(reason) {}

QStringList ReadSqfLines(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists()) {
        throw SqfError(name, QStringLiteral("file not found"));
    }
    // A folder, a pipe or a device in a settings file's place would block or fill memory;
    // the largest real one (a transponder table) is a few hundred kilobytes.
    const QFileInfo info(path);
    if (!info.isFile()) {
        throw SqfError(name, QStringLiteral("not a regular file"));
    }
    if (info.size() > kMaxSqfFileBytes) {
        throw SqfError(name, QStringLiteral("larger than %1 MiB, not a settings file")
                                 .arg(kMaxSqfFileBytes / (1024 * 1024)));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw SqfError(name, file.error() == QFileDevice::PermissionsError
                                 ? QStringLiteral("permission denied")
                                 : file.errorString());
    }
    // As much as the file holds, not the limit: a read buffer the size of the limit would be
    // set up for every small file.
    const QByteArray bytes = file.read(std::min(info.size(), kMaxSqfFileBytes));
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool lastLine = end < 0;
        if (lastLine) {
            end = bytes.size();
        }
        qsizetype length = end - start;
        if (length > 0 && bytes[end - 1] == '\r') {
            --length;
        }
        lines.append(DecodeCp1252(bytes.mid(start, length)));
        start = end + 1;
    }
    return lines;
}

QStringList WithoutComments(const QStringList& lines) {
    QStringList kept;
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1Char(';'))) {
            kept.append(line);
        }
    }
    return kept;
}

namespace {

std::string FirstWord(const QString& line) {
    // Compiled once: a table of many thousand lines parses four numbers a line.
    static const QRegularExpression kBlank(QStringLiteral("\\s"));
    const QString trimmed = line.trimmed();
    const qsizetype blank = trimmed.indexOf(kBlank);
    return (blank < 0 ? trimmed : trimmed.left(blank)).toStdString();
}

}  // namespace

std::optional<long long> ParseSqfInteger(const QString& line) {
    std::string word = FirstWord(line);
    bool negative = false;
    if (!word.empty() && (word[0] == '+' || word[0] == '-')) {
        negative = word[0] == '-';
        word.erase(0, 1);
    }
    int base = 10;
    if (!word.empty() && word[0] == '$') {
        base = 16;
        word.erase(0, 1);
    }
    // One sign at most, before the "$": from_chars would take a second one, and "--" with the
    // lowest number would overflow on negation.
    if (!word.empty() && (word[0] == '+' || word[0] == '-')) {
        return std::nullopt;
    }
    long long value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value, base);
    if (word.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<double> ParseSqfReal(const QString& line) {
    std::string word = FirstWord(line);
    if (!word.empty() && word[0] == '+') {
        word.erase(0, 1);
    }
    double value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value, std::chars_format::general);
    if (word.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString FormatSqfReal(double value) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument("a settings value must be a finite number");
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(value));
    // buffer is "d.ddddddddddddddE+xx" with two or three exponent digits.
    const std::string text(buffer);
    const auto e = text.find('E');
    const int exponent = std::stoi(text.substr(e + 1));
    char result[40];
    std::snprintf(result, sizeof result, "%c%sE%c%04d",
                  std::signbit(value) && value != 0 ? '-' : ' ', text.substr(0, e).c_str(),
                  exponent < 0 ? '-' : '+', std::abs(exponent));
    return QString::fromLatin1(result);
}

QString WriteFailureText(const QString& path, const SqfError& error) {
    return QStringLiteral("Writing %1 failed: %2")
        .arg(QDir::toNativeSeparators(path), error.reason());
}

void StoreSqfLines(const QString& path, const std::map<int, QString>& lines) {
    QStringList content = QFileInfo::exists(path) ? ReadSqfLines(path) : QStringList();
    for (const auto& [number, text] : lines) {
        while (content.size() < number) {
            content.append(QString());
        }
        content[number - 1] = text;
    }
    SqfWriter().Lines(content).Commit(path);
}

SqfReader::SqfReader(const QString& path)
    : fileName_(QFileInfo(path).fileName()), lines_(ReadSqfLines(path)) {}

void SqfReader::Fail(const QString& reason) const {
    throw SqfError(fileName_, reason);
}

QString SqfReader::Text() {
    if (next_ >= lines_.size()) {
        ++next_;
        return QString();
    }
    return lines_[next_++];
}

QChar SqfReader::Flag() {
    const QString line = Text();
    return line.isEmpty() ? QChar(' ') : line[0];
}

long long SqfReader::Integer() {
    const int lineNumber = next_ + 1;
    const auto value = ParseSqfInteger(Text());
    if (!value) {
        Fail(QStringLiteral("line %1 holds no integer").arg(lineNumber));
    }
    return *value;
}

double SqfReader::Real() {
    const int lineNumber = next_ + 1;
    const auto value = ParseSqfReal(Text());
    if (!value) {
        Fail(QStringLiteral("line %1 holds no number").arg(lineNumber));
    }
    return *value;
}

SqfWriter& SqfWriter::Text(const QString& text) {
    lines_.append(text);
    return *this;
}

SqfWriter& SqfWriter::Flag(QChar flag) {
    lines_.append(QString(flag));
    return *this;
}

SqfWriter& SqfWriter::Integer(long long value) {
    lines_.append(QString::number(value));
    return *this;
}

SqfWriter& SqfWriter::Real(double value) {
    lines_.append(FormatSqfReal(value));
    return *this;
}

SqfWriter& SqfWriter::Lines(const QStringList& lines) {
    lines_.append(lines);
    return *this;
}

void SqfWriter::Commit(const QString& path) const {
    const QString name = QFileInfo(path).fileName();
    QByteArray bytes;
    for (const QString& line : lines_) {
        bytes += EncodeCp1252(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw SqfError(name, file.errorString());
    }
}

}  // namespace orbivox

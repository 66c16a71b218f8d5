#pragma once
// Small line-oriented settings files (".SQF"): one value per line in a fixed order,
// CR LF line ends, Windows-1252 text, reals in a fixed 23-character scientific form.
//
// Reading: SqfReader takes the lines in order (flag, integer, real or text); a reader
// reads the lines it knows and ignores the rest. Writing: SqfWriter collects whole lines
// and replaces the file atomically, so a crash never leaves half a settings file.
// Failures throw SqfError, which names the file for the start-up loader's message.
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <stdexcept>

namespace orbivox {

class SqfError : public std::runtime_error {
public:
    SqfError(const QString& fileName, const QString& reason);
    // The file's name without its folder, as the loader's message shows it.
    const QString& fileName() const { return fileName_; }
    const QString& reason() const { return reason_; }

private:
    QString fileName_;
    QString reason_;
};

// The largest file read as a settings file.
inline constexpr qint64 kMaxSqfFileBytes = 16 * 1024 * 1024;

// Reads a whole text file as lines (CR LF or LF, a final line without its end accepted),
// decoded from Windows-1252. A missing or unreadable file, a folder, a pipe or a device, or a
// file over kMaxSqfFileBytes throws SqfError.
QStringList ReadSqfLines(const QString& path);

// The lines of a list file that are not ";" comments.
QStringList WithoutComments(const QStringList& lines);

// Value parsers shared by every reader; std::nullopt when the text holds no such number.
// Integers are decimal, or hexadecimal after "$"; reals use "." with or without exponent.
// Both take the first blank-separated word of the line, after leading blanks.
std::optional<long long> ParseSqfInteger(const QString& line);
std::optional<double> ParseSqfReal(const QString& line);

// The 23-character form: a blank or "-", one digit, ".", 14 digits, "E", the exponent
// sign and four exponent digits. 10 is " 1.00000000000000E+0001".
QString FormatSqfReal(double value);

// A flag line's text: "+" on, "-" off.
inline QString SqfFlagText(bool on) {
    return on ? QStringLiteral("+") : QStringLiteral("-");
}

// The report of a settings file that could not be written: "Writing PATH failed: REASON",
// the path in the platform's form.
QString WriteFailureText(const QString& path, const SqfError& error);

// Replaces the given lines (numbered from 1) of a settings file and keeps every other
// line, so a dialog storing its own values never drops what another dialog stored or a
// line it does not know. Missing lines are added empty; the write is atomic. A missing
// file is created. Throws SqfError.
void StoreSqfLines(const QString& path, const std::map<int, QString>& lines);

class SqfReader {
public:
    explicit SqfReader(const QString& path);

    // Past the last line a text reads as empty and a flag as a blank; a number fails.
    QString Text();
    QChar Flag();
    long long Integer();
    double Real();

    int lineCount() const { return static_cast<int>(lines_.size()); }
    int position() const { return next_; }
    const QStringList& lines() const { return lines_; }
    const QString& fileName() const { return fileName_; }
    [[noreturn]] void Fail(const QString& reason) const;

private:
    QString fileName_;
    QStringList lines_;
    int next_ = 0;
};

class SqfWriter {
public:
    SqfWriter& Text(const QString& text);
    SqfWriter& Flag(QChar flag);
    SqfWriter& Flag(bool on) { return Flag(on ? QChar('+') : QChar('-')); }
    SqfWriter& Integer(long long value);
    SqfWriter& Real(double value);
    SqfWriter& Lines(const QStringList& lines);

    // Writes the collected lines with CR LF ends into path through a temporary file and
    // a rename. Throws SqfError (and leaves the old file as it was) on failure.
    void Commit(const QString& path) const;

private:
    QStringList lines_;
};

}  // namespace orbivox

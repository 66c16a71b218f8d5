#pragma once
// Hamlib's network daemons (rigctld, rotctld) on their extended protocol: every command
// sent with a "+" first is answered with its echo, "Name: value" lines and a last line
// "RPRT n" (0: done; negative: a Hamlib error, -11 "not available"). "\chk_vfo" alone is
// answered with one line "ChkVFO: n". One reader for everything that talks to them: the
// server programs (servers/HamlibLink) and the Hamlib radio family (radio/hamlib).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace orbivox {

struct RigctldAnswer {
    QStringList lines;  // without the "RPRT" line
    int report = 0;     // its number; 0 for "ChkVFO"; -1 for a line that holds none

    // The value of a "Name: value" line.
    std::optional<QString> Value(const QString& name) const;
    // The whole number of hertz of a frequency line ("Frequency", "TX Frequency").
    std::optional<qlonglong> Hertz(const QString& name) const;
    bool Done() const { return report == 0; }
};

// Reads one answer as its bytes arrive, in any pieces. An answer longer than kMaxBytes is
// no answer (a daemon gone wrong, or no daemon at all); bytes after the answer's last line
// belong to no command and are dropped.
class RigctldAnswerReader {
public:
    static constexpr qsizetype kMaxBytes = 16 * 1024;
    enum class State { Waiting, Complete, TooLong };

    State Take(const QByteArray& bytes);
    State state() const { return state_; }
    bool Started() const { return taken_ > 0; }
    // Once Complete: the answer, and its last line as the daemon wrote it ("RPRT 0").
    const RigctldAnswer& Answer() const { return answer_; }
    const QString& ReportLine() const { return reportLine_; }

private:
    State state_ = State::Waiting;
    QByteArray line_;  // the line still open
    qsizetype taken_ = 0;
    RigctldAnswer answer_;
    QString reportLine_;
};

// The whole answer in `bytes`, or nothing while it is incomplete (or too long).
std::optional<RigctldAnswer> ReadRigctldAnswer(const QByteArray& bytes);
// Whether waiting for more of `bytes` is over: the answer is whole, or past the cap.
bool RigctldAnswerEnded(const QByteArray& bytes);

}  // namespace orbivox

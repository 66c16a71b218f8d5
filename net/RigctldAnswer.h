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

// An answer longer than this is no answer (a daemon gone wrong, or not a daemon at all).
inline constexpr qsizetype kLongestRigctldAnswer = 16384;

struct RigctldAnswer {
    QStringList lines;  // without the "RPRT" line
    int report = 0;     // its number; 0 for "ChkVFO"

    // The value of a "Name: value" line.
    std::optional<QString> Value(const QString& name) const;
    bool Done() const { return report == 0; }
};

// Takes one whole answer off the front of `buffer` (CR LF or LF lines); nothing while the
// answer is still incomplete.
std::optional<RigctldAnswer> TakeRigctldAnswer(QByteArray& buffer);
// Whether `buffer` holds a whole answer.
bool HoldsRigctldAnswer(const QByteArray& buffer);

}  // namespace orbivox

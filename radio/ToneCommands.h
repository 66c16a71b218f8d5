#pragma once
// The subaudible tone's commands per radio family and model, and the tone switch T0/T1/T2
// of the working satellite. The tone goes to the radio that transmits.
//
// Tones outside 60-260 Hz and codes that do not fit the command are never sent: the table
// is a text file the operator edits, and a wrong number would set some other tone or
// garble the command.
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "radio/RadioFamily.h"
#include "radio/ToneTable.h"

namespace orbivox {

inline constexpr double kLowestToneHz = 60.0;
inline constexpr double kHighestToneHz = 260.0;

// The radio a tone command is meant for.
struct ToneTarget {
    RadioFamily family = RadioFamily::None;
    QString model;        // "FT-847", "TS-2000", "IC-9700", ...
    int icomAddress = 0;  // the transmitting Icom address
};

// The commands that switch the tone off, or set `entry`'s tone and switch it on, in the
// order they are sent. Nothing (and `refusal` says why) when the entry's value for this
// radio is out of range; an empty list for a radio without tone commands.
std::optional<QList<QByteArray>> ToneCommands(const ToneTarget& target, bool on,
                                              const ToneEntry& entry, QString* refusal);

// The tone switch `lblTone` and what it sends: the tone state of the working satellite
// (0 off, 1 tone 1, 2 tone 2), switched by satellite changes, clicks and the first uplink.
class ToneSwitch {
public:
    explicit ToneSwitch(QList<ToneEntry> table = {});

    void SetTable(QList<ToneEntry> table) { table_ = std::move(table); }
    // Where the commands go; `send` writes one command with its CAT delay (and any VFO
    // selection the radio needs around it). An empty `send`: no radio to tell (KCT mode,
    // no port), the switch still shows its state.
    void SetRadio(ToneTarget target, std::function<void(const QList<QByteArray>&)> send);

    // The working satellite changed (and at each mode set-up): tone on with the current
    // state (at least 1, at most the number of tones) when the satellite has an entry, else
    // tone off.
    void SatelliteChanged(const QString& satelliteName);
    // A click on the switch: 0 -> 1 -> 2 -> 0 (1 -> 0 with one tone).
    void Click();
    // Closing and Kenwood entry selections: the switch steps to 0 (tone off).
    void Reset();
    // The first uplink after an entry selection: tone 1 on when the satellite has a tone.
    void FirstUplink();

    int State() const { return state_; }
    int Tones() const { return static_cast<int>(entries_.size()); }
    QString Label() const { return QStringLiteral("T%1").arg(state_); }

    // A tone that is out of range for the radio, said once per satellite and tone (for the
    // status bar; it is also written to the standard error).
    std::function<void(const QString&)> onRefused;

private:
    void Apply();

    QList<ToneEntry> table_;
    QList<ToneEntry> entries_;  // the working satellite's one or two tones
    QString satellite_;
    QList<QString> refusedOnce_;
    ToneTarget target_;
    std::function<void(const QList<QByteArray>&)> send_;
    int state_ = 0;
};

}  // namespace orbivox

#pragma once
// The tone switch T0/T1/T2 of the working satellite and what the families' tone commands
// share; each family's command set forms its own commands. The tone goes to the radio that
// transmits.
//
// Tones outside 60-260 Hz and codes that do not fit the command are never sent: the table
// is a text file the operator edits, and a wrong number would set some other tone or
// garble the command.
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "radio/RadioCommandSet.h"
#include "radio/ToneTable.h"

namespace orbivox {

inline constexpr double kLowestToneHz = 60.0;
inline constexpr double kHighestToneHz = 260.0;

// What the families' tone commands share: a refusal (always nothing, with `refusal` set
// to "Tone of <satellite> not sent: <what>"), the check of a tone in Hz, and a tone in Hz as
// four packed digits of tenths (88.5 Hz gives 08 85).
std::nullopt_t RefuseTone(const ToneEntry& entry, const QString& what, QString* refusal);
bool ToneHertzInRange(const ToneEntry& entry, QString* refusal);
QByteArray PackedToneTenths(double toneHz);
// For a radio that numbers its tones its own way (not as SubTone.SQF's code columns): the
// place of `entry`'s tone in the radio's list of tones (in tenths of Hz, the first place 0);
// nothing, and `refusal` naming `radio`, when the radio does not have the tone.
std::optional<int> TonePlace(const QList<int>& tenths, const ToneEntry& entry, const QString& radio,
                             QString* refusal);

// The tone switch `lblTone` and what it sends: the tone state of the working satellite
// (0 off, 1 tone 1, 2 tone 2), switched by satellite changes, clicks and the first uplink.
class ToneSwitch {
public:
    explicit ToneSwitch(QList<ToneEntry> table = {});

    void SetTable(QList<ToneEntry> table) { table_ = std::move(table); }
    // The radio the commands are for (null: none) and where they go; `send` writes the
    // commands, each with its CAT delay (and any VFO selection the radio needs around them).
    // No radio or an empty `send`: no radio to tell (KCT mode, no port), the switch still
    // shows its state.
    void SetRadio(const RadioCommandSet* radio,
                  std::function<void(const QList<QByteArray>&)> send);

    // The working satellite changed (and at each mode set-up): tone on with the current
    // state (at least 1, at most the number of tones) when the satellite has an entry, else
    // tone off.
    void SatelliteChanged(const QString& satelliteName);
    // A click on the switch: 0 -> 1 -> 2 -> 0 (1 -> 0 with one tone).
    void Click();
    // Closing, and entry selections where radio 1's family asks for it: the switch steps to
    // 0 (tone off).
    void Reset();
    // The first uplink after an entry selection: tone 1 on when the satellite has a tone.
    void FirstUplink();
    // The mode set-up of a family whose entry selection switched the tone off: the tone of
    // the working satellite on again, as at a satellite change.
    void SetUp() { SatelliteChanged(satellite_); }
    // Closing with CAT on: tone off, so the radio is not left sending it.
    void SwitchOff();

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
    const RadioCommandSet* radio_ = nullptr;
    std::function<void(const QList<QByteArray>&)> send_;
    int state_ = 0;
};

}  // namespace orbivox

#pragma once
// What a radio emulator family does: it takes the bytes the program wrote, cuts them into
// the family's commands, keeps the radio's state and answers as the radio would, with one
// decoded log line per command. The pseudo-terminal, the fault options and the signals
// are the frame's (EmulatorLoop); a family never touches a file descriptor.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "radio/RadioFamilies.h"

namespace orbivox {

// One command as the emulator took it.
struct EmulatedCommand {
    QString log;        // "set downlink 145.90000 MHz"
    QByteArray answer;  // what the radio sends back; empty for commands without an answer
};

class EmulatorFamily {
public:
    virtual ~EmulatorFamily() = default;
    // Takes the bytes that arrived (any split: half a command waits for the rest) and gives
    // every command they complete, in order.
    virtual QList<EmulatedCommand> Feed(const QByteArray& bytes) = 0;
    // The operator presses or releases the microphone's PTT (the frame's SIGUSR1); a
    // device without one ignores it.
    virtual void SetMicrophonePtt(bool /*pressed*/) {}
    // The operator turns the receive dial (the frame's SIGUSR2: +1 kHz); returns the log
    // line, empty for a device without a dial.
    virtual QString TurnDial(int /*hertz*/) { return {}; }
};

// The options a family may take besides the frame's own.
struct FamilyOptions {
    QString model;  // --model; empty: the family's default
    // Icom CI-V: --address HEX[,HEX] (one or two radios on the bus), --no-echo (a USB radio
    // that does not echo), --collide (other stations' frames and collisions on the bus).
    QList<int> addresses;
    bool echo = true;
    bool collide = false;
    // --round-to HZ: set frequencies are stored rounded to this step, as a radio that keeps
    // coarser steps than its commands carry; 0 stores them as sent.
    int roundToHz = 0;
};

// A radio family's --model: empty (the family's default) or a name of its model records; for
// any other text false, with `error` saying "the <name> family has the models ...".
bool KnownRadioModel(const RadioFamilyDescriptor& family, const char* name, const QString& model,
                     QString& error);

using FamilyFactory =
    std::function<std::unique_ptr<EmulatorFamily>(const FamilyOptions&, QString& error)>;

// The families `orbivox emulate` knows, by name ("yaesu", "yaesu2", ...). Adding a family
// is its file plus one line in EmulatorFamilies.cpp.
const std::map<QString, FamilyFactory>& EmulatorFamilies();

}  // namespace orbivox

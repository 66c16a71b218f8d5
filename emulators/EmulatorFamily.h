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
    // The operator presses or releases the microphone's PTT (the frame's SIGUSR1).
    virtual void SetMicrophonePtt(bool pressed) = 0;
};

// The options a family may take besides the frame's own.
struct FamilyOptions {
    QString model;  // --model; empty: the family's default
};

using FamilyFactory =
    std::function<std::unique_ptr<EmulatorFamily>(const FamilyOptions&, QString& error)>;

// The families `orbivox emulate` knows, by name ("yaesu", "yaesu2", ...). Adding a family
// is its file plus one line in EmulatorFamilies.cpp.
const std::map<QString, FamilyFactory>& EmulatorFamilies();

}  // namespace orbivox

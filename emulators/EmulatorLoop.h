#pragma once
// The frame every radio emulator runs in: a pseudo-terminal whose device path is the first
// line on standard output, the read loop, the log of decoded commands, the fault options
// and an orderly end on SIGTERM. It keeps answering when the program closes the port and
// opens it again.
#include <QString>
#include <iosfwd>
#include <optional>

#include "emulators/EmulatorFamily.h"

namespace orbivox {

enum class AnswerFault { None, Silent, Garbage };

struct EmulatorOptions {
    AnswerFault fault = AnswerFault::None;
    std::optional<long> unplugAfter;  // close the pty after this many commands
    long silentFor = 0;               // no answer to the first this many commands
    int dialStepHz = 1000;            // what one SIGUSR2 turns the dial by
};

// Runs until SIGTERM or SIGINT (exit status 0), until the unplug (0) or until the pty fails
// (1, with a message on err). SIGUSR1 presses or releases the microphone's PTT;
// SIGUSR2 turns the receive dial up by options.dialStepHz (1 kHz unless asked otherwise).
int RunEmulator(EmulatorFamily& family, const EmulatorOptions& options, std::ostream& out,
                std::ostream& err);

// The bytes a confused radio sends instead of `answer`: shorter than it and not of its form.
QByteArray GarbageFor(const QByteArray& answer);

}  // namespace orbivox

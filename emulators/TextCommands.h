#pragma once
// Cutting a text protocol's byte stream into commands at their terminator (";" for the
// Kenwood and YaesuII families, CR for a GS-232 controller): half a command waits for the
// rest, and a run longer than any command without a terminator is dropped as line noise.
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "emulators/EmulatorFamily.h"

namespace orbivox {

// Appends `bytes` to `pending` and gives what `take` makes of every complete command's text
// (without its terminator); a command `take` answers with an empty log is left out.
QList<EmulatedCommand> TakeTextCommands(QByteArray& pending, const QByteArray& bytes,
                                        char terminator, qsizetype longestCommand,
                                        const std::function<EmulatedCommand(const QString&)>& take);

}  // namespace orbivox

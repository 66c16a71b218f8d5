// Cutting a text protocol's byte stream into commands.
#include "emulators/TextCommands.h"

namespace orbivox {

QList<EmulatedCommand> TakeTextCommands(
    QByteArray& pending, const QByteArray& bytes, char terminator, qsizetype longestCommand,
    const std::function<EmulatedCommand(const QString&)>& take) {
    pending += bytes;
    QList<EmulatedCommand> commands;
    qsizetype end;
    while ((end = pending.indexOf(terminator)) >= 0) {
        const QString text = QString::fromLatin1(pending.left(end));
        pending.remove(0, end + 1);
        EmulatedCommand command = take(text);
        if (!command.log.isEmpty()) {
            commands.append(std::move(command));
        }
    }
    if (pending.size() > longestCommand) {
        commands.append({QStringLiteral("noise dropped (%1 bytes)").arg(pending.size()), {}});
        pending.clear();
    }
    return commands;
}

}  // namespace orbivox

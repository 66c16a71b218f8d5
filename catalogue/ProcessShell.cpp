// Starting programs, viewers and editors as detached processes.
#include "catalogue/ProcessShell.h"

#include <QFileInfo>
#include <QProcess>

namespace orbivox {

namespace {

// Editors that need a terminal to draw in.
bool IsTerminalEditor(const QString& program) {
    static const QStringList kTerminalEditors = {
        "vi",     "vim", "nvim", "nano", "pico",  "micro",     "joe", "jed",  "ne",
        "mcedit", "ed",  "kak",  "hx",   "helix", "emacs-nox", "mg",  "zile", "jove"};
    return kTerminalEditors.contains(QFileInfo(program).fileName());
}

bool StartDetached(const QStringList& command, const QString& workingFolder) {
    if (command.isEmpty() || command.first().isEmpty()) {
        return false;
    }
    return QProcess::startDetached(command.first(), command.mid(1), workingFolder);
}

}  // namespace

QStringList EditorCommand(const QProcessEnvironment& environment, const QString& path) {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const QStringList words =
            QProcess::splitCommand(environment.value(QString::fromLatin1(variable)));
        if (words.isEmpty()) {
            continue;
        }
        if (IsTerminalEditor(words.first())) {
            return QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")} +
                   words + QStringList{path};
        }
        return words + QStringList{path};
    }
    return {QStringLiteral("xdg-open"), path};
}

bool ProcessShell::StartProgram(const QString& program, const QString& workingFolder) {
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable()) {
        return false;
    }
    return StartDetached({program}, workingFolder);
}

bool ProcessShell::OpenDocument(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    return StartDetached({QStringLiteral("xdg-open"), path}, QFileInfo(path).absolutePath());
}

bool ProcessShell::EditTextFile(const QString& path, const QString& workingFolder) {
    return StartDetached(EditorCommand(environment_, path), workingFolder);
}

}  // namespace orbivox

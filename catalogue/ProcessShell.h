#pragma once
// The shell on a Linux desktop: programs through QProcess, documents through xdg-open, and
// text files in $VISUAL or $EDITOR (a terminal editor inside x-terminal-emulator), else
// through xdg-open.
#include <QProcessEnvironment>
#include <QStringList>

#include "catalogue/Shell.h"

namespace orbivox {

// The command line that edits `path`: the editor's words, then the file. Empty variables
// are passed over; without an editor, xdg-open.
QStringList EditorCommand(const QProcessEnvironment& environment, const QString& path);

class ProcessShell : public Shell {
public:
    explicit ProcessShell(
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment())
        : environment_(std::move(environment)) {}

    bool StartProgram(const QString& program, const QString& workingFolder) override;
    bool OpenDocument(const QString& path) override;
    bool EditTextFile(const QString& path, const QString& workingFolder) override;

private:
    QProcessEnvironment environment_;
};

}  // namespace orbivox

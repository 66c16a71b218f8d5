#pragma once
// The shell as the launcher sees it: starting a program in a working folder, opening a
// document with the desktop's viewer, and opening a text file in the system's editor. Each
// returns false when the thing could not be started, so the operator can be told. The real
// one is ProcessShell; tests record the calls.
#include <QString>

namespace orbivox {

class Shell {
public:
    virtual ~Shell() = default;
    virtual bool StartProgram(const QString& program, const QString& workingFolder) = 0;
    virtual bool OpenDocument(const QString& path) = 0;
    virtual bool EditTextFile(const QString& path, const QString& workingFolder) = 0;
};

}  // namespace orbivox

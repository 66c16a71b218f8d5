#pragma once
// The rotor interfaces and their server programs: AlleServer.SQF (the interface list),
// RotorInterface.SQF (the chosen entry), RotorServer.SQF (the chosen server's path) and
// CatServer.SQF (the CAT server's path, kept for the server programs).
#include <QList>
#include <QString>

namespace orbivox {

struct RotorInterfaceEntry {
    QString name;        // as offered in the Rotor Setup's list
    QString serverPath;  // the server program without ".exe", absolute or relative to the
                         // program folder; unused for "DDE", "None" and "WinRotorPlus"
    bool operator==(const RotorInterfaceEntry&) const = default;
};

inline constexpr int kMaxRotorInterfaces = 31;
inline constexpr int kMaxServerPathLength = 300;

// AlleServer.SQF: "name,server path" a line (the path is everything after the first
// comma, at most 300 characters), at most 31 entries. Every line is an entry, so entry
// indexes stay the line numbers RotorInterface.SQF counts on. Throws SqfError.
QList<RotorInterfaceEntry> ReadRotorInterfaces(const QString& path);
void WriteRotorInterfaces(const QString& path, const QList<RotorInterfaceEntry>& entries);

// True for the interfaces whose positions an outside program takes from the data server,
// so no server program is started: "DDE", "None", "WinRotorPlus".
bool InterfaceHasNoServer(const QString& name);

// RotorInterface.SQF, one integer: the 0-based index of the chosen entry. Throws SqfError.
int ReadRotorInterfaceIndex(const QString& path);
void WriteRotorInterfaceIndex(const QString& path, int index);

// The entry at index, or nullptr when the index lies outside the list (a list shortened
// by hand, an edited index): such an index selects no interface.
const RotorInterfaceEntry* RotorInterfaceAt(const QList<RotorInterfaceEntry>& entries, int index);

// RotorServer.SQF and CatServer.SQF: one line, a path (read as written). Throws SqfError.
QString ReadServerPath(const QString& path);
void WriteServerPath(const QString& path, const QString& serverPath);

// The path RotorServer.SQF stores for an entry's server path: an absolute path (or one
// with a drive letter) as written, a relative one below the program folder.
QString AbsoluteServerPath(const QString& entryPath, const QString& programFolder);

}  // namespace orbivox

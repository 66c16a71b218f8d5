#pragma once
// The lists behind the "&Programs" menu (Program.SQF: programs to start) and the
// "Auxiliary Files" menu (Auxiliary.SQF: text files to edit), both in the configuration
// data folder.
#include <QString>
#include <QStringList>

namespace orbivox {

inline constexpr int kProgramMenuItems = 10;
inline constexpr int kAuxiliaryMenuItems = 11;
// The names list stands among the auxiliary files but lives in the main data folder.
inline const QString kNamesListEntry = QStringLiteral("NelvoNames.txt");

// Program.SQF: one program path without its ".exe" a line; ";" lines are comments and
// take no item, every other line (an empty one too) is an entry. All entries are kept;
// the menu offers the first ten. Throws SqfError.
QStringList ReadProgramList(const QString& path);

// Auxiliary.SQF: every line is a file name relative to its folder (no comments). All
// entries are kept; the menu offers the first eleven. Throws SqfError.
QStringList ReadAuxiliaryList(const QString& path);

// A menu caption: the text after the last "\" or "/" of an entry.
QString LauncherCaption(const QString& entry);

// The folder an auxiliary entry is opened from: the main data folder for exactly
// "NelvoNames.txt" (case-sensitive), the configuration data folder for every other entry.
QString AuxiliaryFolder(const QString& entry, const QString& mainDataFolder,
                        const QString& configDataFolder);

}  // namespace orbivox

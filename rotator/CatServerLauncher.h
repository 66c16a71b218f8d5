#pragma once
// The CAT server's launcher: the program Orbivox32 starts in KCT mode lives in the data
// folder as "KCT/ServerKCT". Ours is a small shell script there that starts ServerKCT from
// the server folder of the program in use (lib/orbivox32 beside the program folder).
#include <QString>

namespace orbivox {

// The ServerKCT program of a program folder.
QString CatServerProgram(const QString& programFolder);
// The launcher's text for that program.
QByteArray CatServerLauncherText(const QString& program);

// Writes dataFolder + "KCT/ServerKCT" when it is missing or starts another program (the
// installation moved), executable by the user; a launcher someone replaced by a program
// of their own (not our script) is left alone. False when it could not be written.
bool EnsureCatServerLauncher(const QString& dataFolder, const QString& programFolder);

}  // namespace orbivox

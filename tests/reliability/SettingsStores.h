#pragma once
// One round of settings stores through every writer the program has for files the user
// keeps (SatIni.SQF's observer lines, a group file, the window position, the transponder
// table with its backup), each store's content fixed by a version number. The kill test's
// child repeats a round until it is killed; the test runs the same round itself to learn
// what each file holds after it.
#include <QString>
#include <QStringList>

namespace orbivox {

// The files a round writes, relative to its folder.
QStringList StoredSettingsFiles();

// Copies the bundled defaults of those files (and what they read) into folder.
void PrepareSettingsFolder(const QString& folder);

// Stores version through every writer into folder (ending in "/"). Throws on failure.
void StoreSettingsRound(const QString& folder, int version);

}  // namespace orbivox

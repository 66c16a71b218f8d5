#pragma once
// The user's private runtime folder: where the instance locks (and later the conversation
// sockets) live. It must belong to the user alone, or another user could hold our lock or
// listen in; a folder that does not is refused rather than repaired.
#include <QString>
#include <optional>

namespace orbivox {

// $XDG_RUNTIME_DIR/Orbivox32/ when the variable is set, else /tmp/orbivox-<uid>/: the
// numeric user id keeps users apart even when no user name is known.
QString RuntimeFolderFor(const QString& xdgRuntimeDir, unsigned uid);

// The runtime folder of this process's user.
QString UserRuntimeFolder();

// Whether the programs of this user may trust `folder`: nothing when it is a folder (not a
// link) of the user's own that no one else can open, or when it is missing; otherwise the
// operator message naming it. Clients check it before they connect to a socket in it, as
// the servers do before they listen there.
std::optional<QString> PrivateFolderProblem(const QString& folder);

// Creates `folder` with mode 0700 when it is missing. Nothing when it is ready for use;
// otherwise the operator message naming it (it cannot be made, is not a folder, belongs to
// another user or is open to others), ending in "The program will now be closed."
std::optional<QString> PreparePrivateFolder(const QString& folder);

}  // namespace orbivox

#pragma once
// The conversation topics of the server programs we ship, known to both ends: the program
// that talks to a server (rotator/RotorInterface) and the servers themselves (servers/).
#include <QString>

namespace orbivox {

// The rotor servers' topic: "ClientOn", "az el", "Close" and the "Position" item.
inline const QString kRotorTopic = QStringLiteral("RotServConv");
// The CAT server's topic: the KCT macros.
inline const QString kCatTopic = QStringLiteral("CatServConv");

}  // namespace orbivox

#pragma once
// Where a downloaded element file is stored: the "Kepler" sub-folder of the main data folder,
// under the last segment of the address as the user wrote it (the text after its last "/"
// or "\"). A redirect does not change the name: the user knows the file by its address.
// An address whose end is no file name (a query, "gp.php?GROUP=x") names its file after
// "#/": the fragment is never sent to the server.
#include <QString>

namespace orbivox {

inline constexpr char kKeplerFolder[] = "Kepler";

QString DestinationName(const QString& address);

// Why a name cannot be used as a file in the "Kepler" folder; empty when it can. Refused:
// an empty name (an address ending in "/"), "." and "..", path separators and control
// characters, any of which would write outside the folder or make a file nobody can see.
QString DestinationNameProblem(const QString& name);

// Why the address gives no name to store its download under; empty when DestinationName()
// can be used. Besides DestinationNameProblem(): a name that would carry the address's query
// ("fresh.txt?GROUP=x", or a segment inside the query) unless the name follows "#/".
QString DestinationProblem(const QString& address);

}  // namespace orbivox

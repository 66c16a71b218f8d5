#pragma once
// Where a downloaded element file is stored: the "Kepler" sub-folder of the main data folder,
// under the last segment of the address as the user wrote it (the text after its last "/"
// or "\"). A redirect does not change the name: the user knows the file by its address.
#include <QString>

namespace orbivox {

inline constexpr char kKeplerFolder[] = "Kepler";

QString DestinationName(const QString& address);

// Why a name cannot be used as a file in the "Kepler" folder; empty when it can. Refused:
// an empty name (an address ending in "/"), "." and "..", path separators and control
// characters, any of which would write outside the folder or make a file nobody can see.
QString DestinationNameProblem(const QString& name);

}  // namespace orbivox

#pragma once
// Files named in settings and in the map tables are found without regard to letter case:
// the same file is spelled "Welt4l_Cap.bmp" and "Welt4L_Cap.bmp", and a Linux file system
// tells them apart.
#include <QString>

namespace orbivox {

// The path of `relativePath` ("Maps2D/Welt1l.bmp", "/" or "\" between parts) under
// `folder`, each part matched without regard to case (an exact match wins). Empty when
// there is no such file or folder.
QString FindIgnoringCase(const QString& folder, const QString& relativePath);

}  // namespace orbivox

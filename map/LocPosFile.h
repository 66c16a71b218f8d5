#pragma once
// LocPos.SQF: where the Observer 2 dialog stands on the screen (line 1 top, line 2 left).
#include <QPoint>
#include <QString>
#include <optional>

namespace orbivox {

// Nothing when the file is missing or does not hold two whole numbers.
std::optional<QPoint> ReadLocPos(const QString& path);
// Throws SqfError.
void WriteLocPos(const QString& path, QPoint topLeft);

}  // namespace orbivox

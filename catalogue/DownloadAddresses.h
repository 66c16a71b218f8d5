#pragma once
// The list of element download addresses, "Celestrak.SQF" in the main data folder: one
// address per line; lines beginning with ";" are comments, blank lines are skipped.
#include <QString>
#include <QStringList>

namespace orbivox {

inline constexpr char kDownloadAddressFile[] = "Celestrak.SQF";

// Throws SqfError when the file cannot be read.
QStringList ReadDownloadAddresses(const QString& path);

}  // namespace orbivox

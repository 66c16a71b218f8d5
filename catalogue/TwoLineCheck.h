#pragma once
// Does a downloaded file hold two-line element data? A pair is a line beginning "1 "
// followed at once by a line beginning "2 ". The line read as a partner is not tested
// again as a first line, so "1 ", "1 ", "2 " is no pair.
#include <QString>

class QIODevice;

namespace orbivox {

bool HoldsTwoLineData(QIODevice& device);
// A missing or unreadable file holds none.
bool FileHoldsTwoLineData(const QString& path);

}  // namespace orbivox

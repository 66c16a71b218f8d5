#pragma once
// The Hamlib family's parameter file HamlibPar.SQF, spelled as HamlibCat.SQF (the CAT
// server's file) is: 1 host, 2 port, 3 VFO style ("split", or "sub" for a satellite radio
// with a sub band), 4 the radio's name as the operator knows it (free text).
#include <QString>

namespace orbivox {

inline const QString kHamlibSplitStyle = QStringLiteral("split");
inline const QString kHamlibSubStyle = QStringLiteral("sub");

struct HamlibParameters {
    QString host = QStringLiteral("127.0.0.1");  // 1
    int port = 4532;                             // 2  rigctld's port, 1..65535
    QString style = kHamlibSplitStyle;           // 3  "split" or "sub"
    QString radioName;                           // 4  free text
};

// A data folder from before the family has no HamlibPar.SQF: then HamlibCat.SQF beside it
// gives host, port and style when it exists, else the defaults; never an error. A file
// that exists and holds no port, or a style other than the two, throws SqfError.
HamlibParameters ReadHamlibParameters(const QString& path);
void WriteHamlibParameters(const QString& path, const HamlibParameters& parameters);

}  // namespace orbivox

// The mode words Hamlib takes.
#include "net/HamlibModes.h"

#include <map>

namespace orbivox {

QString HamlibMode(const QString& word) {
    static const std::map<QString, QString> modes = {// The transponder table's words.
                                                     {"USB", "USB"},
                                                     {"LSB", "LSB"},
                                                     {"CW", "CW"},
                                                     {"CWR", "CWR"},
                                                     {"CWN", "CW"},
                                                     {"FM", "FM"},
                                                     {"FMN", "FM"},
                                                     {"AM", "AM"},
                                                     {"PKT", "PKTFM"},
                                                     {"FMD", "PKTFM"},
                                                     {"DV", "D-STAR"},
                                                     // The YaesuII family's words.
                                                     {"CW-U", "CW"},
                                                     {"CW-L", "CWR"},
                                                     {"FM-N", "FM"},
                                                     {"AM-N", "AM"},
                                                     {"RTTY-LSB", "RTTY"},
                                                     {"RTTY-USB", "RTTYR"},
                                                     {"DATA-LSB", "PKTLSB"},
                                                     {"DATA-USB", "PKTUSB"},
                                                     {"DATA-FM", "PKTFM"},
                                                     {"C4FM", "C4FM"}};
    const auto found = modes.find(word.trimmed().toUpper());
    return found == modes.end() ? QString() : found->second;
}

}  // namespace orbivox

#pragma once
// Hamlib's mode words for the modes the program's files and radios use: the transponder
// table's words and the YaesuII family's. The CAT server and the Hamlib radio family both
// tune through it.
#include <QString>

namespace orbivox {

// Hamlib's word ("USB", "PKTFM", "D-STAR", ...) for `word` in any case; empty for a word
// Hamlib has no mode for (the radio then keeps its mode).
QString HamlibMode(const QString& word);

}  // namespace orbivox

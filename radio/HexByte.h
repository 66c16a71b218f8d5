#pragma once
// Command bytes and CI-V addresses stand in the radio files as "$" and two hexadecimal
// digits ("$11", "$A2"), the form the Radio Setup writes and the files have always used.
#include <QString>

namespace orbivox {

class SqfReader;

// "$" + two upper-case hexadecimal digits.
QString DollarHexByte(int byte);

// The byte held by characters [start, start + count) of text: decimal or "$" hex, 0..255.
// Fails through reader (naming lineNumber) when there is none.
int ReadHexByte(const SqfReader& reader, const QString& text, int start, int count, int lineNumber);

}  // namespace orbivox

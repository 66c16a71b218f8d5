// Writing a byte in the "$hh" form and reading one back from a column range of a line, with
// the line and character named when it is not a byte.
#include "radio/HexByte.h"

#include "settings/SqfFile.h"

namespace orbivox {

QString DollarHexByte(int byte) {
    return QStringLiteral("$%1").arg(byte & 0xFF, 2, 16, QChar('0')).toUpper();
}

int ReadHexByte(const SqfReader& reader, const QString& text, int start, int count,
                int lineNumber) {
    const auto value = ParseSqfInteger(text.mid(start, count));
    if (!value || *value < 0 || *value > 255) {
        reader.Fail(QStringLiteral("line %1 holds no byte at character %2 (\"%3\")")
                        .arg(lineNumber)
                        .arg(start + 1)
                        .arg(text));
    }
    return static_cast<int>(*value);
}

}  // namespace orbivox

// The scratch folder and input splitting of the file-reading fuzz targets.
#include "fuzz/FuzzInput.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace orbivox::fuzz {

const QString& ScratchFolder() {
    static const QTemporaryDir dir;
    static const QString path = dir.path() + QLatin1Char('/');
    if (!dir.isValid()) {
        std::abort();  // no fuzzing without a place for the files
    }
    return path;
}

QString WriteScratchFile(const QString& name, const QByteArray& bytes) {
    const QString path = ScratchFolder() + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::abort();
    }
    return path;
}

HeadAndBody SplitFirstLine(const std::uint8_t* data, std::size_t size) {
    const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype end = all.indexOf('\n');
    if (end < 0) {
        return {all, {}};
    }
    return {all.left(end), all.mid(end + 1)};
}

PiecedInput SplitPieceSize(const std::uint8_t* data, std::size_t size, int largest) {
    if (size == 0) {
        return {};
    }
    return {1 + data[0] % largest,
            QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1))};
}

}  // namespace orbivox::fuzz

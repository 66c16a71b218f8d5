#pragma once
// What the file-reading targets share: a scratch folder that lives as long as the fuzzing
// process, and the input cut into a first line and the rest.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace orbivox::fuzz {

// The process's scratch folder, ending in "/"; removed when the process ends normally.
const QString& ScratchFolder();

// Writes bytes as the file name in the scratch folder and returns its path.
QString WriteScratchFile(const QString& name, const QByteArray& bytes);

struct HeadAndBody {
    QByteArray head;  // up to the first LF, without it
    QByteArray body;  // after the first LF; empty when there is none
};

HeadAndBody SplitFirstLine(const std::uint8_t* data, std::size_t size);

// Input that arrives in pieces: the first byte sets the piece size (1 to `largest`), the
// rest is what arrives. Empty input gives an empty stream of 1-byte pieces.
struct PiecedInput {
    qsizetype piece = 1;
    QByteArray stream;
};

PiecedInput SplitPieceSize(const std::uint8_t* data, std::size_t size, int largest);

}  // namespace orbivox::fuzz

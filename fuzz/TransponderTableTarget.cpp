// Doppler.SQF: the bytes as the transponder table, read with its problem report.
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"
#include "radio/TransponderTable.h"

namespace orbivox::fuzz {

void FuzzTransponderTable(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TransponderTableRead read =
        ReadTransponderTableWithProblems(WriteScratchFile(QStringLiteral("Doppler.SQF"), bytes));
    for (const TransponderEntry& entry : read.entries) {
        (void)entry.inverting();
    }
}

}  // namespace orbivox::fuzz

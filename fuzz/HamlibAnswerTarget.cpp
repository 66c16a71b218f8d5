// What rigctld or rotctld sends back to one command, as the server programs read it: the
// bytes arrive in pieces (the first byte of the input sets the piece size). The reader ends
// on an "RPRT" line or gives up past its size cap; it never grows beyond that cap.
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"
#include "net/RigctldAnswer.h"

namespace orbivox::fuzz {

void FuzzHamlibAnswer(const std::uint8_t* data, std::size_t size) {
    const auto [piece, bytes] = SplitPieceSize(data, size, 256);
    RigctldAnswerReader reader;
    for (qsizetype at = 0; at < bytes.size() && reader.state() ==
                                                   RigctldAnswerReader::State::Waiting;
         at += piece) {
        reader.Take(bytes.mid(at, piece));
    }
    const bool complete = reader.state() == RigctldAnswerReader::State::Complete;
    const QString& last = reader.ReportLine();
    if (complete != (last.startsWith(QLatin1String("RPRT")) ||
                     last.startsWith(QLatin1String("ChkVFO:"))) ||
        (reader.state() == RigctldAnswerReader::State::TooLong &&
         bytes.size() <= RigctldAnswerReader::kMaxBytes)) {
        std::abort();
    }
}

}  // namespace orbivox::fuzz

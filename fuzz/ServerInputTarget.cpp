// What reaches the server programs and our data server from outside: the bytes as a rotor
// macro ("az el") and as a CAT macro's kHz number, and as a conversation peer's stream cut
// into lines (the first byte sets how many bytes arrive at a time).
#include <cmath>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"
#include "links/ConversationProtocol.h"
#include "servers/CatBridge.h"
#include "servers/RotorServerFrame.h"

namespace orbivox::fuzz {

void FuzzServerMacros(const std::uint8_t* data, std::size_t size) {
    const QString macro =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto point = servers::ParseSetPoint(macro)) {
        if (!std::isfinite(point->azimuth) || !std::isfinite(point->elevation)) {
            std::abort();
        }
    }
    (void)servers::KiloHertzToHertz(macro);
}

void FuzzConversationFraming(const std::uint8_t* data, std::size_t size) {
    const auto [piece, stream] = SplitPieceSize(data, size, 256);
    QByteArray input;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        input += stream.mid(at, piece);
        bool overlong = false;
        while (const std::optional<QByteArray> line = TakeConversationLine(input, overlong)) {
            if (line->contains('\n') || line->size() > kMaxConversationLine) {
                std::abort();
            }
            (void)ParseConversationLine(*line);
        }
        if (overlong) {
            return;  // the server drops such a peer
        }
        // What waits for its LF never grows past one line.
        if (input.size() > kMaxConversationLine) {
            std::abort();
        }
    }
}

}  // namespace orbivox::fuzz

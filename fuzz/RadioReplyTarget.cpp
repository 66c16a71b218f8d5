// What a radio sends back: the bytes as the answer of each family's read-back (classic
// Yaesu blocks, Kenwood text, CI-V frames with echoes and collisions). A parser may find
// nothing; it must never read past what arrived.
#include "fuzz/FuzzTargets.h"
#include "radio/icom/IcomFrames.h"
#include "radio/kenwood/KenwoodCommandSet.h"
#include "radio/yaesu/YaesuCommandSet.h"

namespace orbivox::fuzz {

void FuzzRadioReply(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)YaesuTextKHz(YaesuAnswerText(bytes));
    (void)KenwoodAnswerText(bytes);
    for (const IcomFrameSeen& frame : SplitIcomFrames(bytes)) {
        (void)frame.body.size();
    }
    for (int radio : {0x60, 0x62, 0xA2}) {
        (void)IcomFrequencyAnswer(bytes, radio);
    }
}

}  // namespace orbivox::fuzz

#pragma once
// The classic Yaesu command set: five-byte blocks.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

#include "radio/RadioCommandSet.h"
#include "radio/yaesu/YaesuModels.h"

namespace orbivox {

// The frequency block for f kHz (10 Hz resolution) and the text kept as last sent
// ("0145900.00"); 145900.00 gives 14 59 00 00 + opcode.
struct YaesuFrequencyBlock {
    QByteArray bytes;
    QString text;
};
YaesuFrequencyBlock EncodeYaesuFrequency(double kHz, std::uint8_t opcode);

// The text of a read answer's first four bytes ("0" + hex digits with "." before the last
// two), as compared with the last sent text; and its value in kHz.
QString YaesuAnswerText(const QByteArray& answer);
double YaesuTextKHz(const QString& text);

// The mode byte of a mode word ("USB" 0x01, "FMN" 0x88, ...); -1 for other words.
int YaesuModeByte(const QString& mode);

std::unique_ptr<RadioCommandSet> MakeYaesuCommandSet(const CommandSetSettings& settings);

}  // namespace orbivox

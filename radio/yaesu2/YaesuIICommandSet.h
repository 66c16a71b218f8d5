#pragma once
// The YaesuII command set: text commands ending in ";".
#include <QByteArray>
#include <QString>
#include <memory>

#include "radio/RadioCommandSet.h"
#include "radio/yaesu2/YaesuIIModels.h"

namespace orbivox {

// "FA" / "FB" + nine digits (1 Hz) + ";"; text: the digits with "." before the last three.
struct YaesuIIFrequencyCommand {
    QByteArray bytes;
    QString text;
};
YaesuIIFrequencyCommand EncodeYaesuIIFrequency(const char* prefix, double kHz);

// The two-character mode code of a mode word, for the downlink or the uplink ("CW": 03
// down, 07 up); empty for a word outside the table.
QString YaesuIIModeCode(const QString& mode, bool uplink);

std::unique_ptr<RadioCommandSet> MakeYaesuIICommandSet(const CommandSetSettings& settings);

}  // namespace orbivox

#pragma once
// The classic Yaesu parameter file YaesuPar.SQF; radio 2 uses the same layout in
// Radio2\YaesuParSemi.SQF.
#include <QString>

#include "radio/yaesu/YaesuModels.h"

namespace orbivox {

// YaesuPar.SQF / Radio2\YaesuParSemi.SQF.
struct YaesuParameters {
    int downlinkOpcode = 0x11;  // 1  "$11": opcode of the main frequency command
    int uplinkOpcode = 0x21;    // 2  "$21": opcode of the sub frequency command
    QString baudRate = "9600";  // 3  "4800", "9600", "38400", "57600", "115200"
    QString model = DefaultYaesuModel().radio.name;  // 4  a model record's name
};

// Throws SqfError.
YaesuParameters ReadYaesuParameters(const QString& path);
void WriteYaesuParameters(const QString& path, const YaesuParameters& parameters);

// The frequency opcodes the Radio Setup writes for the model (its record's; $01/$01 for a
// name without one).
YaesuParameters YaesuOpcodesForModel(YaesuParameters parameters);

}  // namespace orbivox

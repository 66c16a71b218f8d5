#pragma once
// The classic Yaesu models (five-byte blocks): one record each, the only place their names
// are spelled.
#include <QList>
#include <QString>
#include <cstdint>

#include "radio/RadioCommandSet.h"

namespace orbivox {

// How a model takes the subaudible tone.
enum class YaesuToneEncoding {
    PackedHertz,     // the tone in packed digits, on/off with opcode $0A
    SatelliteCode,   // the table's code with opcode $2B, on/off with $2A
    MainBandCode,    // the radio's own code of the tone with opcode $FA, on/off with $8A/$4A
                     // in the last byte
};

struct YaesuModel {
    RadioModel radio = {};
    std::uint8_t downlinkOpcode = 0x01;  // the frequency opcodes the Radio Setup writes
    std::uint8_t uplinkOpcode = 0x01;
    bool satelliteReceiveRead = false;   // in satellite mode the receive frequency is read
                                         // with $13
    YaesuToneEncoding tone = YaesuToneEncoding::PackedHertz;
};

// In the Radio Setup's order.
const QList<YaesuModel>& YaesuModels();
// The record of a name; nullptr for a name that is not a classic Yaesu model.
const YaesuModel* FindYaesuModel(const QString& name);
// The model a file without a known name stands for.
const YaesuModel& DefaultYaesuModel();

}  // namespace orbivox

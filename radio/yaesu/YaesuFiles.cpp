// Reading and writing the classic Yaesu parameter file, and the opcodes that go with each
// model.
#include "radio/yaesu/YaesuFiles.h"

#include "radio/HexByte.h"
#include "settings/SqfFile.h"

namespace orbivox {

YaesuParameters ReadYaesuParameters(const QString& path) {
    SqfReader file(path);
    YaesuParameters parameters;
    const QString downlink = file.Text();
    parameters.downlinkOpcode = ReadHexByte(file, downlink, 0, downlink.size(), 1);
    const QString uplink = file.Text();
    parameters.uplinkOpcode = ReadHexByte(file, uplink, 0, uplink.size(), 2);
    parameters.baudRate = file.Text();
    parameters.model = file.Text();
    return parameters;
}

void WriteYaesuParameters(const QString& path, const YaesuParameters& parameters) {
    SqfWriter()
        .Text(DollarHexByte(parameters.downlinkOpcode))
        .Text(DollarHexByte(parameters.uplinkOpcode))
        .Text(parameters.baudRate)
        .Text(parameters.model)
        .Commit(path);
}

YaesuParameters YaesuOpcodesForModel(YaesuParameters parameters) {
    const YaesuModel* model = FindYaesuModel(parameters.model);
    parameters.downlinkOpcode = model != nullptr ? model->downlinkOpcode : 0x01;
    parameters.uplinkOpcode = model != nullptr ? model->uplinkOpcode : 0x01;
    return parameters;
}

}  // namespace orbivox

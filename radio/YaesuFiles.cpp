// Reading and writing both Yaesu parameter files, and the opcodes that go with each classic
// model.
#include "radio/YaesuFiles.h"

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
    if (parameters.model == QLatin1String("FT-736R")) {
        parameters.downlinkOpcode = 0x1E;
        parameters.uplinkOpcode = 0x2E;
    } else if (parameters.model == QLatin1String("FT-847")) {
        parameters.downlinkOpcode = 0x11;
        parameters.uplinkOpcode = 0x21;
    } else {
        parameters.downlinkOpcode = 0x01;
        parameters.uplinkOpcode = 0x01;
    }
    return parameters;
}

YaesuIIParameters ReadYaesuIIParameters(const QString& path) {
    SqfReader file(path);
    YaesuIIParameters parameters;
    parameters.baudRate = file.Text();
    parameters.model = file.Text();
    return parameters;
}

void WriteYaesuIIParameters(const QString& path, const YaesuIIParameters& parameters) {
    SqfWriter().Text(parameters.baudRate).Text(parameters.model).Commit(path);
}

}  // namespace orbivox

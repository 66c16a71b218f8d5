#pragma once
// The Yaesu parameter files: YaesuPar.SQF (classic five-byte protocol) and YaesuIIPar.SQF
// (ASCII protocol). Radio 2 uses the same layouts in Radio2\YaesuParSemi.SQF and
// Radio2\YaesuIIParSemi.SQF.
#include <QString>

namespace orbivox {

// YaesuPar.SQF / Radio2\YaesuParSemi.SQF.
struct YaesuParameters {
    int downlinkOpcode = 0x11;  // 1  "$11": opcode of the main frequency command
    int uplinkOpcode = 0x21;    // 2  "$21": opcode of the sub frequency command
    QString baudRate = "9600";  // 3  "4800", "9600", "38400", "57600", "115200"
    QString model = "FT-847";   // 4  "FT-736R", "FT-847", "FT-817", "FT-857", "FT-897"
};

// Throws SqfError.
YaesuParameters ReadYaesuParameters(const QString& path);
void WriteYaesuParameters(const QString& path, const YaesuParameters& parameters);

// The frequency opcodes the Radio Setup writes for a model: FT-736R $1E/$2E, FT-847
// $11/$21, the FT-817 type $01/$01.
YaesuParameters YaesuOpcodesForModel(YaesuParameters parameters);

// YaesuIIPar.SQF / Radio2\YaesuIIParSemi.SQF.
struct YaesuIIParameters {
    QString baudRate = "38400";  // 1  "4800" .. "115200"
    QString model = "FT-991A";   // 2  "FT-991" or "FT-991A"
};

YaesuIIParameters ReadYaesuIIParameters(const QString& path);
void WriteYaesuIIParameters(const QString& path, const YaesuIIParameters& parameters);

}  // namespace orbivox

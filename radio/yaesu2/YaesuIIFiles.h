#pragma once
// The YaesuII parameter file YaesuIIPar.SQF (text commands); radio 2 uses the same layout
// in Radio2\YaesuIIParSemi.SQF.
#include <QString>

#include "radio/yaesu2/YaesuIIModels.h"

namespace orbivox {

struct YaesuIIParameters {
    QString baudRate = "38400";                        // 1  "4800" .. "115200"
    QString model = DefaultYaesuIIModel().name;        // 2  a model record's name
};

// Throws SqfError.
YaesuIIParameters ReadYaesuIIParameters(const QString& path);
void WriteYaesuIIParameters(const QString& path, const YaesuIIParameters& parameters);

}  // namespace orbivox

#pragma once
// KenwoodPar.SQF, and radio 2's Radio2\KenwoodParSemi.SQF in the same layout.
#include <QChar>
#include <QString>

#include "radio/kenwood/KenwoodModels.h"

namespace orbivox {

struct KenwoodParameters {
    QString model = DefaultKenwoodModel().radio.name;  // 1  a model record's name
    QString baudRate = "9600";    // 2  "4800" .. "115200"
    QChar satelliteMemory = '0';  // 3  "S-Store": "0", "1" or "2"
    bool traceOn = false;         // 4  "TraceOn" / "TraceOff"
};

// Throws SqfError.
KenwoodParameters ReadKenwoodParameters(const QString& path);
void WriteKenwoodParameters(const QString& path, const KenwoodParameters& parameters);

}  // namespace orbivox

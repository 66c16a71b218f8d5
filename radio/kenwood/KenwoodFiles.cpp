// Reading and writing the Kenwood parameter file: model, baud rate, satellite memory, trace.
#include "radio/kenwood/KenwoodFiles.h"

#include "settings/SqfFile.h"

namespace orbivox {

KenwoodParameters ReadKenwoodParameters(const QString& path) {
    SqfReader file(path);
    KenwoodParameters parameters;
    parameters.model = file.Text();
    parameters.baudRate = file.Text();
    parameters.satelliteMemory = file.Flag();
    // Only "TraceOn" turns the trace on; anything else (the dialog writes "TraceOff") is off.
    parameters.traceOn = file.Text() == QLatin1String("TraceOn");
    return parameters;
}

void WriteKenwoodParameters(const QString& path, const KenwoodParameters& parameters) {
    SqfWriter()
        .Text(parameters.model)
        .Text(parameters.baudRate)
        .Flag(parameters.satelliteMemory)
        .Text(parameters.traceOn ? QStringLiteral("TraceOn") : QStringLiteral("TraceOff"))
        .Commit(path);
}

}  // namespace orbivox

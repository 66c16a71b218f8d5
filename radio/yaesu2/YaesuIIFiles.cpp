// Reading and writing the YaesuII parameter file.
#include "radio/yaesu2/YaesuIIFiles.h"

#include "settings/SqfFile.h"

namespace orbivox {

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

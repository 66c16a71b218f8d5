// The YaesuII model records.
#include "radio/yaesu2/YaesuIIModels.h"

namespace orbivox {

const QList<RadioModel>& YaesuIIModels() {
    static const QList<RadioModel> models = {
        // The commands carry 1 Hz; the radios keep 10 Hz.
        {.name = "FT-991", .tuningStepHz = 10},
        {.name = "FT-991A", .tuningStepHz = 10},
    };
    return models;
}

const RadioModel* FindYaesuIIModel(const QString& name) {
    return FindModelRecord(YaesuIIModels(), name);
}

const RadioModel& DefaultYaesuIIModel() {
    return YaesuIIModels().back();
}

}  // namespace orbivox

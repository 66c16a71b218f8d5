// The YaesuII model records.
#include "radio/yaesu2/YaesuIIModels.h"

namespace orbivox {

const QList<RadioModel>& YaesuIIModels() {
    static const QList<RadioModel> models = {
        {.name = "FT-991"},
        {.name = "FT-991A"},
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

// The Kenwood model records.
#include "radio/kenwood/KenwoodModels.h"

namespace orbivox {

const QList<KenwoodModel>& KenwoodModels() {
    static const QList<KenwoodModel> models = {
        {.radio = {.name = "TS-790", .fixedLine = true, .tuningStepHz = 10},
         .bandControl = true,
         .wholeTenHertz = true,
         .bandAndVfoSelect = true},
        {.radio = {.name = "TS-2000"}, .satelliteMode = true, .bandAndVfoSelect = true},
        {.radio = {.name = "Others"}},
    };
    return models;
}

const KenwoodModel* FindKenwoodModel(const QString& name) {
    return FindModelRecord(KenwoodModels(), name);
}

const KenwoodModel& OtherKenwoodModel() {
    return KenwoodModels().back();
}

const KenwoodModel& DefaultKenwoodModel() {
    return KenwoodModels()[1];
}

}  // namespace orbivox

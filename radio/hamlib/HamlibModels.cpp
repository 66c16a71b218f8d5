// The Hamlib family's record.
#include "radio/hamlib/HamlibModels.h"

namespace orbivox {

const QList<RadioModel>& HamlibModels() {
    // rigctld takes and gives whole Hz.
    static const QList<RadioModel> models = {{.name = "rigctld"}};
    return models;
}

const RadioModel& RigctldModel() {
    return HamlibModels().front();
}

}  // namespace orbivox

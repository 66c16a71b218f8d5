// The classic Yaesu model records.
#include "radio/yaesu/YaesuModels.h"

namespace orbivox {

// The five-byte blocks carry 10 Hz: every model keeps its frequencies in 10 Hz steps.
const QList<YaesuModel>& YaesuModels() {
    static const QList<YaesuModel> models = {
        {.radio = {.name = "FT-736R",
                   .readsBack = false,
                   .fixedLine = true,
                   .satelliteModeBand = true,
                   .satelliteModeOnOpcode = 0x0E,
                   .radio2StartsWithCatOff = true,
                   .tuningStepHz = 10},
         .downlinkOpcode = 0x1E,
         .uplinkOpcode = 0x2E,
         .tone = YaesuToneEncoding::MainBandCode},
        {.radio = {.name = "FT-847",
                   .uplinkReadback = true,
                   .satelliteModeBand = true,
                   .satelliteModeOnOpcode = 0x4E,
                   .tuningStepHz = 10},
         .downlinkOpcode = 0x11,
         .uplinkOpcode = 0x21,
         .satelliteReceiveRead = true,
         .tone = YaesuToneEncoding::SatelliteCode},
        {.radio = {.name = "FT-817", .oneVfoInUse = true, .tuningStepHz = 10}},
        {.radio = {.name = "FT-857", .oneVfoInUse = true, .tuningStepHz = 10}},
        {.radio = {.name = "FT-897", .oneVfoInUse = true, .tuningStepHz = 10}},
    };
    return models;
}

const YaesuModel* FindYaesuModel(const QString& name) {
    return FindModelRecord(YaesuModels(), name);
}

const YaesuModel& DefaultYaesuModel() {
    return YaesuModels()[1];
}

}  // namespace orbivox

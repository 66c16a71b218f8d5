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

const QList<int>& YaesuIITones() {
    static const QList<int> tones = {
        670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
        1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
        1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
        1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};
    return tones;
}

}  // namespace orbivox

// The Icom model records.
#include "radio/icom/IcomModels.h"

namespace orbivox {

const QList<IcomModelRecord>& IcomModels() {
    static const QByteArray sat9700On("\x16\x5A\x01", 3), sat9700Off("\x16\x5A\x00", 3),
        sat910On("\x1A\x07\x01", 3), sat910Off("\x1A\x07\x00", 3);
    static const QList<IcomModelRecord> models = {
        {.radio = {.name = "IC-820H", .bandSetup = true}, .subVfo = 0xD0, .mainVfo = 0xD1},
        {.radio = {.name = "IC-821H", .bandSetup = true}, .subVfo = 0xD0, .mainVfo = 0xD1},
        {.radio = {.name = "IC-910H"},
         .modelClass = IcomClass::Satellite,
         .satelliteOn = sat910On,
         .satelliteOff = sat910Off,
         .uplinkFmFilter = true,
         .subVfo = 0xD1,
         .mainVfo = 0xD0},
        {.radio = {.name = "IC-9100"},
         .modelClass = IcomClass::Satellite,
         .satelliteOn = sat9700On,
         .satelliteOff = sat9700Off,
         .dataMode = true,
         .subVfo = 0xD1,
         .mainVfo = 0xD0},
        {.radio = {.name = "IC-9700"},
         .modelClass = IcomClass::Satellite,
         .satelliteOn = sat9700On,
         .satelliteOff = sat9700Off,
         .dataMode = true,
         .subVfo = 0xD1,
         .mainVfo = 0xD0},
        {.radio = {.name = "IC-706MKIIG"}, .modelClass = IcomClass::VfoPair},
        {.radio = {.name = "IC-7000"}, .modelClass = IcomClass::VfoPair, .readsTransmitState = true},
        {.radio = {.name = "Others"}},
    };
    return models;
}

const IcomModelRecord* FindIcomModel(const QString& name) {
    return FindModelRecord(IcomModels(), name);
}

const IcomModelRecord& OtherIcomModel() {
    return IcomModels().back();
}

const IcomModelRecord& DefaultIcomModel() {
    return IcomModels()[4];
}

}  // namespace orbivox

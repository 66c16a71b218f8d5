#pragma once
// The Kenwood models (text commands ending in ";"): one record each, the only place their
// names are spelled.
#include <QList>
#include <QString>

#include "radio/RadioCommandSet.h"

namespace orbivox {

// What a Kenwood model needs beyond the common record.
struct KenwoodModel {
    RadioModel radio = {};
    bool bandControl = false;    // "DC1;" / "DC0;" pick main and sub
    bool satelliteMode = false;  // "SA..." control strings, "TS1;" band fix, "TN39;"
    bool wholeTenHertz = false;  // the 1 Hz digit is always sent as 0
    bool bandAndVfoSelect = false;  // as radio 2 it starts on the main band's VFO A
};

// In the Radio Setup's order.
const QList<KenwoodModel>& KenwoodModels();
// The record of a name; nullptr for a name that is not a Kenwood model.
const KenwoodModel* FindKenwoodModel(const QString& name);
// The model a file without a known name stands for, and the one a new file names.
const KenwoodModel& OtherKenwoodModel();
const KenwoodModel& DefaultKenwoodModel();

}  // namespace orbivox

#pragma once
// The YaesuII models (text commands ending in ";"): one record each, the only place their
// names are spelled.
#include <QList>
#include <QString>

#include "radio/RadioCommandSet.h"

namespace orbivox {

// In the Radio Setup's order.
const QList<RadioModel>& YaesuIIModels();
// The record of a name; nullptr for a name that is not a YaesuII model.
const RadioModel* FindYaesuIIModel(const QString& name);
// The model a file without a known name stands for.
const RadioModel& DefaultYaesuIIModel();
// The CTCSS tones in tenths of Hz, in the order of the radios' tone numbers 000..049.
const QList<int>& YaesuIITones();

}  // namespace orbivox

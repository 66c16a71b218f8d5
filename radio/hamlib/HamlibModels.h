#pragma once
// The Hamlib family's one record: whatever radio rigctld drives, the program talks to
// rigctld, so the model it works with is rigctld itself (the radio's own name is free text
// in HamlibPar.SQF, for the operator).
#include <QList>

#include "radio/RadioCommandSet.h"

namespace orbivox {

const QList<RadioModel>& HamlibModels();
const RadioModel& RigctldModel();

}  // namespace orbivox

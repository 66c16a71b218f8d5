#pragma once
// The element display's two columns: fixed labels and the values of one set. Two-line sets
// show their lines' fields afresh as written (degrees, revolutions per day); sets of the
// verbose format have no lines and show the values they were read with.
#include <QString>
#include <QStringList>

#include "orbit/ElementSet.h"

namespace orbivox {

QStringList ElementDisplayLabels();
QStringList ElementDisplayValues(const orbit::ElementSet& set, char decimalSeparator = '.');
// The shortest general form of a number (up to 15 significant digits).
QString GeneralNumber(double value, char decimalSeparator = '.');

}  // namespace orbivox

#pragma once
// The Icom CI-V files: IcomPar.SQF (baud rate and receive/transmit address pairs) and
// IcomName.SQF (model and VFO bytes) for radio 1; Radio2\IcomParSemi.SQF (baud rate and
// one address) and Radio2\IcomNameSemi.SQF (model) for radio 2.
#include <QList>
#include <QString>
#include <QStringList>

#include "radio/icom/IcomModels.h"

namespace orbivox {

struct IcomAddressPair {
    int receive = 0xA2;   // characters 1-3 of the line, "$A2"
    int transmit = 0xA2;  // characters 5-7
    bool operator==(const IcomAddressPair&) const = default;
};

// IcomPar.SQF: line 1 the baud rate, then one pair a line ("$60,$60"); ";" lines are
// comments. The first pair is in use at start-up.
struct IcomParameters {
    QString baudRate = "19200";
    QList<IcomAddressPair> addressPairs;
};

// A pair as the radio dialogs list it, " $A2    $A2", and a list of them.
QString AddressPairText(const IcomAddressPair& pair);
QStringList AddressPairTexts(const QList<IcomAddressPair>& pairs);

// Throws SqfError (missing file, a pair line without two addresses). Blank lines are
// passed over.
IcomParameters ReadIcomParameters(const QString& path);
void WriteIcomParameters(const QString& path, const IcomParameters& parameters);

// IcomName.SQF.
struct IcomModel {
    QString model = DefaultIcomModel().radio.name;  // 1  a model record's name
    int subVfo = 0xD1;          // 2  "$D1": the transmit VFO byte
    int mainVfo = 0xD0;         // 3  "$D0": the receive VFO byte
};

IcomModel ReadIcomModel(const QString& path);
void WriteIcomModel(const QString& path, const IcomModel& model);

// The VFO bytes the Radio Setup writes for the model: its record's, $01/$00 for a name
// without one.
IcomModel IcomVfoBytesForModel(IcomModel model);

// Radio2\IcomParSemi.SQF.
struct SecondIcomParameters {
    QString baudRate = "19200";  // 1
    int address = 0xA2;          // 2  characters 1-3, "$A2"
};

SecondIcomParameters ReadSecondIcomParameters(const QString& path);
void WriteSecondIcomParameters(const QString& path, const SecondIcomParameters& parameters);

// Radio2\IcomNameSemi.SQF: line 1, radio 2's model.
struct SecondIcomModel {
    QString model = DefaultIcomModel().radio.name;
};
QString ReadSecondIcomModel(const QString& path);
void WriteSecondIcomModel(const QString& path, const QString& model);

}  // namespace orbivox

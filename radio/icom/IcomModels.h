#pragma once
// The Icom CI-V models: one record each, the only place their names are spelled.
#include <QByteArray>
#include <QList>
#include <QString>

#include "radio/RadioCommandSet.h"

namespace orbivox {

enum class IcomClass {
    Satellite,  // satellite mode, main and sub band
    VfoPair,    // one receiver, VFO A down, VFO B up
    Other,
};

struct IcomModelRecord {
    RadioModel radio = {};
    IcomClass modelClass = IcomClass::Other;
    QByteArray satelliteOn = {};  // command bytes; empty: none
    QByteArray satelliteOff = {};
    bool dataMode = false;                 // "FMD" takes the data-mode frame
    bool readsTransmitState = false;       // the transmit check reads 1C 00, not the S-meter
    bool uplinkFmFilter = false;           // as radio 2: FM and FMN carry a filter byte
    int subVfo = 0x01;                     // the VFO bytes the Radio Setup writes
    int mainVfo = 0x00;
};

// In the Radio Setup's order.
const QList<IcomModelRecord>& IcomModels();
// The record of a name; nullptr for a name that is not an Icom model.
const IcomModelRecord* FindIcomModel(const QString& name);
// The model a file without a known name stands for, and the one a new file names.
const IcomModelRecord& OtherIcomModel();
const IcomModelRecord& DefaultIcomModel();

}  // namespace orbivox

#pragma once
// The Icom CI-V command set (IC-820H, IC-821H, IC-910H, IC-9100, IC-9700, IC-706MKIIG,
// IC-7000 and "Others"), on one radio or on two radios sharing one CI-V port (a receive
// and a transmit address).
#include <QString>
#include <memory>

#include "radio/IcomFiles.h"
#include "radio/RadioCommandSet.h"

namespace orbivox {

enum class IcomClass {
    Satellite,  // IC-910H, IC-9100, IC-9700: satellite mode, main and sub band
    VfoPair,    // IC-706MKIIG, IC-7000: one receiver, VFO A down, VFO B up
    Other,      // IC-820H, IC-821H, "Others"
};

struct IcomModelRecord {
    RadioModel radio;
    IcomClass modelClass = IcomClass::Other;
    QByteArray satelliteOn, satelliteOff;  // command bytes; empty: none
    bool dataMode = false;                 // "FMD" takes the data-mode frame (IC-9100, IC-9700)
};

const IcomModelRecord* FindIcomModel(const QString& name);

// Radio 1's Icom command set; `SetAddressPair` is the "Mode" dialog's OK.
class IcomCommandSet : public RadioCommandSet {
public:
    virtual void SetAddressPair(IcomAddressPair pair) = 0;
    virtual IcomAddressPair AddressPair() const = 0;
};

std::unique_ptr<RadioCommandSet> MakeIcomCommandSet(const CommandSetSettings& settings);

}  // namespace orbivox

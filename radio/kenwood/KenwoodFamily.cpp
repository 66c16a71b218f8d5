// The Kenwood family: its word, files, command set, models and Radio Setup items.
#include "radio/kenwood/KenwoodFamily.h"

#include "radio/kenwood/KenwoodCommandSet.h"
#include "radio/kenwood/KenwoodFiles.h"

namespace orbivox {
namespace {

const QLatin1String kTraceOn("TraceOn"), kTraceOff("TraceOff");

QStringList Choices(RadioSetupItem item, int radio) {
    static const QStringList kBaudRates = {"4800", "9600", "19200", "38400", "57600", "115200"};
    static const QStringList kRadio2BaudRates = {"4800", "9600", "57600", "115200"};
    switch (item) {
        case RadioSetupItem::Model:
            return ModelNames(KenwoodFamily());
        case RadioSetupItem::BaudRate:
            return radio == 2 ? kRadio2BaudRates : kBaudRates;
        case RadioSetupItem::SatelliteMemory:
            return {"0", "1", "2"};
        case RadioSetupItem::Trace:
            return {kTraceOn, kTraceOff};
        default:
            break;
    }
    return {};
}

QString Chosen(const RadioFiles& files, RadioSetupItem item, int) {
    const KenwoodParameters& p = files.Get<KenwoodParameters>();
    switch (item) {
        case RadioSetupItem::SatelliteMemory:
            return QString(p.satelliteMemory);
        case RadioSetupItem::Trace:
            return p.traceOn ? kTraceOn : kTraceOff;
        default:
            return ModelOrBaudRate(p, item);
    }
}

void Choose(RadioFiles& files, RadioSetupItem item, int, const QString& choice) {
    KenwoodParameters& p = files.Get<KenwoodParameters>();
    if (item == RadioSetupItem::SatelliteMemory) {
        p.satelliteMemory = choice[0];
    } else if (item == RadioSetupItem::Trace) {
        p.traceOn = choice == kTraceOn;
    } else {
        SetModelOrBaudRate(p, item, choice);
    }
}

}  // namespace

const RadioFamilyDescriptor& KenwoodFamily() {
    using Parameters = KenwoodParameters;
    static const RadioFamilyDescriptor family{
        .family = RadioFamily::Kenwood,
        .word = "Kenwood",
        .label = "Kenwood",
        .setupRow = 3,
        .radio1Files = {{11, "KenwoodPar.SQF", ReadRecord<Parameters, ReadKenwoodParameters>,
                         WriteRecord<Parameters, WriteKenwoodParameters>}},
        .radio2Files = {{19, "KenwoodParSemi.SQF", ReadRecord<Parameters, ReadKenwoodParameters>,
                         WriteRecord<Parameters, WriteKenwoodParameters>}},
        .makeCommandSet = MakeKenwoodCommandSet,
        .models = CommonModelRecords<KenwoodModel, KenwoodModels>,
        .setupItems = {RadioSetupItem::Model, RadioSetupItem::BaudRate,
                       RadioSetupItem::SatelliteMemory, RadioSetupItem::Trace},
        .choices = Choices,
        .chosen = Chosen,
        .choose = Choose,
        .radio1AsRadio2 = CopyRecord<Parameters>,
        .radio2AsRadio1 = CopyRecord<Parameters>,
    };
    return family;
}

}  // namespace orbivox

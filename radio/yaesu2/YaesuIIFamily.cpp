// The YaesuII family: its word, files, command set, models and Radio Setup items.
#include "radio/yaesu2/YaesuIIFamily.h"

#include "radio/yaesu2/YaesuIICommandSet.h"
#include "radio/yaesu2/YaesuIIFiles.h"

namespace orbivox {
namespace {

QStringList Choices(RadioSetupItem item, int) {
    static const QStringList kBaudRates = {"4800", "9600", "19200", "38400", "57600", "115200"};
    return item == RadioSetupItem::Model ? ModelNames(YaesuIIFamily()) : kBaudRates;
}

}  // namespace

const RadioFamilyDescriptor& YaesuIIFamily() {
    using Parameters = YaesuIIParameters;
    static const RadioFamilyDescriptor family{
        .family = RadioFamily::YaesuII,
        .word = "YaesuII",
        .label = "Yaesu II",
        .setupRow = 1,
        .radio1Files = {{7, "YaesuIIPar.SQF", ReadRecord<Parameters, ReadYaesuIIParameters>,
                         WriteRecord<Parameters, WriteYaesuIIParameters>}},
        .radio2Files = {{18, "YaesuIIParSemi.SQF", ReadRecord<Parameters, ReadYaesuIIParameters>,
                         WriteRecord<Parameters, WriteYaesuIIParameters>}},
        // Errors on its port are not reported.
        .reportsPortErrors = false,
        .makeCommandSet = MakeYaesuIICommandSet,
        .models = CommonModelRecords<RadioModel, YaesuIIModels>,
        .setupItems = {RadioSetupItem::Model, RadioSetupItem::BaudRate},
        .choices = Choices,
        .chosen = ChosenModelOrBaudRate<Parameters>,
        .choose = ChooseModelOrBaudRate<Parameters>,
        .radio1AsRadio2 = CopyRecord<Parameters>,
        .radio2AsRadio1 = CopyRecord<Parameters>,
    };
    return family;
}

}  // namespace orbivox

// The classic Yaesu family: its word, files, command set, models and Radio Setup items.
#include "radio/yaesu/YaesuFamily.h"

#include "radio/yaesu/YaesuCommandSet.h"
#include "radio/yaesu/YaesuFiles.h"

namespace orbivox {
namespace {

// As the Radio Setup stores it: with the opcodes of the model.
void StoreParameters(const QString& path, const RadioFiles& files) {
    WriteYaesuParameters(path, YaesuOpcodesForModel(files.Get<YaesuParameters>()));
}

QStringList Choices(RadioSetupItem item, int) {
    static const QStringList kBaudRates = {"4800", "9600", "38400", "57600", "115200"};
    return item == RadioSetupItem::Model ? ModelNames(YaesuFamily()) : kBaudRates;
}

}  // namespace

const RadioFamilyDescriptor& YaesuFamily() {
    static const RadioFamilyDescriptor family{
        .family = RadioFamily::Yaesu,
        .word = "Yaesu",
        .label = "Yaesu",
        .setupRow = 0,
        .radio1Files = {{8, "YaesuPar.SQF", ReadRecord<YaesuParameters, ReadYaesuParameters>,
                         StoreParameters}},
        .radio2Files = {{17, "YaesuParSemi.SQF",
                         ReadRecord<YaesuParameters, ReadYaesuParameters>, StoreParameters}},
        .makeCommandSet = MakeYaesuCommandSet,
        .models = CommonModelRecords<YaesuModel, YaesuModels>,
        .setupItems = {RadioSetupItem::Model, RadioSetupItem::BaudRate},
        .choices = Choices,
        .chosen = ChosenModelOrBaudRate<YaesuParameters>,
        .choose = ChooseModelOrBaudRate<YaesuParameters>,
        .radio1AsRadio2 = CopyRecord<YaesuParameters>,
        .radio2AsRadio1 = CopyRecord<YaesuParameters>,
    };
    return family;
}

}  // namespace orbivox

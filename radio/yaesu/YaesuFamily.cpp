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

QList<const RadioModel*> Models() {
    QList<const RadioModel*> models;
    for (const YaesuModel& model : YaesuModels()) {
        models << &model.radio;
    }
    return models;
}

const RadioModel* FindModel(const QString& name) {
    const YaesuModel* model = FindYaesuModel(name);
    return model != nullptr ? &model->radio : nullptr;
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
        .models = Models,
        .findModel = FindModel,
        .setupItems = {RadioSetupItem::Model, RadioSetupItem::BaudRate},
        .choices = Choices,
        .chosen = [](const RadioFiles& files, RadioSetupItem item,
                     int) { return ModelOrBaudRate(files.Get<YaesuParameters>(), item); },
        .choose = [](RadioFiles& files, RadioSetupItem item, int,
                     const QString& choice) {
            SetModelOrBaudRate(files.Get<YaesuParameters>(), item, choice);
        },
        .radio1AsRadio2 = CopyRecord<YaesuParameters>,
        .radio2AsRadio1 = CopyRecord<YaesuParameters>,
    };
    return family;
}

}  // namespace orbivox

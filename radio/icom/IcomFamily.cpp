// The Icom family: its word, files, command set, models and Radio Setup items. The address
// pairs are edited by the Radio Setup itself.
#include "radio/icom/IcomFamily.h"

#include "radio/icom/IcomCommandSet.h"
#include "radio/icom/IcomFiles.h"

namespace orbivox {
namespace {

QStringList Choices(RadioSetupItem item, int) {
    static const QStringList kBaudRates = {"1200", "4800", "9600", "19200", "57600", "115200"};
    switch (item) {
        case RadioSetupItem::Model:
            return ModelNames(IcomFamily());
        case RadioSetupItem::BaudRate:
            return kBaudRates;
        default:
            return {};
    }
}

QString Chosen(const RadioFiles& files, RadioSetupItem item, int radio) {
    const bool model = item == RadioSetupItem::Model;
    if (radio == 1) {
        return model ? files.Get<IcomModel>().model : files.Get<IcomParameters>().baudRate;
    }
    return model ? files.Get<SecondIcomModel>().model : files.Get<SecondIcomParameters>().baudRate;
}

void Choose(RadioFiles& files, RadioSetupItem item, int radio, const QString& choice) {
    const bool model = item == RadioSetupItem::Model;
    if (radio == 1) {
        (model ? files.Get<IcomModel>().model : files.Get<IcomParameters>().baudRate) = choice;
    } else {
        (model ? files.Get<SecondIcomModel>().model : files.Get<SecondIcomParameters>().baudRate) =
            choice;
    }
}

void ReadSecondModel(const QString& path, RadioFiles& files) {
    files.Set(SecondIcomModel{ReadSecondIcomModel(path)});
}

void StoreSecondModel(const QString& path, const RadioFiles& files) {
    WriteSecondIcomModel(path, files.Get<SecondIcomModel>().model);
}

// As the Radio Setup stores it: with the VFO bytes of the model.
void StoreModel(const QString& path, const RadioFiles& files) {
    WriteIcomModel(path, IcomVfoBytesForModel(files.Get<IcomModel>()));
}

// Radio 1's files as a radio 2's: its model, baud rate and receive address.
void Radio1AsRadio2(const RadioFiles& radio1, RadioFiles& radio2) {
    const IcomParameters& parameters = radio1.Get<IcomParameters>();
    radio2.Set(SecondIcomModel{radio1.Get<IcomModel>().model});
    SecondIcomParameters second;
    second.baudRate = parameters.baudRate;
    if (!parameters.addressPairs.isEmpty()) {
        second.address = parameters.addressPairs.first().receive;
    }
    radio2.Set(second);
}

// Radio 2's files as a radio 1's: its model with its VFO bytes, its baud rate, its address
// for both roles.
void Radio2AsRadio1(const RadioFiles& radio2, RadioFiles& radio1) {
    radio1.Set(IcomVfoBytesForModel(IcomModel{radio2.Get<SecondIcomModel>().model, 0, 0}));
    const SecondIcomParameters& second = radio2.Get<SecondIcomParameters>();
    IcomParameters& parameters = radio1.Get<IcomParameters>();
    parameters.baudRate = second.baudRate;
    parameters.addressPairs = {{second.address, second.address}};
}

}  // namespace

const RadioFamilyDescriptor& IcomFamily() {
    static const RadioFamilyDescriptor family{
        .family = RadioFamily::Icom,
        .word = "Icom",
        .label = "Icom",
        .setupRow = 2,
        .radio1Files = {{9, "IcomPar.SQF", ReadRecord<IcomParameters, ReadIcomParameters>,
                         WriteRecord<IcomParameters, WriteIcomParameters>},
                        {10, "IcomName.SQF", ReadRecord<IcomModel, ReadIcomModel>, StoreModel, true}},
        .radio2Files = {{21, "IcomParSemi.SQF",
                         ReadRecord<SecondIcomParameters, ReadSecondIcomParameters>,
                         WriteRecord<SecondIcomParameters, WriteSecondIcomParameters>},
                        {20, "IcomNameSemi.SQF", ReadSecondModel, StoreSecondModel, true}},
        .bothRadiosMessage =
            "The program will steer 2 Icom radios via a single CAT interface\r"
            "(to save a 2nd COM port). \rSelect \"None\" for Radio 2 and select both Icom "
            "device addresses\rin section \"Radio 1\".",
        .makeCommandSet = MakeIcomCommandSet,
        .models = CommonModelRecords<IcomModelRecord, IcomModels>,
        .setupItems = {RadioSetupItem::Model, RadioSetupItem::BaudRate, RadioSetupItem::Addresses},
        .choices = Choices,
        .chosen = Chosen,
        .choose = Choose,
        .radio1AsRadio2 = Radio1AsRadio2,
        .radio2AsRadio1 = Radio2AsRadio1,
    };
    return family;
}

}  // namespace orbivox

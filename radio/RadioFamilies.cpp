// The registry of radio families (one line each), and what is asked of all of them alike.
#include "radio/RadioFamilies.h"

#include "radio/hamlib/HamlibFamily.h"
#include "radio/icom/IcomFamily.h"
#include "radio/kenwood/KenwoodFamily.h"
#include "radio/yaesu/YaesuFamily.h"
#include "radio/yaesu2/YaesuIIFamily.h"

namespace orbivox {

const QList<const RadioFamilyDescriptor*>& RadioFamilies() {
    static const QList<const RadioFamilyDescriptor*> families = {
        &YaesuFamily(),
        &YaesuIIFamily(),
        &KenwoodFamily(),
        &IcomFamily(),
        &HamlibFamily(),
    };
    return families;
}

bool ReachedOverNetwork(RadioFamily family) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    return descriptor != nullptr && descriptor->makeNetworkLine != nullptr;
}

const RadioFamilyDescriptor* FindRadioFamily(RadioFamily family) {
    for (const RadioFamilyDescriptor* descriptor : RadioFamilies()) {
        if (descriptor->family == family) {
            return descriptor;
        }
    }
    return nullptr;
}

QStringList ModelNames(const RadioFamilyDescriptor& family) {
    QStringList names;
    for (const RadioModel* model : family.models()) {
        names << model->name;
    }
    return names;
}

const RadioModel* FindModel(const RadioFamilyDescriptor& family, const QString& name) {
    for (const RadioModel* model : family.models()) {
        if (model->name == name) {
            return model;
        }
    }
    return nullptr;
}

std::unique_ptr<RadioCommandSet> MakeCommandSet(RadioFamily family,
                                                const CommandSetSettings& settings) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    return descriptor == nullptr ? nullptr : descriptor->makeCommandSet(settings);
}

QString UnknownModelWarning(RadioFamily family, const RadioFiles& files, int radio,
                            const QString& taken) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    if (descriptor == nullptr) {
        return {};
    }
    const QString named = descriptor->chosen(files, RadioSetupItem::Model, radio);
    if (FindModel(*descriptor, named) != nullptr) {
        return {};
    }
    const QList<RadioParameterFile>& parameterFiles =
        radio == 1 ? descriptor->radio1Files : descriptor->radio2Files;
    QString file = parameterFiles.isEmpty() ? QString() : parameterFiles.first().name;
    for (const RadioParameterFile& parameterFile : parameterFiles) {
        if (parameterFile.holdsModel) {
            file = parameterFile.name;
        }
    }
    return QStringLiteral("Radio %1: %2 names the model \"%3\", which the %4 family does not "
                          "have.\rThe radio is controlled as the %5.")
        .arg(radio)
        .arg(file, named, descriptor->label, taken);
}

LineSettings LineSettingsFor(RadioFamily family, const RadioFiles& files, int radio) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    if (descriptor == nullptr) {
        return {};
    }
    const RadioModel* model =
        FindModel(*descriptor, descriptor->chosen(files, RadioSetupItem::Model, radio));
    if (model != nullptr && model->fixedLine) {
        return {4800, true};
    }
    return {BaudFromText(descriptor->chosen(files, RadioSetupItem::BaudRate, radio)), false};
}

}  // namespace orbivox

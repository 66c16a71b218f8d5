// The table of emulator families, one line each, and the check of a radio model.
#include "emulators/EmulatorFamily.h"

namespace orbivox {

std::unique_ptr<EmulatorFamily> MakeYaesuEmulator(const FamilyOptions& options, QString& error);
std::unique_ptr<EmulatorFamily> MakeYaesuIIEmulator(const FamilyOptions& options, QString& error);
std::unique_ptr<EmulatorFamily> MakeGs232Emulator(const FamilyOptions& options, QString& error);
std::unique_ptr<EmulatorFamily> MakeKenwoodEmulator(const FamilyOptions& options, QString& error);
std::unique_ptr<EmulatorFamily> MakeIcomEmulator(const FamilyOptions& options, QString& error);

bool KnownRadioModel(const RadioFamilyDescriptor& family, const char* name, const QString& model,
                     QString& error) {
    const QStringList models = ModelNames(family);
    if (model.isEmpty() || models.contains(model)) {
        return true;
    }
    error = QStringLiteral("the %1 family has the models ").arg(QLatin1String(name)) +
            models.join(", ");
    return false;
}

const std::map<QString, FamilyFactory>& EmulatorFamilies() {
    static const std::map<QString, FamilyFactory> families = {
        {QStringLiteral("yaesu"), MakeYaesuEmulator},
        {QStringLiteral("yaesu2"), MakeYaesuIIEmulator},
        {QStringLiteral("gs232"), MakeGs232Emulator},
        {QStringLiteral("kenwood"), MakeKenwoodEmulator},
        {QStringLiteral("icom"), MakeIcomEmulator},
    };
    return families;
}

}  // namespace orbivox

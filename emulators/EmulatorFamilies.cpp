// The table of emulator families, one line each.
#include "emulators/EmulatorFamily.h"

namespace orbivox {

std::unique_ptr<EmulatorFamily> MakeYaesuEmulator(const FamilyOptions& options, QString& error);
std::unique_ptr<EmulatorFamily> MakeYaesuIIEmulator(const FamilyOptions& options, QString& error);

const std::map<QString, FamilyFactory>& EmulatorFamilies() {
    static const std::map<QString, FamilyFactory> families = {
        {QStringLiteral("yaesu"), MakeYaesuEmulator},
        {QStringLiteral("yaesu2"), MakeYaesuIIEmulator},
    };
    return families;
}

}  // namespace orbivox

// The radio families' command sets, one line each, and their ports' line settings.
#include <map>

#include "radio/IcomCommandSet.h"
#include "radio/KenwoodCommandSet.h"
#include "radio/RadioCommandSet.h"
#include "radio/YaesuCommandSet.h"
#include "radio/YaesuIICommandSet.h"

namespace orbivox {
namespace {

using Factory = std::unique_ptr<RadioCommandSet> (*)(const CommandSetSettings&);

const std::map<RadioFamily, Factory>& Factories() {
    static const std::map<RadioFamily, Factory> factories = {
        {RadioFamily::Yaesu, MakeYaesuCommandSet},
        {RadioFamily::YaesuII, MakeYaesuIICommandSet},
        {RadioFamily::Kenwood, MakeKenwoodCommandSet},
        {RadioFamily::Icom, MakeIcomCommandSet},
    };
    return factories;
}

}  // namespace

std::unique_ptr<RadioCommandSet> MakeCommandSet(RadioFamily family,
                                                const CommandSetSettings& settings) {
    const auto found = Factories().find(family);
    return found == Factories().end() ? nullptr : found->second(settings);
}

LineSettings LineSettingsFor(RadioFamily family, const CommandSetSettings& settings) {
    switch (family) {
        case RadioFamily::Yaesu: {
            const RadioModel* model = FindYaesuModel(settings.yaesu.model);
            if (model != nullptr && model->fixedLine) {
                return {4800, true};
            }
            return {BaudFromText(settings.yaesu.baudRate), false};
        }
        case RadioFamily::YaesuII:
            return {BaudFromText(settings.yaesuII.baudRate), false};
        case RadioFamily::Kenwood:
            if (settings.kenwood.model == "TS-790") {
                return {4800, true};
            }
            return {BaudFromText(settings.kenwood.baudRate), false};
        case RadioFamily::Icom:
            return {BaudFromText(settings.icom.baudRate), false};
        case RadioFamily::None:
            break;
    }
    return {};
}

}  // namespace orbivox

// The table of fuzz targets the replay driver walks.
#include "fuzz/FuzzTargets.h"

#include <array>

namespace orbivox::fuzz {

std::span<const FuzzTarget> FuzzTargets() {
    static constexpr std::array<FuzzTarget, 11> targets = {{
        {"element-file", FuzzElementFile},
        {"settings-files", FuzzSettingsFiles},
        {"transponder-table", FuzzTransponderTable},
        {"catalogue-files", FuzzCatalogueFiles},
        {"element-check", FuzzElementCheck},
        {"conversation-line", FuzzConversationLine},
        {"radio-reply", FuzzRadioReply},
        {"hamlib-answer", FuzzHamlibAnswer},
        {"radio-read-back", FuzzRadioReadBack},
        {"server-macros", FuzzServerMacros},
        {"conversation-framing", FuzzConversationFraming},
    }};
    return targets;
}

}  // namespace orbivox::fuzz

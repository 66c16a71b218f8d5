// ServerKCT: Orbivox32's CAT server for every radio Hamlib knows. Orbivox32 starts it in
// KCT mode through the launcher in the data folder's KCT folder; it takes the radio macros
// on "CatServConv" to a running rigctld (servers/CatBridge.h), and, when it is chosen as
// the rotor server too, the set points on "RotServConv" to rotctld as RotctldSrv does.
#include "servers/CatBridge.h"
#include "servers/RotctldDriver.h"

int main(int argc, char** argv) {
    using namespace orbivox::servers;
    return RunServerProgram(
        argc, argv, [](const orbivox::Folders& folders, ServerLog& log, orbivox::ItemSink& items) {
            std::vector<ServedTopic> topics;
            topics.push_back(
                {orbivox::kCatTopic, QStringLiteral("Radio"),
                 std::make_unique<CatBridge>(
                     ReadCatSettings(folders.ConfigFile(QStringLiteral("HamlibCat.SQF")), log),
                     log)});
            topics.push_back(RotorTopic(MakeRotctldDriver(folders, log), log, items));
            return topics;
        });
}

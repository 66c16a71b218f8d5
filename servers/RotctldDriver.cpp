// The rotctld driver of the rotor server programs.
#include "servers/RotctldDriver.h"

namespace orbivox::servers {

RotctldDriver::RotctldDriver(DaemonAddress address, ServerLog& log)
    : link_(QStringLiteral("rotctld"), std::move(address), log) {}

void RotctldDriver::Move(const SetPoint& point) {
    // A position rotctld cannot take is logged by the link; the next one tries again.
    link_.Send(
        QStringLiteral("P %1 %2").arg(point.azimuth, 0, 'f', 2).arg(point.elevation, 0, 'f', 2));
}

std::unique_ptr<RotorDriver> MakeRotctldDriver(const Folders& folders, ServerLog& log) {
    return std::make_unique<RotctldDriver>(
        ReadHamlibAddress(folders.ConfigFile(QStringLiteral("RotctldSrv.SQF")),
                          kRotctldDefaultAddress, log),
        log);
}

}  // namespace orbivox::servers

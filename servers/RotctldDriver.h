#pragma once
// Rotor set points for every rotator Hamlib drives: each position goes to a rotctld over
// TCP as "P az el" and a refusal is logged. Host and port come from RotctldSrv.SQF in the
// configuration data folder (127.0.0.1 and 4533 without it). RotctldSrv runs on it, and so
// does ServerKCT when it is the rotor server as well.
#include <memory>

#include "servers/HamlibLink.h"
#include "servers/RotorServerFrame.h"

namespace orbivox::servers {

class RotctldDriver : public RotorDriver {
public:
    RotctldDriver(DaemonAddress address, ServerLog& log);
    void Move(const SetPoint& point) override;

private:
    HamlibLink link_;
};

// The driver of the address in the folders' RotctldSrv.SQF.
std::unique_ptr<RotorDriver> MakeRotctldDriver(const Folders& folders, ServerLog& log);

}  // namespace orbivox::servers

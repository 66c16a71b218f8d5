// RotctldSrv: Orbivox32's rotor server for every rotator Hamlib drives, over a running
// rotctld (servers/RotctldDriver.h).
#include "servers/RotctldDriver.h"

int main(int argc, char** argv) {
    using namespace orbivox::servers;
    return RunRotorServer(argc, argv, MakeRotctldDriver);
}

#pragma once
// GS232Srv.SQF, the GS-232 rotor server's port: 1 port number (1..99), 2 baud rate.
#include <QString>

#include "servers/RotorServerFrame.h"

namespace orbivox::servers {

struct Gs232Port {
    int port = 1;
    qint32 baudRate = 9600;
};

// A missing file gives port 1 at 9600 Bd; a line that is no port number or baud rate keeps
// its default (the port's fault is logged).
Gs232Port ReadGs232Port(const QString& path, ServerLog& log);

}  // namespace orbivox::servers

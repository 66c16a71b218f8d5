#pragma once
// Where one of Hamlib's network daemons listens, as its settings file keeps it: line 1 the
// host, line 2 the port (RotctldSrv.SQF for rotctld, HamlibCat.SQF and HamlibPar.SQF for
// rigctld; more lines may follow). The server programs, the Rotor Setup and the Hamlib
// radio family read and write it here.
#include <QString>

namespace orbivox {

struct DaemonAddress {
    QString host;
    int port = 0;  // 1..65535
};

// Where rotctld listens unless its settings file says otherwise: its own default port.
inline const DaemonAddress kRotctldDefaultAddress{QStringLiteral("127.0.0.1"), 4533};

// A missing file gives `defaults`; an empty line keeps its default; a port line that is no
// port keeps the default and says so in `problem` (when given).
DaemonAddress ReadDaemonAddress(const QString& path, DaemonAddress defaults,
                                QString* problem = nullptr);
// Lines 1 and 2 replaced, the others kept; a missing file is made. Throws SqfError.
void StoreDaemonAddress(const QString& path, const DaemonAddress& address);
// A typed host or port: the value, or nothing with `refusal` saying why.
bool TakeDaemonHost(const QString& text, QString& host, QString* refusal);
bool TakeDaemonPort(const QString& text, int& port, QString* refusal);

}  // namespace orbivox

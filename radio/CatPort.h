#pragma once
// The line a radio's commands travel on, as CatLink uses it: a serial port (SerialPort) for
// the serial families, a TCP connection to rigctld for the Hamlib family. Everything runs
// on the caller's thread without an event loop: writes go out at once, reads take what has
// arrived, a wait blocks for at most what it is given.
#include <QByteArray>
#include <QString>

namespace orbivox {

class CatPort {
public:
    virtual ~CatPort() = default;
    virtual bool IsOpen() const = 0;
    // Where it leads, for messages: "/dev/ttyUSB0", "127.0.0.1:4532".
    virtual const QString& Device() const = 0;
    virtual bool Write(const QByteArray& bytes) = 0;
    // Bytes received and not yet read (takes in what the line holds now).
    virtual qint64 Pending() = 0;
    virtual QByteArray ReadAll() = 0;
    virtual void Purge() = 0;
    // Blocks up to `ms` for more input; false when none came.
    virtual bool WaitForInput(int ms) = 0;
    // A read failed since the line was opened: the radio is taken as switched off.
    virtual bool ReadFailed() const { return false; }
};

}  // namespace orbivox

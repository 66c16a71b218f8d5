#pragma once
// A pseudo-terminal pair for the emulators: the master side is ours, the slave device is
// what the program opens as its serial port. We hold the slave open ourselves too, so the
// program closing its port does not hang up the line (reads would fail with EIO) and the
// raw line settings survive until it opens the port again.
#include <QByteArray>
#include <QString>

namespace orbivox {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens a pair in raw mode; false with a reason in error.
    bool Open(QString& error);
    void Close();
    bool IsOpen() const { return master_ >= 0; }
    int MasterDescriptor() const { return master_; }
    const QString& DevicePath() const { return device_; }
    bool Write(const QByteArray& bytes);

private:
    int master_ = -1;
    int slaveHeld_ = -1;
    QString device_;
};

}  // namespace orbivox

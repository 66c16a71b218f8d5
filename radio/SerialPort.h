#pragma once
// The serial port seam: one radio's port, on QSerialPort. Everything runs on the caller's
// thread without an event loop: writes are flushed at once and reads take what the line
// delivered so far, so a wait never lets a tick, timer or click in between.
//
// Responsibilities: opening with the radio's line settings, RTS and DTR, write, pending
// count, read, purge, and one error event (a vanished device, a failed read).
// Collaborations: CatLink puts the CAT delay and the reply waits on top.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "radio/CatPort.h"

class QSerialPort;

namespace orbivox {

struct LineSettings {
    std::optional<int> baud;  // nothing: leave the port's previous rate
    bool twoStopBits = false;
};

// The baud rate a parameter file's text names ("1200" .. "115200"); nothing for other texts.
std::optional<int> BaudFromText(const QString& text);

enum class OpenFailure { None, Permission, Other };

class SerialPort : public CatPort {
public:
    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // 8 data bits, no parity, no flow control.
    bool Open(const QString& device, const LineSettings& settings);
    OpenFailure LastOpenFailure() const { return openFailure_; }
    QString ErrorText() const;
    bool IsOpen() const override;
    void Close();
    const QString& Device() const override { return device_; }

    // False when the line cannot be set: a pseudo-terminal and some adapters have no
    // modem lines. The caller logs that; it is not a port error.
    bool SetRts(bool on);
    bool SetDtr(bool on);

    bool Write(const QByteArray& bytes) override;
    qint64 Pending() override;
    QByteArray ReadAll() override;
    void Purge() override;
    bool WaitForInput(int ms) override;

    // Called once per failure of the device (unplugged, read or write error).
    std::function<void(const QString& reason)> onError;
    // A read failed since the port was opened (the radio is taken as switched off).
    bool ReadFailed() const override { return readFailed_; }

private:
    void TakeError();

    std::unique_ptr<QSerialPort> port_;
    QString device_;
    OpenFailure openFailure_ = OpenFailure::None;
    bool readFailed_ = false;
    bool failed_ = false;
};

}  // namespace orbivox

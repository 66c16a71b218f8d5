// The serial port on QSerialPort, used without an event loop.
#include "radio/SerialPort.h"

#include <QSerialPort>

namespace orbivox {

std::optional<int> BaudFromText(const QString& text) {
    static const QStringList rates = {"1200", "4800", "9600", "19200", "38400", "57600", "115200"};
    if (!rates.contains(text)) {
        return std::nullopt;
    }
    return text.toInt();
}

SerialPort::SerialPort() : port_(std::make_unique<QSerialPort>()) {}
SerialPort::~SerialPort() = default;

bool SerialPort::Open(const QString& device, const LineSettings& settings) {
    Close();
    device_ = device;
    readFailed_ = false;
    failed_ = false;
    port_->setPortName(device);
    if (settings.baud) {
        port_->setBaudRate(*settings.baud);
    }
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(settings.twoStopBits ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) {
        openFailure_ = port_->error() == QSerialPort::PermissionError ? OpenFailure::Permission
                                                                      : OpenFailure::Other;
        return false;
    }
    openFailure_ = OpenFailure::None;
    return true;
}

QString SerialPort::ErrorText() const {
    return port_->errorString();
}

bool SerialPort::IsOpen() const {
    return port_->isOpen();
}

void SerialPort::Close() {
    if (port_->isOpen()) {
        port_->close();
    }
}

bool SerialPort::SetRts(bool on) {
    const bool done = port_->setRequestToSend(on);
    port_->clearError();
    return done;
}

bool SerialPort::SetDtr(bool on) {
    const bool done = port_->setDataTerminalReady(on);
    port_->clearError();
    return done;
}

void SerialPort::TakeError() {
    const QSerialPort::SerialPortError error = port_->error();
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) {
        port_->clearError();
        return;
    }
    if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError) {
        readFailed_ = true;
    }
    const QString reason = port_->errorString();
    port_->clearError();
    if (!failed_) {
        failed_ = true;
        if (error == QSerialPort::ResourceError && port_->isOpen()) {
            port_->close();
        }
        if (onError) {
            onError(reason);
        }
    }
}

bool SerialPort::Write(const QByteArray& bytes) {
    if (!port_->isOpen()) {
        return false;
    }
    if (port_->write(bytes) != bytes.size()) {
        TakeError();
        return false;
    }
    while (port_->bytesToWrite() > 0) {
        if (!port_->waitForBytesWritten(1000)) {
            TakeError();
            return false;
        }
    }
    return true;
}

bool SerialPort::WaitForInput(int ms) {
    if (!port_->isOpen()) {
        return false;
    }
    const bool more = port_->waitForReadyRead(ms);
    if (!more) {
        TakeError();
    }
    return more;
}

qint64 SerialPort::Pending() {
    if (!port_->isOpen()) {
        return 0;
    }
    WaitForInput(0);
    return port_->bytesAvailable();
}

QByteArray SerialPort::ReadAll() {
    if (!port_->isOpen()) {
        return {};
    }
    Pending();
    return port_->readAll();
}

void SerialPort::Purge() {
    if (!port_->isOpen()) {
        return;
    }
    Pending();
    port_->readAll();
    port_->clear(QSerialPort::Input);
}

}  // namespace orbivox

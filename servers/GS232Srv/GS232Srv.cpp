// GS232Srv: Orbivox32's rotor server for a Yaesu GS-232A/B compatible controller on a
// serial port. Each position goes out as "Waaa eee" + CR (whole degrees, azimuth up to
// 450 and elevation up to 180 as the controller takes them). The port number and baud rate
// come from GS232Srv.SQF in the configuration data folder, the device from ComPorts.SQF.
#include <QSerialPort>
#include <algorithm>
#include <cmath>
#include <memory>

#include "radio/PortMap.h"
#include "servers/Gs232Settings.h"
#include "servers/RotorServerFrame.h"
#include "settings/SqfFile.h"

namespace orbivox::servers {
namespace {

class Gs232Driver : public RotorDriver {
public:
    Gs232Driver(QString device, qint32 baudRate, ServerLog& log)
        : device_(std::move(device)), baudRate_(baudRate), log_(log) {
        log_.Line(QStringLiteral("GS-232 on %1 at %2 Bd").arg(device_).arg(baudRate_));
    }

    void Move(const SetPoint& point) override {
        if (!Open()) {
            return;
        }
        const int az = std::clamp(static_cast<int>(std::lround(point.azimuth)), 0, 450);
        const int el = std::clamp(static_cast<int>(std::lround(point.elevation)), 0, 180);
        const QByteArray command = QStringLiteral("W%1 %2\r")
                                       .arg(az, 3, 10, QLatin1Char('0'))
                                       .arg(el, 3, 10, QLatin1Char('0'))
                                       .toLatin1();
        if (port_.write(command) != command.size() || !port_.waitForBytesWritten(1000)) {
            log_.Line(QStringLiteral("cannot write to %1: %2").arg(device_, port_.errorString()));
            port_.close();
            return;
        }
        // Whatever the controller says back (some echo, some answer "?>") is not needed.
        port_.readAll();
    }

private:
    bool Open() {
        if (port_.isOpen()) {
            return true;
        }
        port_.setPortName(device_);
        port_.setBaudRate(baudRate_);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::NoFlowControl);
        if (!port_.open(QIODevice::ReadWrite)) {
            log_.Line(QStringLiteral("cannot open %1: %2").arg(device_, port_.errorString()));
            return false;
        }
        return true;
    }

    QString device_;
    qint32 baudRate_;
    ServerLog& log_;
    QSerialPort port_;
};

}  // namespace
}  // namespace orbivox::servers

int main(int argc, char** argv) {
    using namespace orbivox::servers;
    return RunRotorServer(argc, argv, [](const orbivox::Folders& folders, ServerLog& log) {
        const Gs232Port settings =
            ReadGs232Port(folders.ConfigFile(QStringLiteral("GS232Srv.SQF")), log);
        orbivox::PortMap map;
        try {
            map = orbivox::ReadPortMap(folders.ConfigFile(QStringLiteral("ComPorts.SQF")));
        } catch (const orbivox::SqfError& error) {
            log.Line(QString::fromUtf8(error.what()));
        }
        return std::make_unique<Gs232Driver>(orbivox::DeviceForPort(map, settings.port),
                                             settings.baudRate, log);
    });
}

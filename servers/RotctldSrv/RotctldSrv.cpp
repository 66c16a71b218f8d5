// RotctldSrv: Orbivox32's rotor server for every rotator Hamlib drives. Each position goes
// to a rotctld over TCP as "P az el"; its "RPRT" answer is read and a refusal logged.
// Host and port come from RotctldSrv.SQF in the configuration data folder (127.0.0.1 and
// 4533 without it); a lost connection is made again at the next position.
#include <QTcpSocket>
#include <memory>

#include "servers/RotorServerFrame.h"
#include "settings/SqfFile.h"

namespace orbivox::servers {
namespace {

constexpr int kConnectWaitMs = 2000;
constexpr int kAnswerWaitMs = 3000;

struct RotctldAddress {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 4533;
};

// RotctldSrv.SQF: 1 host, 2 port. A missing file gives the defaults; a bad line is logged
// and its default kept.
RotctldAddress ReadAddress(const QString& path, ServerLog& log) {
    RotctldAddress address;
    QStringList lines;
    try {
        lines = ReadSqfLines(path);
    } catch (const SqfError&) {
        return address;
    }
    if (!lines.value(0).trimmed().isEmpty()) {
        address.host = lines.value(0).trimmed();
    }
    const auto port = ParseSqfInteger(lines.value(1));
    if (port && *port > 0 && *port < 65536) {
        address.port = static_cast<quint16>(*port);
    } else if (!lines.value(1).trimmed().isEmpty()) {
        log.Line(QStringLiteral("RotctldSrv.SQF line 2 is no port: ") + lines.value(1));
    }
    return address;
}

class RotctldDriver : public RotorDriver {
public:
    RotctldDriver(RotctldAddress address, ServerLog& log)
        : address_(std::move(address)), log_(log) {
        log_.Line(QStringLiteral("rotctld at %1:%2").arg(address_.host).arg(address_.port));
    }

    void Move(const SetPoint& point) override {
        if (!Connected()) {
            return;  // dropped; the next position tries again
        }
        const QString command = QStringLiteral("P %1 %2\n")
                                    .arg(point.azimuth, 0, 'f', 2)
                                    .arg(point.elevation, 0, 'f', 2);
        socket_.write(command.toLatin1());
        socket_.flush();
        const QString answer = ReadAnswer();
        if (answer.isEmpty()) {
            log_.Line(
                QStringLiteral("no answer from rotctld; connecting again at the next position"));
            socket_.abort();
        } else if (answer != QLatin1String("RPRT 0")) {
            log_.Line(QStringLiteral("rotctld refused ") + command.trimmed() + ": " + answer);
        }
    }

private:
    bool Connected() {
        if (socket_.state() == QAbstractSocket::ConnectedState) {
            return true;
        }
        socket_.abort();
        socket_.connectToHost(address_.host, address_.port);
        if (!socket_.waitForConnected(kConnectWaitMs)) {
            log_.Line(QStringLiteral("cannot reach rotctld: ") + socket_.errorString());
            socket_.abort();
            return false;
        }
        log_.Line(QStringLiteral("connected to rotctld"));
        return true;
    }

    // The "RPRT n" line that ends rotctld's answer.
    QString ReadAnswer() {
        while (true) {
            while (socket_.canReadLine()) {
                const QString line = QString::fromLatin1(socket_.readLine()).trimmed();
                if (line.startsWith(QLatin1String("RPRT"))) {
                    return line;
                }
            }
            if (!socket_.waitForReadyRead(kAnswerWaitMs)) {
                return {};
            }
        }
    }

    RotctldAddress address_;
    ServerLog& log_;
    QTcpSocket socket_;
};

}  // namespace
}  // namespace orbivox::servers

int main(int argc, char** argv) {
    using namespace orbivox::servers;
    return RunRotorServer(argc, argv, [](const orbivox::Folders& folders, ServerLog& log) {
        return std::make_unique<RotctldDriver>(
            ReadAddress(folders.ConfigFile(QStringLiteral("RotctldSrv.SQF")), log), log);
    });
}

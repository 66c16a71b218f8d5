// One tick of the data items with ten clients (and 256) advising both: the name and data texts formed
// and handed to every client's socket, and that plus the clients receiving them.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "bench/BenchApplication.h"
#include "links/ConversationProtocol.h"
#include "links/ConversationServer.h"
#include "links/DataItems.h"

namespace {

using namespace orbivox;

struct Station {
    QTemporaryDir dir;
    ConversationServer server{kDataService};
    DataItems items;
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    qint64 received = 0;

    explicit Station(int clientCount) {
        DataItems::AddTo(server);
        server.Listen(dir.filePath(QStringLiteral("run")));
        items.SetSink(&server);
        for (int k = 0; k < clientCount; ++k) {
            auto socket = std::make_unique<QLocalSocket>();
            QLocalSocket* s = socket.get();
            QObject::connect(s, &QLocalSocket::readyRead,
                             [this, s] { received += s->readAll().size(); });
            s->connectToServer(server.SocketPath());
            s->waitForConnected(1000);
            s->write("CONNECT OrbivoxDdeConv\nADVISE OrbivoxDdeItem\n");
            s->flush();
            clients.push_back(std::move(socket));
            QCoreApplication::processEvents();  // the server takes it before the next comes

        }
        Drain();
    }
    void Drain() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }
    void Tick(double elevation, bool& losStandby) {
        DataLineValues values;
        values.name = "ISS (ZARYA)";
        values.azimuth = 141.2;
        values.elevation = elevation;
        values.meanAnomaly = 7.2;
        values.uplinkHz = 145990000;
        values.downlinkHz = 437800000;
        values.uplinkMode = "FM";
        values.downlinkMode = "FM";
        items.PublishNameTick(values.name, previousElevation, elevation, -3, losStandby);
        previousElevation = elevation;
        items.PublishDataTick(values, true, true, '.');
    }
    double previousElevation = 0;
};

// The clients' number is the argument: ten, and the server's limit of 256.
void BM_PublishTickClients(benchmark::State& state) {
    EnsureBenchApplication();
    Station station(static_cast<int>(state.range(0)));
    bool losStandby = false;
    double elevation = -5;
    for (auto _ : state) {
        station.Tick(elevation, losStandby);
        elevation = elevation > 20 ? -5 : elevation + 0.5;
        state.PauseTiming();
        station.Drain();
        state.ResumeTiming();
    }
    state.counters["clients"] = static_cast<double>(station.server.ClientCount());
}
BENCHMARK(BM_PublishTickClients)->Arg(10);
// A fixed count: draining 256 sockets between ticks, untimed, would take minutes otherwise.
BENCHMARK(BM_PublishTickClients)->Arg(256)->Iterations(300);

// The same, with the event loop delivering the texts to the ten clients.
void BM_PublishTickDeliveredTenClients(benchmark::State& state) {
    EnsureBenchApplication();
    Station station(10);
    bool losStandby = false;
    for (auto _ : state) {
        station.Tick(10, losStandby);
        station.Drain();
    }
    state.counters["bytes_received"] = static_cast<double>(station.received);
    state.counters["clients"] = static_cast<double>(station.server.ClientCount());
}
BENCHMARK(BM_PublishTickDeliveredTenClients);

}  // namespace

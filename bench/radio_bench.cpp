// One tick's Doppler computation and radio step with the serial writes going into the radio
// emulator on a pseudo-terminal: an FM satellite on an FT-736R, which reads nothing back,
// CAT delay 0 and a send on every tick (interval 0), so the figure is the worst tick.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "bench/BenchApplication.h"
#include "radio/DopplerTracker.h"
#include "radio/RadioFamilies.h"
#include "radio/SerialPort.h"
#include "radio/yaesu/YaesuFiles.h"

namespace {

using namespace orbivox;

// The emulator writes its log into a file, so a long run never blocks on a full pipe.
struct Emulator {
    QTemporaryDir dir;
    QProcess process;
    QString device;

    Emulator() {
        const QString log = dir.filePath(QStringLiteral("emulator.log"));
        process.setStandardOutputFile(log);
        process.start(ORBIVOX_CLI, {"emulate", "yaesu", "--model", "FT-736R"});
        process.waitForStarted(10000);
        for (int i = 0; i < 500 && device.isEmpty(); ++i) {
            QFile file(log);
            const QByteArray line = file.open(QIODevice::ReadOnly) ? file.readLine() : QByteArray();
            if (line.endsWith('\n')) {
                device = QString::fromUtf8(line).trimmed();
            } else {
                QThread::msleep(10);
            }
        }
    }
    ~Emulator() {
        process.terminate();
        process.waitForFinished(5000);
    }
};

void BM_DopplerAndRadioStep(benchmark::State& state) {
    EnsureBenchApplication();
    Emulator emulator;
    SerialPort port;
    if (emulator.device.isEmpty() || !port.Open(emulator.device, {4800, true})) {
        state.SkipWithError("no emulator");
        return;
    }
    CatLink link(&port, 0);
    CommandSetSettings settings;
    YaesuParameters& yaesu = settings.files.Get<YaesuParameters>();
    yaesu.model = QStringLiteral("FT-736R");
    yaesu = YaesuOpcodesForModel(yaesu);
    settings.satelliteModeOption = true;
    DopplerTracker tracker(link, MakeCommandSet(RadioFamily::Yaesu, settings), {});
    SelectedTransponder fm;
    fm.found = true;
    fm.downlinkKHz = 437800;
    fm.uplinkKHz = 145990;
    fm.downlinkMode = fm.uplinkMode = QStringLiteral("FM");
    tracker.SatelliteChanged(1, fm);
    tracker.Tuning().catOn = true;
    double rangeRate = -7;
    for (auto _ : state) {
        rangeRate = rangeRate > 7 ? -7 : rangeRate + 0.001;
        tracker.ComputeDoppler(rangeRate);
        tracker.RadioStep();
        benchmark::DoNotOptimize(tracker.Tuning().sendCount);
    }
    state.counters["sends"] = tracker.Tuning().sendCount;
}
BENCHMARK(BM_DopplerAndRadioStep)->Unit(benchmark::kMicrosecond);

}  // namespace

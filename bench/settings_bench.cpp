// Reading a long merged transponder table (Doppler.SQF, 20,000 lines): every line cut into
// fields and four numbers parsed, as at each start.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "radio/TransponderTable.h"

namespace {

using namespace orbivox;

void BM_ReadLongTransponderTable(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Doppler.SQF"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        for (int i = 0; i < 20'000; ++i) {
            file.write("OSCAR 7 (AO-7),145950,432150,USB,LSB,REV,0,0\r\n");
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadTransponderTable(path));
    }
}
BENCHMARK(BM_ReadLongTransponderTable)->Unit(benchmark::kMillisecond);

}  // namespace

// Decoding a 24-megapixel JPEG: a plain full decode with QImageReader, the yardstick for intake and print.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageReader>

#include "photo_fixture.h"

namespace {

void BM_FullDecode_24MP(benchmark::State& state) {
    const QString path = QString::fromStdString(Photo24MP());
    for (auto _ : state) {
        QImageReader reader(path);
        reader.setAllocationLimit(1024);
        QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FullDecode_24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

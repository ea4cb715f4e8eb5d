// A 24-megapixel JPEG dropped on the DVD canvas: from opening the file to the finished 467 x 313 preview.
#include <benchmark/benchmark.h>

#include "editor/intake.h"
#include "framework/picture.h"
#include "photo_fixture.h"

namespace {

void BM_DropToPreview_24MP(benchmark::State& state) {
    auto file = GetFolderItem(Photo24MP(), 0);
    auto window = Main::Instance();
    for (auto _ : state) {
        intake::LoadCover(*window, covers::kDvd, file);
        benchmark::DoNotOptimize(window->picdvd.get());
    }
    state.counters["preview_width"] = window->picdvd->Width();
}
BENCHMARK(BM_DropToPreview_24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

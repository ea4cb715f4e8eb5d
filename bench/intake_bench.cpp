// A 24-megapixel JPEG dropped on the DVD canvas: from opening the file to the finished 467 x 313 preview.
#include <benchmark/benchmark.h>

#include "editor/Main.h"
#include "framework/drag_item.h"
#include "framework/picture.h"
#include "photo_fixture.h"

namespace {

void BM_DropToPreview_24MP(benchmark::State& state) {
    auto drop = std::make_shared<DragItem>(GetFolderItem(Photo24MP(), 0));
    auto window = Main::Instance();
    for (auto _ : state) {
        window->dvdCover_DropObject(drop, 0);
        benchmark::DoNotOptimize(window->Preview(Main::kDvd).get());
    }
    state.counters["preview_width"] = window->Preview(Main::kDvd)->Width();
}
BENCHMARK(BM_DropToPreview_24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

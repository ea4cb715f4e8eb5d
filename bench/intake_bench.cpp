// A 24-megapixel JPEG dropped on the DVD canvas: from opening the file to the finished 467 x 313 preview.
// Files named in KAVRELLO_DROP_FILES (separated by ':') are timed alike, to the preview or the refusal.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sstream>

#include "editor/Main.h"
#include "framework/drag_item.h"
#include "framework/picture.h"
#include "photo_fixture.h"

namespace {

void DropToPreview(benchmark::State& state, const std::string& path) {
    auto drop = std::make_shared<DragItem>(GetFolderItem(path, 0));
    auto window = Main::Instance();
    for (auto _ : state) {
        try {
            window->dvdCover_DropObject(drop, 0);
        } catch (const std::exception& refusal) {
            state.SetLabel(refusal.what());
        }
        benchmark::DoNotOptimize(window->Preview(Main::kDvd).get());
    }
    if (window->Preview(Main::kDvd)) state.counters["preview_width"] = window->Preview(Main::kDvd)->Width();
}

void BM_DropToPreview_24MP(benchmark::State& state) {
    DropToPreview(state, Photo24MP());
}
BENCHMARK(BM_DropToPreview_24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

const bool kDropFilesRegistered = [] {
    std::istringstream files(std::getenv("KAVRELLO_DROP_FILES") ? std::getenv("KAVRELLO_DROP_FILES") : "");
    for (std::string path; std::getline(files, path, ':');)
        if (!path.empty())
            benchmark::RegisterBenchmark(("BM_DropToPreview/" + path).c_str(),
                                         [path](benchmark::State& state) { DropToPreview(state, path); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    return true;
}();

}  // namespace

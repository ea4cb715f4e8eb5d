// The quarter turn against Qt's own turn and against a plain copy, on a 24-megapixel 32-bit picture,
// and the turn of a canvas-sized preview.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTransform>
#include <cstring>

#include "framework/picture.h"
#include "framework/rgb_surface.h"
#include "picture/GraphicUtils.h"

namespace {

// A picture whose every pixel differs from its neighbours.
Ref<Picture> Pattern(int32_t width, int32_t height) {
    Ref<Picture> picture = NewPicture(width, height, 32);
    Ref<RGBSurface> surface = picture->RGBSurface();
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) surface->SetPixel(x, y, Color{uint32_t(x * 7919 + y * 104729)});
    return picture;
}

void BM_Rotate90_6000x4000(benchmark::State& state) {
    const Ref<Picture> source = Pattern(6000, 4000);
    for (auto _ : state) benchmark::DoNotOptimize(GraphicUtils::Rotate90(source, false));
}
BENCHMARK(BM_Rotate90_6000x4000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QtRotate_6000x4000(benchmark::State& state) {
    const Ref<Picture> source = Pattern(6000, 4000);
    const QImage& image = source->Image();
    for (auto _ : state) benchmark::DoNotOptimize(image.transformed(QTransform().rotate(90)));
}
BENCHMARK(BM_QtRotate_6000x4000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Copy_6000x4000(benchmark::State& state) {
    const Ref<Picture> source = Pattern(6000, 4000);
    for (auto _ : state) {
        Ref<Picture> copy = NewPicture(6000, 4000, 32);
        std::memcpy(copy->MutableImage().bits(), source->Image().constBits(), source->Image().sizeInBytes());
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_Copy_6000x4000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Rotate90_Preview_467x313(benchmark::State& state) {
    const Ref<Picture> source = Pattern(467, 313);
    for (auto _ : state) benchmark::DoNotOptimize(GraphicUtils::Rotate90(source, false));
}
BENCHMARK(BM_Rotate90_Preview_467x313)->Unit(benchmark::kMicrosecond);

}  // namespace

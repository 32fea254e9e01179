// Cost of one button cross-fade frame (BlendPictures over a 135 x 33 picture with an alpha
// plane) and of a whole 65-frame fade, next to a plain copy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "controls/picture.h"
#include "controls/picture_ops.h"

namespace dusk {
namespace {

constexpr int kWidth = 135;
constexpr int kHeight = 33;
constexpr int kFadeFrames = 65;  // 0 to 64 by 4

Picture Pattern(int seed) {
    Picture picture(kWidth, kHeight, true);
    unsigned v = unsigned(seed);
    for (auto& byte : picture.ColorBytes()) byte = std::uint8_t(v = v * 1103515245u + 12345u);
    for (auto& byte : picture.AlphaBytes()) byte = std::uint8_t(v = v * 1103515245u + 12345u);
    return picture;
}

std::int64_t FrameBytes(const Picture& picture) {
    return std::int64_t(picture.ColorBytes().size() + picture.AlphaBytes().size());
}

void SetFrameCounters(benchmark::State& state, std::int64_t framesPerIteration,
                      std::int64_t bytes) {
    state.SetBytesProcessed(state.iterations() * framesPerIteration * bytes);
    // Seconds per frame of CPU time, printed with an SI prefix (n, u).
    state.counters["per_frame"] = benchmark::Counter(
        double(framesPerIteration),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CopyFrame(benchmark::State& state) {
    const Picture from = Pattern(1);
    Picture into = Pattern(3);
    for (auto _ : state) {
        std::memcpy(into.ColorBytes().data(), from.ColorBytes().data(), from.ColorBytes().size());
        std::memcpy(into.AlphaBytes().data(), from.AlphaBytes().data(), from.AlphaBytes().size());
        benchmark::DoNotOptimize(into.ColorBytes().data());
        benchmark::ClobberMemory();
    }
    SetFrameCounters(state, 1, FrameBytes(from));
}

void BM_BlendFrame(benchmark::State& state) {
    const Picture from = Pattern(1), to = Pattern(2);
    Picture into = Pattern(3);
    for (auto _ : state) {
        BlendPictures(from, to, 128, into);
        benchmark::DoNotOptimize(into.ColorBytes().data());
        benchmark::ClobberMemory();
    }
    SetFrameCounters(state, 1, FrameBytes(into));
}

void BM_Fade65Frames(benchmark::State& state) {
    const Picture from = Pattern(1), to = Pattern(2);
    Picture into = Pattern(3);
    for (auto _ : state) {
        for (int k = 0; k < kFadeFrames; ++k) {
            BlendPictures(from, to, std::min(255, k * 4), into);
            benchmark::DoNotOptimize(into.ColorBytes().data());
            benchmark::ClobberMemory();
        }
    }
    SetFrameCounters(state, kFadeFrames, FrameBytes(into));
}

BENCHMARK(BM_CopyFrame);
BENCHMARK(BM_BlendFrame);
BENCHMARK(BM_Fade65Frames);

}  // namespace
}  // namespace dusk

BENCHMARK_MAIN();

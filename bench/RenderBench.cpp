// Speed of the render pass on a 24-megapixel picture, beside a memcpy of the
// same buffer. Every figure is reported as ns_per_px so that runs can be
// compared as ratios; run with --benchmark_format=json for scripts.
#include "RenderCases.h"
#include "render/ParallelChunks.h"
#include "render/RenderPass.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using kolvira::PixelWord;
using kolvira::RenderParameters;
using kolvira::bench::Cases;

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
constexpr long long kPixels = static_cast<long long>(kWidth) * kHeight;

// A photo-like picture: smooth gradients with noise and a few hard edges, so
// that edge tests and flat areas both occur.
const std::vector<PixelWord>& SourcePicture() {
    static const std::vector<PixelWord> picture = [] {
        std::vector<PixelWord> words(kPixels);
        std::mt19937 random(42);
        std::uniform_int_distribution<int> noise(-6, 6);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const int band = ((x / 700) + (y / 500)) % 3;
                auto channel = [&](int base) { return std::clamp(base + noise(random), 0, 255); };
                const int r = channel(x * 255 / kWidth / (band + 1));
                const int g = channel(y * 255 / kHeight);
                const int b = channel(128 + 60 * band);
                words[static_cast<size_t>(y) * kWidth + x] = 0xFF000000u | (r << 16) | (g << 8) | b;
            }
        }
        return words;
    }();
    return picture;
}

void SetPerPixelCounter(benchmark::State& state) {
    state.counters["ns_per_px"] = benchmark::Counter(static_cast<double>(kPixels) * 1e-9,
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_Memcpy(benchmark::State& state) {
    const auto& source = SourcePicture();
    std::vector<PixelWord> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size() * sizeof(PixelWord));
        benchmark::ClobberMemory();
    }
    SetPerPixelCounter(state);
}

void BM_Render(benchmark::State& state, RenderParameters settings, int threads) {
    const auto& source = SourcePicture();
    std::vector<PixelWord> picture(source.size());
    kolvira::PictureSurface surface(picture.data(), kWidth, kHeight, kWidth);
    kolvira::RenderOptions options;
    options.threads = threads;
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(picture.data(), source.data(), source.size() * sizeof(PixelWord));
        state.ResumeTiming();
        kolvira::RenderPicture(surface, settings, {0, 0, kWidth, kHeight}, {}, options);
        benchmark::ClobberMemory();
    }
    SetPerPixelCounter(state);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("BM_Memcpy", BM_Memcpy)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    const int allCores = kolvira::ResolveThreadCount(0);
    for (const auto& c : Cases()) {
        for (int threads : {1, allCores}) {
            const std::string name =
                std::string("BM_Render/") + c.name + "/" + std::to_string(threads);
            benchmark::RegisterBenchmark(name.c_str(), BM_Render, c.settings, threads)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
            if (allCores == 1)
                break;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Speed of building the Mosaic's thumbnails from a directory of JPEG photos
// (KOLVIRA_BENCH_PHOTOS): a first build with an empty cache, and a rebuild at
// a larger cell size from the cache. Reported as whole-build time and as
// ms_per_image.
#include "mosaic/ThumbnailBuilder.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using kolvira::BuildThumbnails;
using kolvira::ThumbnailCache;

// The directory's .jpg files in name order; empty after SkipWithError.
std::vector<QByteArray> BenchPhotos(benchmark::State& state) {
    const char* dir = std::getenv("KOLVIRA_BENCH_PHOTOS");
    if (dir == nullptr || *dir == '\0') {
        state.SkipWithError("set KOLVIRA_BENCH_PHOTOS to a directory of JPEG photos");
        return {};
    }
    const QDir photos(QFile::decodeName(dir));
    std::vector<QByteArray> paths;
    for (const QString& name : photos.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        paths.push_back(QFile::encodeName(photos.filePath(name)));
    if (paths.empty())
        state.SkipWithError("KOLVIRA_BENCH_PHOTOS holds no .jpg file");
    return paths;
}

void Build(const std::vector<QByteArray>& paths, int width, ThumbnailCache& cache, int threads) {
    BuildThumbnails(
        paths, width, cache,
        [](std::size_t, const QImage& thumbnail, QSize) {
            benchmark::DoNotOptimize(thumbnail.constBits());
        },
        threads);
}

using Clock = std::chrono::steady_clock;

// The timed milliseconds per photo, averaged over the iterations.
void SetPerImageCounter(benchmark::State& state, Clock::duration timed, std::size_t images) {
    const double ms = std::chrono::duration<double, std::milli>(timed).count();
    state.counters["ms_per_image"] =
        benchmark::Counter(ms / static_cast<double>(images), benchmark::Counter::kAvgIterations);
}

void BM_MosaicBuild(benchmark::State& state) {
    const std::vector<QByteArray> paths = BenchPhotos(state);
    if (paths.empty())
        return;
    const int threads = static_cast<int>(state.range(0));
    Clock::duration timed{};
    for (auto _ : state) {
        ThumbnailCache cache;
        const auto start = Clock::now();
        Build(paths, 100, cache, threads);
        timed += Clock::now() - start;
    }
    SetPerImageCounter(state, timed, paths.size());
}

// "More size": the cells grow from 100 to 120 after a first build at 100.
// Every rebuild at 120 finds the same cache, so the first build is made once.
void BM_MosaicResize(benchmark::State& state) {
    const std::vector<QByteArray> paths = BenchPhotos(state);
    if (paths.empty())
        return;
    const int threads = static_cast<int>(state.range(0));
    ThumbnailCache cache;
    Build(paths, 100, cache, threads);
    Clock::duration timed{};
    for (auto _ : state) {
        const auto start = Clock::now();
        Build(paths, 120, cache, threads);
        timed += Clock::now() - start;
    }
    SetPerImageCounter(state, timed, paths.size());
}

const int kAllCores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

BENCHMARK(BM_MosaicBuild)->Arg(1)->Arg(kAllCores)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MosaicResize)->Arg(kAllCores)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

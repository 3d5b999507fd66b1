// Speed of building the Mosaic's thumbnails from a directory of JPEG photos
// (KOLVIRA_BENCH_PHOTOS): a first build with an empty cache, with the desktop's
// shared thumbnails off, empty or filled, and a rebuild at a larger cell size
// from the cache. Reported as whole-build time and as ms_per_image. Like the
// window, a build decodes the shared thumbnails of the first screenful only.
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ThumbnailBuilder.h"
#include "render/ParallelChunks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

using kolvira::BuildThumbnails;
using kolvira::FreedesktopThumbnails;
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

// What a Mosaic window of 1000 x 700 shows of a folder at the top, with the
// half screen around it that it asks for: the build decodes the shared
// thumbnails of these and only checks the others'.
constexpr std::size_t kInSight = 96;

void Build(const std::vector<QByteArray>& paths, int width, ThumbnailCache& cache, int threads) {
    kolvira::ThumbnailSight sight;
    sight.Set(0, kInSight - 1);
    BuildThumbnails(
        paths, width, cache,
        [](std::size_t, const QImage& thumbnail, QSize) {
            benchmark::DoNotOptimize(thumbnail.constBits());
        },
        threads, {}, &sight);
}

using Clock = std::chrono::steady_clock;

// The timed milliseconds per photo, averaged over the iterations.
void SetPerImageCounter(benchmark::State& state, Clock::duration timed, std::size_t images) {
    const double ms = std::chrono::duration<double, std::milli>(timed).count();
    state.counters["ms_per_image"] =
        benchmark::Counter(ms / static_cast<double>(images), benchmark::Counter::kAvgIterations);
}

// The shared thumbnails a build finds: none and none written, none (each
// build writes them into an empty folder), or all (written by an earlier
// build). Each case has a folder of its own, the environment restored after.
enum SharedState { kSharedOff = 0, kSharedCold = 1, kSharedWarm = 2 };

class SharedFolder {
public:
    explicit SharedFolder(SharedState state)
        : state_(state), previous_(qgetenv("XDG_CACHE_HOME")),
          hadPrevious_(qEnvironmentVariableIsSet("XDG_CACHE_HOME")) {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home_.path()));
        FreedesktopThumbnails::SetWriting(state != kSharedOff);
    }
    ~SharedFolder() {
        FreedesktopThumbnails::SetWriting(true);
        if (hadPrevious_)
            qputenv("XDG_CACHE_HOME", previous_);
        else
            qunsetenv("XDG_CACHE_HOME");
    }
    // Called outside the timing before each build.
    void Prepare() {
        if (state_ == kSharedCold)
            QDir(home_.filePath("thumbnails")).removeRecursively();
    }

private:
    const SharedState state_;
    const QByteArray previous_;
    const bool hadPrevious_;
    QTemporaryDir home_;
};

// BM_MosaicBuild/<threads>/<width>/<shared>: a first build in a new process.
void BM_MosaicBuild(benchmark::State& state) {
    const std::vector<QByteArray> paths = BenchPhotos(state);
    if (paths.empty())
        return;
    const int threads = static_cast<int>(state.range(0));
    const int width = static_cast<int>(state.range(1));
    const auto shared = static_cast<SharedState>(state.range(2));
    SharedFolder folder(shared);
    if (shared == kSharedWarm) {
        ThumbnailCache filling;
        Build(paths, width, filling, threads);
    }
    Clock::duration timed{};
    for (auto _ : state) {
        state.PauseTiming();
        folder.Prepare();
        ThumbnailCache cache;
        state.ResumeTiming();
        const auto start = Clock::now();
        Build(paths, width, cache, threads);
        timed += Clock::now() - start;
    }
    SetPerImageCounter(state, timed, paths.size());
}

// The decode alone, on one thread, at the width asked of it: 200 is what a
// 200-pixel cell needed before the shared thumbnails, 256 what fills a
// 'large' one.
void BM_ThumbnailDecodeWidth(benchmark::State& state) {
    const std::vector<QByteArray> paths = BenchPhotos(state);
    if (paths.empty())
        return;
    const int width = static_cast<int>(state.range(0));
    Clock::duration timed{};
    for (auto _ : state) {
        const auto start = Clock::now();
        for (const QByteArray& path : paths) {
            const kolvira::Thumbnail decoded = kolvira::DecodeThumbnail(path, width);
            benchmark::DoNotOptimize(kolvira::ScaleThumbnail(decoded, 200).constBits());
        }
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
    const SharedFolder folder(kSharedOff);
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

const int kAllCores = kolvira::ResolveThreadCount(0);

BENCHMARK(BM_MosaicBuild)
    ->Args({1, 100, kSharedOff})
    ->Args({kAllCores, 100, kSharedOff})
    ->Args({kAllCores, 100, kSharedCold})
    ->Args({kAllCores, 100, kSharedWarm})
    ->Args({kAllCores, 200, kSharedOff})
    ->Args({kAllCores, 200, kSharedCold})
    ->Args({kAllCores, 200, kSharedWarm})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThumbnailDecodeWidth)
    ->Arg(200)
    ->Arg(256)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MosaicResize)->Arg(kAllCores)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

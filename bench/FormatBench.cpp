// Decoding each picture format: the whole picture (BM_DecodeFormat) and a
// Mosaic thumbnail of a 200-pixel cell (BM_ThumbnailFormat), beside libvips
// making the same thumbnail (BM_VipsThumbnail, when built with libvips). The
// pictures are made once per run by tests/corpus/make_hostile_corpus.py
// --every-format, 2000 x 1500 (the DNG 400 x 300). Reported as ms per
// picture and ms_per_MP. Run on one core for the figures:
//   taskset -c 0 build/bin/kolvira-bench --benchmark_filter=Format
// libvips's glib headers name members "signals", which Qt defines as a
// keyword: they come first.
#ifdef KOLVIRA_HAVE_VIPS
#include <vips/vips.h>
#endif

#include "imageio/PhotoDecoding.h"
#include "imageio/decoding/DecoderProcess.h"
#include "mosaic/ThumbnailDecoding.h"

#include "BenchPhoto.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kThumbWidth = 200;

// The folder of pictures, made on first use; empty when it cannot be made.
const QDir& Pictures() {
    static QTemporaryDir scratch;
    static const QDir folder = [] {
        QProcess script;
        script.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(KOLVIRA_CORPUS_SCRIPT), QStringLiteral("--every-format"),
                      scratch.path(), QStringLiteral("2000"), QStringLiteral("1500")});
        const bool made = script.waitForFinished(600'000) && script.exitCode() == 0;
        return made ? QDir(scratch.path()) : QDir();
    }();
    return folder;
}

// The picture of the format with `extension`; empty after SkipWithError.
QByteArray PictureOf(benchmark::State& state, const char* extension) {
    const QStringList found =
        Pictures().entryList({QStringLiteral("*.") + QLatin1String(extension)}, QDir::Files);
    if (found.isEmpty()) {
        state.SkipWithError("the benchmark's pictures could not be made");
        return {};
    }
    return QFile::encodeName(Pictures().filePath(found.front()));
}

using Clock = std::chrono::steady_clock;

void BM_DecodeFormat(benchmark::State& state, const char* extension) {
    const QByteArray path = PictureOf(state, extension);
    if (path.isEmpty())
        return;
    QSize size;
    Clock::duration timed{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const kolvira::DecodedPhoto photo = kolvira::DecodePhoto(path);
        timed += Clock::now() - start;
        if (photo.image.isNull()) {
            state.SkipWithError(qPrintable(photo.error));
            return;
        }
        size = photo.image.size();
        benchmark::DoNotOptimize(photo.image.constBits());
    }
    // Milliseconds per megapixel, averaged over the iterations.
    const double megapixels = size.width() * double(size.height()) / 1e6;
    const double ms = std::chrono::duration<double, std::milli>(timed).count();
    state.counters["ms_per_MP"] = benchmark::Counter(megapixels > 0 ? ms / megapixels : 0,
                                                     benchmark::Counter::kAvgIterations);
}

void BM_ThumbnailFormat(benchmark::State& state, const char* extension) {
    const QByteArray path = PictureOf(state, extension);
    if (path.isEmpty())
        return;
    for (auto _ : state) {
        const kolvira::Thumbnail thumbnail = kolvira::DecodeThumbnail(path, kThumbWidth);
        const QImage cell = kolvira::ScaleThumbnail(thumbnail, kThumbWidth);
        if (cell.isNull()) {
            state.SkipWithError(qPrintable(thumbnail.error));
            return;
        }
        benchmark::DoNotOptimize(cell.constBits());
    }
}

#ifdef KOLVIRA_HAVE_VIPS
// The peer: libvips's thumbnail of the same file, at most 200 wide, computed
// to memory, on one thread and without its cache.
void BM_VipsThumbnail(benchmark::State& state, const char* extension) {
    const QByteArray path = PictureOf(state, extension);
    if (path.isEmpty())
        return;
    static const bool started = [] {
        VIPS_INIT("kolvira-bench");
        g_log_set_handler(
            "VIPS", G_LOG_LEVEL_WARNING, [](auto...) {}, nullptr);
        vips_concurrency_set(1);
        vips_cache_set_max(0);
        return true;
    }();
    (void)started;
    for (auto _ : state) {
        VipsImage* thumbnail = nullptr;
        if (vips_thumbnail(path.constData(), &thumbnail, kThumbWidth, nullptr) != 0) {
            state.SkipWithError(vips_error_buffer());
            vips_error_clear();
            return;
        }
        size_t bytes = 0;
        void* pixels = vips_image_write_to_memory(thumbnail, &bytes);
        benchmark::DoNotOptimize(pixels);
        g_free(pixels);
        g_object_unref(thumbnail);
    }
}
#endif

// A 12-megapixel HEIC (the bench photo through heif-enc) decoded whole in
// this process (child:0) and through kolvira-decode (child:1): the second
// adds starting the child, the file down a socket and the pixels up a pipe.
void BM_HeicDecoderProcess(benchmark::State& state) {
    static QTemporaryDir scratch;
    static const QByteArray path = [] {
        const QString png = scratch.filePath(QStringLiteral("photo.png"));
        const QString heic = scratch.filePath(QStringLiteral("photo.heic"));
        QProcess encoder;
        if (kolvira::bench::BenchPhoto().save(png))
            encoder.start(QStringLiteral("heif-enc"), {QStringLiteral("-q"), QStringLiteral("80"),
                                                       png, QStringLiteral("-o"), heic});
        const bool made = encoder.waitForFinished(600'000) && encoder.exitCode() == 0;
        return made ? QFile::encodeName(heic) : QByteArray();
    }();
    const bool child = state.range(0) != 0;
    if (path.isEmpty() || (child && kolvira::DecoderProgram("heif").isEmpty())) {
        state.SkipWithError("heif-enc or kolvira-decode is missing");
        return;
    }
    kolvira::SetRiskyDecodes(child ? kolvira::RiskyDecodes::InChildProcess
                                   : kolvira::RiskyDecodes::InThisProcess);
    for (auto _ : state)
        benchmark::DoNotOptimize(kolvira::DecodePhoto(path).image.constBits());
    kolvira::SetRiskyDecodes(kolvira::RiskyDecodes::InChildProcess);
}
BENCHMARK(BM_HeicDecoderProcess)
    ->ArgNames({"child"})
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

#define KOLVIRA_FORMAT_BENCHMARKS(name, extension)                                                 \
    BENCHMARK_CAPTURE(BM_DecodeFormat, name, extension)                                            \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime();                                                                           \
    BENCHMARK_CAPTURE(BM_ThumbnailFormat, name, extension)                                         \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime()

KOLVIRA_FORMAT_BENCHMARKS(jpeg, "jpg");
KOLVIRA_FORMAT_BENCHMARKS(png, "png");
KOLVIRA_FORMAT_BENCHMARKS(heic, "heic");
KOLVIRA_FORMAT_BENCHMARKS(avif, "avif");
KOLVIRA_FORMAT_BENCHMARKS(jxl, "jxl");
KOLVIRA_FORMAT_BENCHMARKS(webp, "webp");
KOLVIRA_FORMAT_BENCHMARKS(dng, "dng");
KOLVIRA_FORMAT_BENCHMARKS(wmf, "wmf");
KOLVIRA_FORMAT_BENCHMARKS(emf, "emf");

#ifdef KOLVIRA_HAVE_VIPS
BENCHMARK_CAPTURE(BM_VipsThumbnail, jpeg, "jpg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_VipsThumbnail, heic, "heic")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_VipsThumbnail, avif, "avif")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_VipsThumbnail, jxl, "jxl")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_VipsThumbnail, webp, "webp")->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

// The Mosaic's 200-pixel thumbnail of camera-sized JPEGs without an EXIF
// thumbnail, four ways: Qt's reader scaling at load (`qt`, the way before
// libjpeg-turbo was called directly), libjpeg-turbo decoding every scan
// (`turbo`), libjpeg-turbo stopping a progressive file after its DC scans
// (`turbo-dc`), and the whole of DecodeThumbnail (`mosaic`: watchdog
// thread, header, colour). BM_VipsJpegThumbnail is the peer, libvips's
// `vipsthumbnail -s 100x200` in-process on one thread. Each iteration decodes
// the next of the photos, 4000 x 3000 and 6000 x 4000, quality 90, made at
// the first use. Timed by the process's CPU time, which counts the threads
// of libvips and of the watchdog and holds still on a busy machine. Run on
// one core:
//   taskset -c 1 build/bin/kolvira-bench --benchmark_filter=JpegThumbnail
// libvips's glib headers name members "signals", which Qt defines as a
// keyword: they come first.
#ifdef KOLVIRA_HAVE_VIPS
#include <vips/vips.h>
#endif

#include "BenchPhoto.h"
#include "imageio/PhotoScaling.h"
#include "imageio/formats/JpegThumbnailDecoder.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kThumbWidth = 200;

enum class Way { Qt, Turbo, TurboDc, Mosaic };

QImage PhotoOfSize(QSize size) {
    const QImage& photo = kolvira::bench::BenchPhoto();
    if (photo.size() == size)
        return photo;
    QImage larger(size, QImage::Format_RGB32);
    QPainter(&larger).drawImage(QRect(QPoint(0, 0), size), photo);
    return larger;
}

// The photos of one kind ("baseline" or "progressive"), made on first use.
const std::vector<QByteArray>& Photos(const std::string& kind) {
    static QTemporaryDir scratch;
    static std::map<std::string, std::vector<QByteArray>> made;
    std::vector<QByteArray>& paths = made[kind];
    if (!paths.empty())
        return paths;
    for (const QSize size : {QSize(4000, 3000), QSize(6000, 4000)}) {
        const QString path = scratch.filePath(
            QStringLiteral("%1-%2.jpg").arg(QString::fromStdString(kind)).arg(size.width()));
        QImageWriter writer(path, "jpeg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(kind == "progressive");
        if (writer.write(PhotoOfSize(size)))
            paths.push_back(QFile::encodeName(path));
    }
    return paths;
}

QSize ThumbSize(QSize photo) {
    return {kThumbWidth, kolvira::ThumbnailHeight(photo, kThumbWidth)};
}

QImage Decoded(Way way, const QByteArray& path) {
    if (way == Way::Mosaic)
        return kolvira::DecodeThumbnail(path, kThumbWidth).image;
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (way == Way::Qt) {
        QImageReader reader(&file, "jpeg");
        reader.setScaledSize(ThumbSize(reader.size()));
        return reader.read();
    }
    const QSize photo = QImageReader(QFile::decodeName(path)).size();
    const kolvira::JpegThumbnail decoded = kolvira::DecodeJpegThumbnail(
        file, ThumbSize(photo),
        way == Way::TurboDc ? kolvira::DcScans::StopAfter : kolvira::DcScans::ReadAll);
    return kolvira::ScalePhoto(decoded.image, ThumbSize(photo));
}

void BM_JpegThumbnail(benchmark::State& state, Way way, const char* kind) {
    const std::vector<QByteArray>& photos = Photos(kind);
    if (photos.size() != 2) {
        state.SkipWithError("the photos could not be made");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const QImage thumbnail = Decoded(way, photos[next++ % photos.size()]);
        if (thumbnail.width() != kThumbWidth) {
            state.SkipWithError("no thumbnail");
            return;
        }
        benchmark::DoNotOptimize(thumbnail.constBits());
    }
}

#ifdef KOLVIRA_HAVE_VIPS
void BM_VipsJpegThumbnail(benchmark::State& state, const char* kind) {
    const std::vector<QByteArray>& photos = Photos(kind);
    static const bool started = [] {
        VIPS_INIT("kolvira-bench");
        vips_concurrency_set(1);
        vips_cache_set_max(0);
        return true;
    }();
    (void)started;
    std::size_t next = 0;
    for (auto _ : state) {
        VipsImage* thumbnail = nullptr;
        // As `vipsthumbnail -s 100x200`: within a box 100 wide, 200 high.
        if (vips_thumbnail(photos[next++ % photos.size()].constData(), &thumbnail, 100, "height",
                           200, nullptr) != 0) {
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

// Registered by name: the names hold a dash and slashes.
const bool registered = [] {
    const std::pair<const char*, Way> ways[] = {{"qt", Way::Qt},
                                                {"turbo", Way::Turbo},
                                                {"turbo-dc", Way::TurboDc},
                                                {"mosaic", Way::Mosaic}};
    for (const char* kind : {"baseline", "progressive"}) {
        for (const auto& [name, way] : ways) {
            benchmark::RegisterBenchmark(
                (std::string("BM_JpegThumbnail/") + name + "/" + kind).c_str(),
                [way = way, kind](benchmark::State& state) { BM_JpegThumbnail(state, way, kind); })
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime();
        }
    }
    return true;
}();

} // namespace

#ifdef KOLVIRA_HAVE_VIPS
BENCHMARK_CAPTURE(BM_VipsJpegThumbnail, baseline, "baseline")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_VipsJpegThumbnail, progressive, "progressive")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
#endif

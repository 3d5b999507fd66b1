// What converting to sRGB costs a thumbnail and a whole photo: the same
// 12-megapixel JPEG decoded without a colour profile and with a Display P3
// one (as phones write them), its thumbnail made by a scaled decode or taken
// from a 160 x 120 thumbnail in its EXIF data. The difference between the
// two is the conversion, with the reading of the profile. A CMYK JPEG (made
// by ImageMagick, with Ghostscript's CMYK profile or without a profile) is
// compared the same way. Reported as ms_per_image.
#include "imageio/PhotoDecoding.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "BenchPhoto.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>

namespace {

void Put16(QByteArray& bytes, quint32 value) {
    bytes.append(char(value >> 8)).append(char(value & 0xFF));
}

// `jpeg` with EXIF data holding `thumbnail`, as cameras write it: a
// big-endian TIFF whose IFD1, at 14, locates the thumbnail that follows it
// at 56.
QByteArray WithExifThumbnail(const QByteArray& jpeg, const QByteArray& thumbnail) {
    QByteArray tiff("MM\0\x2a\0\0\0\x08\0\0\0\0\0\x0e", 14); // an empty IFD0
    Put16(tiff, 3);
    for (const auto [tag, type, value] :
         {std::array<quint32, 3>{0x0103, 3, 6 << 16}, std::array<quint32, 3>{0x0201, 4, 56},
          std::array<quint32, 3>{0x0202, 4, quint32(thumbnail.size())}}) {
        Put16(tiff, tag);
        Put16(tiff, type);
        Put16(tiff, 0);
        Put16(tiff, 1);
        Put16(tiff, value >> 16);
        Put16(tiff, value & 0xFFFF);
    }
    tiff += QByteArray(4, '\0') + thumbnail;
    QByteArray segment("\xFF\xE1");
    Put16(segment, 2 + 6 + tiff.size());
    return jpeg.left(2) + segment + QByteArray("Exif\0\0", 6) + tiff + jpeg.mid(2);
}

// The photo's file: without a profile or with Display P3, with an EXIF
// thumbnail or without.
QByteArray BenchPhotoPath(bool p3, bool exifThumbnail) {
    static QTemporaryDir dir;
    static const std::array<QByteArray, 4> paths = [] {
        QImage photo = kolvira::bench::BenchPhoto();
        QBuffer thumbnail;
        thumbnail.open(QIODevice::WriteOnly);
        photo.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .save(&thumbnail, "jpg", 90);
        std::array<QByteArray, 4> made;
        for (int i = 0; i < 4; ++i) {
            photo.setColorSpace(i & 1 ? QColorSpace(QColorSpace::DisplayP3) : QColorSpace());
            QBuffer jpeg;
            jpeg.open(QIODevice::WriteOnly);
            photo.save(&jpeg, "jpg", 90);
            const QString path = dir.filePath(QString::number(i) + ".jpg");
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(i & 2 ? WithExifThumbnail(jpeg.data(), thumbnail.data()) : jpeg.data());
            made[i] = QFile::encodeName(path);
        }
        return made;
    }();
    return paths[(p3 ? 1 : 0) + (exifThumbnail ? 2 : 0)];
}

constexpr const char* kCmykProfile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";

// The bench photo as a CMYK JPEG, with the CMYK profile or without; empty
// when ImageMagick or the profile is missing.
QByteArray CmykPhotoPath(bool profile) {
    static QTemporaryDir dir;
    static const std::array<QByteArray, 2> paths = [] {
        std::array<QByteArray, 2> made;
        const QString rgb = dir.filePath(QStringLiteral("rgb.jpg"));
        if (!kolvira::bench::BenchPhoto().save(rgb, "jpg", 95) || !QFile::exists(kCmykProfile))
            return made;
        for (int i = 0; i < 2; ++i) {
            const QString path = dir.filePath(QStringLiteral("cmyk%1.jpg").arg(i));
            QStringList arguments{rgb, QStringLiteral("-colorspace"), QStringLiteral("CMYK")};
            if (i == 1)
                arguments << QStringLiteral("-profile") << QString::fromLatin1(kCmykProfile);
            arguments << QStringLiteral("-quality") << QStringLiteral("90") << path;
            if (QProcess::execute(QStringLiteral("/usr/bin/convert"), arguments) == 0)
                made[i] = QFile::encodeName(path);
        }
        return made;
    }();
    return paths[profile ? 1 : 0];
}

// The Mosaic's opening cell width, which a 160-pixel EXIF thumbnail covers.
constexpr int kMosaicCell = 100;

using Clock = std::chrono::steady_clock;

template <class Decode> void TimeDecodes(benchmark::State& state, Decode decode) {
    const QByteArray path = BenchPhotoPath(state.range(0) != 0, state.range(1) != 0);
    Clock::duration timed{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(decode(path));
        timed += Clock::now() - start;
    }
    state.counters["ms_per_image"] =
        benchmark::Counter(std::chrono::duration<double, std::milli>(timed).count(),
                           benchmark::Counter::kAvgIterations);
}

void BM_ThumbnailColor(benchmark::State& state) {
    TimeDecodes(state, [](const QByteArray& path) {
        return kolvira::DecodeThumbnail(path, kMosaicCell).image.constBits();
    });
}

void BM_PhotoColor(benchmark::State& state) {
    TimeDecodes(
        state, [](const QByteArray& path) { return kolvira::DecodePhoto(path).image.constBits(); });
}

void BM_CmykThumbnailColor(benchmark::State& state) {
    const QByteArray path = CmykPhotoPath(state.range(0) != 0);
    if (path.isEmpty()) {
        state.SkipWithError("ImageMagick or Ghostscript's CMYK profile is missing");
        return;
    }
    Clock::duration timed{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(kolvira::DecodeThumbnail(path, kMosaicCell).image.constBits());
        timed += Clock::now() - start;
    }
    state.counters["ms_per_image"] =
        benchmark::Counter(std::chrono::duration<double, std::milli>(timed).count(),
                           benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_CmykThumbnailColor)
    ->ArgNames({"profile"})
    ->DenseRange(0, 1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThumbnailColor)
    ->ArgNames({"p3", "exif"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoColor)
    ->ArgNames({"p3", "exif"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

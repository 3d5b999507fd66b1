// Full-resolution Save As: a 24-megapixel drawing encoded as PNG by Qt's
// writer at its default and at faster zlib levels, and by the program's own
// libpng writer with each choice of row filters and zlib strategy, beside
// the render pass that made the drawing. Encoded to memory, so the figures
// are the encoder's alone.
#include "BenchPhoto.h"
#include "RenderCases.h"
#include "imageio/ImageSurface.h"
#include "imageio/writing/PngWriter.h"
#include "render/RenderPass.h"

#include <QBuffer>
#include <QImageWriter>

#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <array>

namespace {

constexpr int kNoLevel = -1;   // Qt's default, zlib's level 6
constexpr int kPhotoLike = -1; // the photo itself, not rendered

// Qt 6's PNG writer takes a compression of 0..100 and hands zlib
// compression x 9 / 91: the smallest compression that gives `level`.
int CompressionForZlibLevel(int level) {
    return (level * 91 + 8) / 9;
}

const kolvira::RenderParameters& DrawingStyle(std::int64_t style) {
    static const auto coal = kolvira::bench::Style(kolvira::kStyleCoal);
    static const auto waterColor = kolvira::bench::Style(kolvira::kStyleWaterColor);
    return style == kolvira::kStyleCoal ? coal : waterColor;
}

// The photo at 6000 x 4000.
const QImage& FullSizePhoto() {
    static const QImage photo = kolvira::bench::BenchPhoto().scaled(
        6000, 4000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return photo;
}

QImage Drawing(std::int64_t style) {
    QImage picture = FullSizePhoto().copy();
    if (style == kPhotoLike)
        return picture;
    kolvira::PictureSurface surface = kolvira::SurfaceOf(picture);
    kolvira::RenderPicture(surface, DrawingStyle(style), {0, 0, picture.width(), picture.height()});
    return picture;
}

// The render pass on all cores, as Save As of a kept rendering does it.
void BM_RenderFullSize(benchmark::State& state) {
    QImage picture = FullSizePhoto().copy();
    for (auto _ : state) {
        state.PauseTiming();
        picture = FullSizePhoto().copy();
        state.ResumeTiming();
        kolvira::PictureSurface surface = kolvira::SurfaceOf(picture);
        kolvira::RenderPicture(surface, DrawingStyle(state.range(0)),
                               {0, 0, picture.width(), picture.height()});
    }
}

// range(0): the style or kPhotoLike; range(1): the zlib level, or kNoLevel.
void BM_SavePng(benchmark::State& state) {
    const QImage picture = Drawing(state.range(0));
    qint64 size = 0;
    for (auto _ : state) {
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (state.range(1) != kNoLevel)
            writer.setCompression(CompressionForZlibLevel(static_cast<int>(state.range(1))));
        if (!writer.write(picture))
            state.SkipWithError(writer.errorString().toUtf8().constData());
        size = encoded.size();
    }
    state.counters["MB"] = static_cast<double>(size) / 1e6;
}

void StylesAndLevels(benchmark::internal::Benchmark* b) {
    b->ArgNames({"style", "level"});
    for (int style : {kolvira::kStyleCoal, kolvira::kStyleWaterColor})
        for (int level : {kNoLevel, 1, 3, 5})
            b->Args({style, level});
    b->Args({kPhotoLike, kNoLevel});
}

// The row filter sets tried; 0 is libpng's own choice, all five per row.
constexpr std::array kFilterSets = {
    0,
    PNG_FILTER_NONE,
    PNG_FILTER_SUB,
    PNG_FILTER_UP,
    PNG_FILTER_PAETH,
    PNG_FILTER_SUB | PNG_FILTER_UP,
    PNG_FILTER_SUB | PNG_FILTER_UP | PNG_FILTER_PAETH,
};

// range(0): the style or kPhotoLike; range(1): an index into kFilterSets
// (-1: what the program writes); range(2): the zlib strategy.
void BM_WritePng(benchmark::State& state) {
    const QImage picture = Drawing(state.range(0));
    kolvira::PngEncoding encoding = kolvira::PictureEncoding();
    if (state.range(1) >= 0) {
        encoding.rowFilters = kFilterSets[static_cast<std::size_t>(state.range(1))];
        encoding.zlibStrategy = static_cast<int>(state.range(2));
    }
    qint64 size = 0;
    for (auto _ : state) {
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        if (const kolvira::WriteOutcome written = kolvira::WritePng(picture, buffer, encoding);
            !written.IsWritten())
            state.SkipWithError(written.Reason().toUtf8().constData());
        size = encoded.size();
    }
    state.counters["MB"] = static_cast<double>(size) / 1e6;
}

void FiltersAndStrategies(benchmark::internal::Benchmark* b) {
    b->ArgNames({"style", "filters", "strategy"});
    for (int style : {int{kolvira::kStyleCoal}, int{kolvira::kStyleWaterColor}, kPhotoLike}) {
        b->Args({style, -1, 0});
        for (int filters = 0; filters < static_cast<int>(kFilterSets.size()); ++filters)
            for (int strategy : {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_RLE})
                b->Args({style, filters, strategy});
    }
}

} // namespace

BENCHMARK(BM_RenderFullSize)
    ->ArgName("style")
    ->Arg(kolvira::kStyleCoal)
    ->Arg(kolvira::kStyleWaterColor)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_SavePng)->Apply(StylesAndLevels)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WritePng)->Apply(FiltersAndStrategies)->Unit(benchmark::kMillisecond)->UseRealTime();

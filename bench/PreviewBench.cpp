// Speed of the photo window's preview: what one Apply costs on a 1600 x 1200
// window (the photo drawn to the window's width, the render pass over the
// window, the result copied to the screen), and what a repaint costs once
// the preview is kept (scrolling, exposing, reading a shown pixel).
#include "RenderCases.h"
#include "imageio/ImageSurface.h"
#include "photowindow/PreviewCache.h"
#include "render/RenderPass.h"

#include <QPainter>

#include "BenchPhoto.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using kolvira::bench::BenchPhoto;

using kolvira::PreviewCache;
using kolvira::RenderParameters;

const QSize kWindow(1600, 1200);
const QRgb kBackground = qRgb(255, 255, 255);

void RenderOnAllCores(QImage& canvas, const RenderParameters& settings) {
    kolvira::PictureSurface surface = kolvira::SurfaceOf(canvas);
    kolvira::RenderPicture(surface, settings, {0, 0, canvas.width(), canvas.height()});
}

// One paint: the kept preview copied to the window.
void Paint(QImage& window, PreviewCache& cache, const RenderParameters& settings) {
    const QImage& preview =
        cache.Preview(BenchPhoto(), kWindow, kBackground, settings, RenderOnAllCores);
    QPainter painter(&window);
    painter.drawImage(QPoint(0, 0), preview);
}

// Apply: new settings, so the preview is rendered again (the pen press
// alternates, which changes no cost); the scaled photo and the last canvas
// are kept, as they are in the view while its size stays.
void BM_ApplyPreview(benchmark::State& state, RenderParameters settings) {
    QImage window(kWindow, QImage::Format_RGB32);
    PreviewCache cache;
    Paint(window, cache, settings);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        settings.penPress = flip ? 0.26 : 0.25;
        Paint(window, cache, settings);
        benchmark::DoNotOptimize(window.constBits());
    }
}

void BM_RepaintKeptPreview(benchmark::State& state) {
    QImage window(kWindow, QImage::Format_RGB32);
    PreviewCache cache;
    const RenderParameters settings = kolvira::bench::Style(kolvira::kStyleCoal);
    Paint(window, cache, settings);
    for (auto _ : state) {
        Paint(window, cache, settings);
        benchmark::DoNotOptimize(window.constBits());
    }
}

const bool registered = [] {
    std::vector<kolvira::bench::Case> cases = kolvira::bench::Cases();
    // The Photo Editor opens with the impression brush on, so "Blur" alone
    // comes with it unless the user clears it.
    RenderParameters blurBrush = kolvira::bench::Style(kolvira::kStylePhotoEffects);
    blurBrush.blur = blurBrush.impressionBrush = true;
    cases.push_back({"blur-brush", blurBrush});
    for (const auto& c : cases) {
        const std::string name = std::string("BM_ApplyPreview/") + c.name;
        benchmark::RegisterBenchmark(name.c_str(), BM_ApplyPreview, c.settings)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_RepaintKeptPreview", BM_RepaintKeptPreview)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

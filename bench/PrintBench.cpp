// Speed of what printing and saving make: a contact sheet of N thumbnails
// written as a PDF (what the Mosaic's Save As, its printout and
// kolvira-render --contact-sheet do), a photo window's page as a PDF, and
// the window's picture saved as PNG. All in memory-backed temporary files.
#include "RenderCases.h"
#include "imageio/ImageSurface.h"
#include "imageio/PrintScale.h"
#include "imageio/writing/PictureFiles.h"
#include "mosaic/ContactSheet.h"
#include "render/RenderPass.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Fonts need a GUI application; the benchmarks make one on first use.
void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "kolvira-bench";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication application(argc, argv);
    }
}

// A photo-like picture: smooth gradients with noise, so that encoders and
// the PDF's compression work as on real photos.
QImage PhotoLike(QSize size, quint32 seed, int noise = 24) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = static_cast<int>(random.bounded(noise));
            line[x] = qRgb((x * 255 / size.width() + grain) & 255,
                           (y * 255 / size.height() + grain) & 255, (x + y + grain) & 255);
        }
    }
    return image;
}

void BM_ContactSheetPdf(benchmark::State& state) {
    EnsureGuiApplication();
    const int count = static_cast<int>(state.range(0));
    kolvira::ContactSheet sheet;
    std::vector<QImage> thumbnails;
    for (int k = 0; k < count; ++k) {
        thumbnails.push_back(PhotoLike(QSize(100, 75), static_cast<quint32>(k)));
        sheet.paths.push_back(std::to_string(k));
        sheet.labels << QStringLiteral("IMG_%1.JPG").arg(k, 4, 10, QChar(u'0'));
    }
    sheet.pictures = [&](const std::vector<std::string>& paths, int) {
        std::vector<QImage> pictures;
        for (const std::string& path : paths)
            pictures.push_back(thumbnails[std::stoul(path)]);
        return pictures;
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        const kolvira::WriteOutcome written =
            kolvira::WriteContactSheetPdf(sheet, path, 600, QSizeF(96, 96));
        if (!written.IsWritten())
            state.SkipWithError(written.Reason().toUtf8().constData());
    }
    state.counters["pages"] = (count + 90) / 91;
}

void BM_PhotoPagePdf(benchmark::State& state) {
    EnsureGuiApplication();
    const QImage picture = PhotoLike(QSize(1600, 1200), 1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.pdf"));
    for (auto _ : state) {
        QPdfWriter pdf(path);
        pdf.setResolution(600);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&pdf);
        const QSizeF scale = kolvira::ScreenToDeviceScale(pdf, QSizeF(96, 96));
        painter.scale(scale.width(), scale.height());
        painter.drawImage(QPoint(0, 0), picture);
    }
}

// What Save As writes from a 1600-pixel window: the photo (0), or its
// rendering in the coal style (1).
QImage SavedPicture(std::int64_t kind) {
    QImage picture = PhotoLike(QSize(1600, 1200), 2, 6);
    if (kind == 1) {
        kolvira::PictureSurface surface = kolvira::SurfaceOf(picture);
        kolvira::RenderPicture(surface, kolvira::bench::Style(kolvira::kStyleCoal),
                               {0, 0, picture.width(), picture.height()});
    }
    return picture;
}

// Save As of a window-sized picture, through the program's own writer.
void BM_SavePicturePng(benchmark::State& state) {
    const QImage picture = SavedPicture(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    for (auto _ : state) {
        const kolvira::WriteOutcome written = kolvira::WritePicture(picture, path, "png");
        if (!written.IsWritten())
            state.SkipWithError(written.Reason().toUtf8().constData());
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}

BENCHMARK(BM_ContactSheetPdf)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PhotoPagePdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SavePicturePng)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

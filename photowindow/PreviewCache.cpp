#include "photowindow/PreviewCache.h"

#include <QPainter>

namespace kolvira {

const QImage& PreviewCache::Preview(const QImage& photo, QSize size, QRgb background,
                                    const RenderParameters& settings,
                                    const RenderFunction& render) {
    const bool kept = !canvas_.isNull() && canvas_.size() == size &&
                      photoKey_ == photo.cacheKey() && background_ == background &&
                      settings_ == settings;
    if (kept)
        return canvas_;

    Clear();
    QImage canvas(size, QImage::Format_RGB32);
    if (canvas.isNull())
        return canvas_; // too large to allocate: nothing to show
    canvas.fill(background);
    QSize drawn(size.width(), 0);
    if (!photo.isNull()) {
        QPainter painter(&canvas);
        drawn = DrawPhotoAtWidth(painter, photo, size.width(), scaledPhoto_);
    }
    render(canvas, settings);

    canvas_ = std::move(canvas);
    photoKey_ = photo.cacheKey();
    background_ = background;
    settings_ = settings;
    drawnSize_ = drawn;
    return canvas_;
}

void PreviewCache::Clear() {
    canvas_ = QImage();
    drawnSize_ = QSize();
}

} // namespace kolvira

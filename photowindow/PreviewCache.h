// The photo drawn to a canvas's width over a background and rendered with a
// record, kept until something it depends on changes. A view in the preview
// runs the render pass at every paint; with this, scrolling, exposing and
// reading a shown pixel blit the kept picture instead, and only a new
// record, photo, canvas size or background renders again.
#pragma once

#include "imageio/PhotoScaling.h"
#include "render/RenderParameters.h"

#include <QImage>
#include <QRgb>
#include <QSize>

#include <functional>

namespace kolvira {

class PreviewCache {
public:
    // The photo's scaled copy is kept in `scaledPhoto` when given (a view
    // shares the one it draws the photo from), else in a cache of its own.
    explicit PreviewCache(ScaledPhotoCache* scaledPhoto = nullptr)
        : scaledPhoto_(scaledPhoto != nullptr ? scaledPhoto : &ownScaledPhoto_) {}
    PreviewCache(const PreviewCache&) = delete;
    PreviewCache& operator=(const PreviewCache&) = delete;

    // Runs the render pass over the whole of the given canvas, in place.
    using RenderFunction = std::function<void(QImage& canvas, const RenderParameters& settings)>;

    // The canvas of `size` filled with `background`, with `photo` (may be
    // null) drawn at its top-left corner scaled to the canvas's width, and
    // `render` run over it; `render` is called only when the kept canvas
    // was made from something else.
    const QImage& Preview(const QImage& photo, QSize size, QRgb background,
                          const RenderParameters& settings, const RenderFunction& render);

    // The kept canvas, and the size the photo was drawn at in it.
    const QImage& Canvas() const { return canvas_; }
    QSize DrawnSize() const { return drawnSize_; }
    // Whether the kept canvas is one of `size` over `background`.
    bool Holds(QSize size, QRgb background) const {
        return !canvas_.isNull() && canvas_.size() == size && background_ == background;
    }

    // Forgets the kept canvas (the scaled photo stays).
    void Clear();

private:
    ScaledPhotoCache ownScaledPhoto_;
    ScaledPhotoCache* scaledPhoto_;
    QImage canvas_;
    qint64 photoKey_ = 0;
    QRgb background_ = 0;
    RenderParameters settings_;
    QSize drawnSize_;
};

} // namespace kolvira

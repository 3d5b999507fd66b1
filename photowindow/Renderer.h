// The renderer the photo views share: drawing a photo scaled to a width,
// and the render pass over a picture with the wait cursor and, when given,
// the status-bar progress. It keeps no state; a view may hand in its own cache of the
// scaled photo so that repaints do not scale again.
#pragma once

#include "imageio/PhotoScaling.h"
#include "render/RenderParameters.h"

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace kolvira {

class StatusProgress;

class Renderer {
public:
    // Draws `photo` at (0, 0) scaled to the width of `rect` with its
    // proportions kept, into exactly the integer rectangle, and returns the
    // drawn size. A photo of width 0 draws nothing and gives (width, 100).
    QSize DrawScaledPhoto(QPainter& painter, const QImage& photo, const QRect& rect,
                          kolvira::ScaledPhotoCache* cache = nullptr) const;

    // The render pass over the columns and rows of `area` of `picture`
    // (Format_RGB32), in place, with the wait cursor and, when `progress`
    // is given, the progress bar. A pass run while a widget paints must not
    // show it: the bar's immediate repaints would paint into the window's
    // backing store under the painter that is still at work there.
    void RenderPicture(QImage& picture, const kolvira::RenderParameters& settings,
                       const QRect& area, StatusProgress* progress) const;
};

// Set while the main window exists; the photo views reach the renderer
// only through it.
extern Renderer* theRenderer;

} // namespace kolvira

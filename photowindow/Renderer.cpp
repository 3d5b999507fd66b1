#include "photowindow/Renderer.h"

#include "framework/StatusProgress.h"
#include "framework/WaitCursor.h"
#include "imageio/ImageSurface.h"
#include "imageio/PhotoScaling.h"
#include "render/RenderPass.h"

namespace kolvira {

Renderer* theRenderer = nullptr;

QSize Renderer::DrawScaledPhoto(QPainter& painter, const QImage& photo, const QRect& rect,
                                kolvira::ScaledPhotoCache* cache) const {
    return kolvira::DrawPhotoAtWidth(painter, photo, rect.width(), cache);
}

void Renderer::RenderPicture(QImage& picture, const kolvira::RenderParameters& settings,
                             const QRect& area, StatusProgress* progress) const {
    kolvira::PictureSurface surface = kolvira::SurfaceOf(picture);
    const kolvira::RenderRect rect{area.left(), area.top(), area.left() + area.width(),
                                   area.top() + area.height()};
    {
        const WaitCursor busy;
        if (progress != nullptr)
            progress->Show(QStringLiteral(" "));
        kolvira::RenderPicture(surface, settings, rect, [progress](int percent) {
            if (progress != nullptr)
                progress->SetPosition(percent);
        });
    }
    if (progress != nullptr)
        progress->Finish();
}

} // namespace kolvira

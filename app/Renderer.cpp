#include "Renderer.h"

#include "ImageSurface.h"
#include "PhotoScaling.h"
#include "RenderPass.h"
#include "StatusProgress.h"
#include "WaitCursor.h"

Renderer* theRenderer = nullptr;

QSize Renderer::DrawScaledPhoto(QPainter& painter, const QImage& photo, const QRect& rect,
                                kolvira::ScaledPhotoCache* cache) const {
    return kolvira::DrawPhotoAtWidth(painter, photo, rect.width(), cache);
}

void Renderer::RenderPicture(QImage& picture, const kolvira::RenderSettings& settings,
                             const QRect& area, bool showProgress) const {
    kolvira::PictureSurface surface = kolvira::SurfaceOf(picture);
    const kolvira::RenderRect rect{area.left(), area.top(), area.left() + area.width(),
                                   area.top() + area.height()};
    StatusProgress* progress = showProgress ? theProgress : nullptr;
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

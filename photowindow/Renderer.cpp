#include "photowindow/Renderer.h"

#include "framework/StatusProgress.h"
#include "framework/WaitCursor.h"
#include "imageio/ImageSurface.h"
#include "render/RenderPass.h"

namespace kolvira {

void RenderShownPicture(QImage& picture, const RenderParameters& settings, const QRect& area,
                        StatusProgress* progress) {
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

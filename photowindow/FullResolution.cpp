#include "photowindow/FullResolution.h"

#include "framework/EscapeWatch.h"
#include "framework/StatusProgress.h"
#include "framework/WaitCursor.h"
#include "mosaic/BatchRendering.h"

#include <memory>

namespace kolvira {

QImage FullResolutionCache::Picture(const QImage& photo, const RenderParameters& settings,
                                    StatusProgress* progress, bool stoppable) {
    if (!settings.active || photo.isNull())
        return photo;
    if (!picture_.isNull() && photoKey_ == photo.cacheKey() && settings_ == settings)
        return picture_;
    picture_ = {};

    QImage picture = photo.copy();
    bool stopped = false;
    {
        const WaitCursor busy;
        const std::unique_ptr<EscapeWatch> escape =
            stoppable ? std::make_unique<EscapeWatch>() : nullptr;
        if (progress != nullptr)
            progress->Show(stoppable ? QStringLiteral("Full resolution (Esc stops)")
                                     : QStringLiteral("Full resolution"));
        // Esc is noticed as the pass goes and acted on once it ends, as in
        // the Mosaic's Render Selection.
        RenderInPlace(picture, settings, /*threads=*/0, [&](int percent) {
            if (progress != nullptr)
                progress->SetPosition(percent);
            if (escape != nullptr)
                escape->Pressed();
        });
        stopped = escape != nullptr && escape->Pressed();
    }
    if (progress != nullptr)
        progress->Finish();
    if (stopped)
        return {};
    picture_ = picture;
    photoKey_ = photo.cacheKey();
    settings_ = settings;
    return picture_;
}

} // namespace kolvira

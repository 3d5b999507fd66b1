#include "photowindow/FullResolution.h"

#include <QCoreApplication>

#include "framework/EscapeWatch.h"
#include "framework/StatusProgress.h"
#include "framework/WaitCursor.h"
#include "mosaic/BatchRendering.h"

#include <atomic>
#include <memory>

namespace kolvira {

QImage FullResolutionCache::Picture(const QImage& photo, const RenderParameters& settings,
                                    StatusProgress* progress, bool stoppable) {
    if (!settings.active || photo.isNull())
        return photo;
    if (!picture_.isNull() && photoKey_ == photo.cacheKey() && settings_ == settings)
        return picture_;
    picture_ = {};

    // Shared with the pass, which may outlive this call once stopped.
    auto picture = std::make_shared<QImage>(photo.copy());
    auto percent = std::make_shared<std::atomic<int>>(0);
    const auto showProgress = [&] {
        if (progress != nullptr)
            progress->SetPosition(percent->load());
    };
    if (progress != nullptr)
        progress->Show(stoppable
                           ? QCoreApplication::translate("PhotoView", "Full resolution (Esc stops)")
                           : QCoreApplication::translate("PhotoView", "Full resolution"));
    bool finished = true;
    {
        const WaitCursor busy;
        // Stoppable, the pass runs beside the event loop, so that Esc ends
        // the wait at once; a pass stopped finishes unseen.
        if (stoppable) {
            finished = RunUnlessEscaped(
                [picture, settings, percent] {
                    RenderInPlace(*picture, settings, /*threads=*/0,
                                  [&percent](int position) { percent->store(position); });
                },
                showProgress);
        } else {
            RenderInPlace(*picture, settings, /*threads=*/0, [&](int position) {
                percent->store(position);
                showProgress();
            });
        }
    }
    if (progress != nullptr)
        progress->Finish();
    if (!finished)
        return {};
    picture_ = *picture;
    photoKey_ = photo.cacheKey();
    settings_ = settings;
    return picture_;
}

} // namespace kolvira

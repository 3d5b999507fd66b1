// The photo rendered at its own size with a window's settings: the pass
// kolvira-render runs without --width, on all cores, so that what Save As
// and Print make at full resolution equals its output. The picture is kept
// for as long as the photo and the settings stay the same, so that a print
// after a save, or a preview that repaints, renders nothing again.
#pragma once

#include "render/RenderParameters.h"

#include <QImage>

namespace kolvira {

class StatusProgress;

class FullResolutionCache {
public:
    // The photo (Format_RGB32, upright, on black) rendered with `settings`,
    // or the photo itself when they are not active. `progress` (may be
    // null) shows the pass; when `stoppable`, Esc during it stops it and
    // the result is null.
    QImage Picture(const QImage& photo, const RenderParameters& settings, StatusProgress* progress,
                   bool stoppable);

private:
    QImage picture_;
    qint64 photoKey_ = 0;
    RenderParameters settings_;
};

} // namespace kolvira

// The render pass as the photo views run it: over a picture in place, with
// the wait cursor and, when given, the status-bar progress. It keeps no
// state, so every view calls it directly.
#pragma once

#include "render/RenderParameters.h"

#include <QImage>
#include <QRect>

namespace kolvira {

class StatusProgress;

// The render pass over the columns and rows of `area` of `picture`
// (Format_RGB32), in place, with the wait cursor and, when `progress` is
// given, the progress bar. A pass run while a widget paints must not show
// it: the bar's immediate repaints would paint into the window's backing
// store under the painter that is still at work there.
void RenderShownPicture(QImage& picture, const RenderParameters& settings, const QRect& area,
                        StatusProgress* progress);

} // namespace kolvira

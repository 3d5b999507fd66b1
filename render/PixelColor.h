// The colour one pixel takes in a drawing style (styles 0-6) or with the
// photo effects (style 7), read from the picture as it stands. This is the
// per-pixel definition; the render pass computes the same colours in bulk.
#pragma once

#include "render/PictureSurface.h"
#include "render/RenderParameters.h"

namespace kolvira {

enum GradientDirection : int { kHorizontal = 1, kVertical = 2 };

// Grey-level change towards the right (horizontal) or lower (vertical)
// neighbour; 0 in column 0 (horizontal) and row 0 (vertical).
int GreyGradient(const PictureSurface& picture, int x, int y, GradientDirection direction);

COLORREF PixelColor(const PictureSurface& picture, int x, int y, const RenderParameters& settings);

// The style-7 colour of the pixel at (x, y) with channels red, green, blue
// and grey level grey (the photo effects).
COLORREF PhotoEffectColor(const PictureSurface& picture, int x, int y, unsigned red, unsigned green,
                          unsigned blue, unsigned grey, const RenderParameters& settings);

} // namespace kolvira

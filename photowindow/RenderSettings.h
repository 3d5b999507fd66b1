// A photo document's rendering record: the parameters the render pass reads.
// Each photo document owns one; the Paint and Photo Editor dialogs edit it in
// place.
#pragma once

#include "render/RenderParameters.h"

namespace kolvira {

struct RenderSettings : RenderParameters {
    // What the render pass sees; compare these to tell whether two records
    // render the same picture.
    const RenderParameters& Parameters() const { return *this; }
};

} // namespace kolvira

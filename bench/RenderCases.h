// The settings the benchmarks render with: each drawing style at the Paint
// dialog's opening sliders, and the photo effects in a few combinations.
#pragma once

#include "render/RenderParameters.h"

#include <vector>

namespace kolvira::bench {

struct Case {
    const char* name;
    RenderParameters settings;
};

// `style` with the sliders and numbers a first Apply of the dialogs writes.
RenderParameters Style(int style);

std::vector<Case> Cases();

} // namespace kolvira::bench

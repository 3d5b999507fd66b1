// One run of kolvira-render: each input photo is opened, rendered with the
// run's settings and written out, failures being reported as they come.
#pragma once

#include "cli/CommandLine.h"
#include "render/RenderPass.h"

#include <QImage>

namespace kolvira::cli {

// Renders the whole of a Format_RGB32 picture in place.
void RenderInPlace(QImage& picture, const RenderParameters& settings, int threads,
                   const ProgressCallback& progress);

// Renders every input of `options`; returns the exit code, 0 when all
// pictures were written and 1 otherwise.
int RunRender(const CliOptions& options);

} // namespace kolvira::cli

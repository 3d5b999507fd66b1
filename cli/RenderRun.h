// One run of kolvira-render: each input photo is opened, rendered with the
// run's settings and written out, failures being reported as they come.
#pragma once

#include "cli/CommandLine.h"

namespace kolvira::cli {

// Renders every input of `options`; returns the exit code, 0 when all
// pictures were written and 1 otherwise.
int RunRender(const CliOptions& options);

} // namespace kolvira::cli

// Where the decoders that may crash or run away (libheif's, libemf2svg's)
// run: in a child process, in this one, or in the child itself.
#pragma once

namespace kolvira {

enum class RiskyDecodes {
    InChildProcess, // the default: through kolvira-decode when it is found
    InThisProcess,  // the fuzzers, which fuzz the decoders themselves
    OneShotProcess, // kolvira-decode: one picture, then the process ends
};
void SetRiskyDecodes(RiskyDecodes where);
RiskyDecodes CurrentRiskyDecodes();

} // namespace kolvira

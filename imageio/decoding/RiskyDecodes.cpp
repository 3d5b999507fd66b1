#include "imageio/decoding/RiskyDecodes.h"

#include <atomic>

namespace kolvira {
namespace {

std::atomic<RiskyDecodes> whereRiskyDecodesRun{RiskyDecodes::InChildProcess};

} // namespace

void SetRiskyDecodes(RiskyDecodes where) {
    whereRiskyDecodesRun = where;
}

RiskyDecodes CurrentRiskyDecodes() {
    return whereRiskyDecodesRun;
}

} // namespace kolvira

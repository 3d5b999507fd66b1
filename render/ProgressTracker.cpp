#include "render/ProgressTracker.h"

#include <limits>

namespace kolvira {

ProgressTracker::ProgressTracker(const ProgressCallback& callback, long long cellCount)
    : callback_(callback), cellCount_(cellCount) {
    if (!callback_ || cellCount_ <= 0)
        nextTrigger_ = std::numeric_limits<long long>::max();
}

bool ProgressTracker::Attained(int percent) const {
    const long long first = (static_cast<long long>(percent) * cellCount_ + 99) / 100;
    return first < cellCount_ && 100 * first / cellCount_ == percent;
}

void ProgressTracker::Report(long long done) {
    if (done > cellCount_)
        done = cellCount_;
    const int target = static_cast<int>(100 * (done - 1) / cellCount_);
    for (int percent = lastSent_ + 1; percent <= target; ++percent) {
        if (Attained(percent)) {
            callback_(percent);
            lastSent_ = percent;
        }
    }
    // The first cell count at which the next position is due.
    const long long nextPercent = lastSent_ + 1;
    nextTrigger_ = nextPercent >= 100 ? std::numeric_limits<long long>::max()
                                      : (nextPercent * cellCount_ + 99) / 100 + 1;
}

} // namespace kolvira

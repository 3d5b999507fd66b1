// Turns "cells done" into the positions the progress bar is sent:
// floor(100 k / N) for each finished cell k, passed on only when it changes.
#pragma once

#include "render/RenderPass.h"

namespace kolvira {

class ProgressTracker {
public:
    ProgressTracker(const ProgressCallback& callback, long long cellCount);

    // `done` cells are finished (cells 0 .. done - 1). Sends every position
    // those cells stand for that has not been sent yet, in order, so the
    // positions seen are the same however the work was split.
    void Advance(long long done) {
        if (done >= nextTrigger_)
            Report(done);
    }

private:
    void Report(long long done);
    // Whether some cell k < N has floor(100 k / N) == percent.
    bool Attained(int percent) const;

    const ProgressCallback& callback_;
    long long cellCount_;
    int lastSent_ = -1;
    long long nextTrigger_ = 1;
};

} // namespace kolvira

// Runs a decode on a thread of its own and waits for it only so long: a
// decoder that runs away on a hostile file cannot freeze the program. When
// the time is up (on the DecodeClock: the thread's processor time) the decode
// is told to stop (its file's reads then fail, so it ends at its next read)
// and left to finish on its own; its result is dropped.
#pragma once

#include "imageio/DecodeClock.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace kolvira {

// `task(stop)` on a new thread; its result, or nothing when it takes longer
// than `limit`. The task must own everything it uses: it may outlive the call.
template <class Result>
std::optional<Result> RunWithinTime(std::function<Result(const std::atomic<bool>& stop)> task,
                                    std::chrono::milliseconds limit) {
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<Result> result;
        std::atomic<bool> stop{false};
    };
    auto shared = std::make_shared<Shared>();
    std::thread worker([shared, task = std::move(task)] {
        Result result = task(shared->stop);
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        shared->done.notify_one();
    });
    const DecodeClock clock(limit, ThreadCpuClock(worker.native_handle()));
    worker.detach();

    // The clock is read with the lock held and no result yet, so the thread
    // has not ended and its clock is still its own.
    std::unique_lock lock(shared->mutex);
    const auto finished = [&] { return shared->result.has_value(); };
    while (!shared->done.wait_until(lock, clock.NextCheck(), finished)) {
        if (clock.Expired()) {
            shared->stop = true;
            return std::nullopt;
        }
    }
    return std::move(shared->result);
}

} // namespace kolvira

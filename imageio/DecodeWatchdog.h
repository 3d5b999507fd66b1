// Runs a decode on a thread of its own and waits for it only so long: a
// decoder that runs away on a hostile file cannot freeze the program. When
// the time is up the decode is told to stop (its file's reads then fail, so
// it ends at its next read) and left to finish on its own; its result is
// dropped.
#pragma once

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
    std::thread([shared, task = std::move(task)] {
        Result result = task(shared->stop);
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        shared->done.notify_one();
    }).detach();

    std::unique_lock lock(shared->mutex);
    if (!shared->done.wait_for(lock, limit, [&] { return shared->result.has_value(); })) {
        shared->stop = true;
        return std::nullopt;
    }
    return std::move(shared->result);
}

} // namespace kolvira

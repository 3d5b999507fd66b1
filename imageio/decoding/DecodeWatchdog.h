// Runs a decode on a thread of its own and waits for it only so long: a
// decoder that runs away on a hostile file cannot freeze the program. When
// the time is up (on the DecodeClock: the thread's processor time) the decode
// is told to stop (its file's reads then fail, so it ends at its next read)
// and left to finish on its own; its result is dropped.
#pragma once

#include "imageio/decoding/DecodeClock.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace kolvira {

// Counts the decode threads still running, those cut off by their limit
// included.
class RunningDecodes {
public:
    static void Started();
    static void Ended();
    // Waits up to `limit` for every decode thread to end; whether they did.
    // A program calls it before leaving main: a decode still running then
    // would use libraries that are being torn down.
    static bool AwaitAll(std::chrono::milliseconds limit);
};

// Ends the program with `status`: at once when no decode thread runs, or
// once the last has ended; past `limit`, without running the clean-up
// that a runaway decode could still be using.
int LeaveAfterDecodes(int status, std::chrono::milliseconds limit = std::chrono::seconds(2));

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
    RunningDecodes::Started();
    std::thread worker([shared, task = std::move(task)]() mutable {
        {
            // The task and what it owns go before the thread counts as ended.
            const auto run = std::move(task);
            Result result = run(shared->stop);
            const std::lock_guard lock(shared->mutex);
            shared->result = std::move(result);
            shared->done.notify_one();
        }
        RunningDecodes::Ended();
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

// Work on many files by several threads, handed to the caller in order: the
// thumbnails of a Mosaic, the pictures of a contact sheet.
#pragma once

#include "render/ParallelChunks.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

namespace kolvira {

// How many workers serve `items` items: `threads`, or one per core when it
// is 0, and never more than there are items.
inline std::size_t WorkerCount(int threads, std::size_t items) {
    return std::min(static_cast<std::size_t>(ResolveThreadCount(threads)), items);
}

// Runs make(k) for k = 0 .. count-1 on `workers` threads and calls
// deliver(k, result) on the calling thread for each in order. A worker starts
// an item only while fewer than `ahead` are made or being made beyond what
// has been delivered, so the results held stay bounded however slow the
// caller is. Once `stop` is requested nothing more is started or delivered.
// Returns how many were delivered.
template <class Result, class Make, class Deliver>
std::size_t RunInOrder(std::size_t count, std::size_t workers, std::size_t ahead, const Make& make,
                       const Deliver& deliver, std::stop_token stop = {}) {
    if (count == 0 || workers == 0)
        return 0;
    std::mutex mutex;
    std::condition_variable_any space; // workers wait for room ahead of the caller
    std::condition_variable_any ready; // the caller waits for its next result
    std::vector<std::optional<Result>> results(count);
    std::size_t next = 0;  // the next item to hand to a worker
    std::size_t taken = 0; // items the caller has taken
    bool stopping = false;

    const auto work = [&] {
        std::unique_lock lock(mutex);
        while (true) {
            const bool go = space.wait(
                lock, stop, [&] { return stopping || next >= count || next < taken + ahead; });
            if (!go || stopping || next >= count)
                return;
            const std::size_t k = next++;
            lock.unlock();
            Result result = make(k);
            lock.lock();
            results[k] = std::move(result);
            if (k == taken)
                ready.notify_one();
        }
    };
    const auto stopWorkers = [&] {
        const std::lock_guard lock(mutex);
        stopping = true;
        space.notify_all();
    };
    std::vector<std::jthread> threads;
    // Declared after the threads, so it stops them before they are joined,
    // also when deliver() throws.
    struct StopOnExit {
        decltype(stopWorkers)& stop;
        ~StopOnExit() { stop(); }
    } const stopOnExit{stopWorkers};
    threads.reserve(workers);
    for (std::size_t i = 0; i < workers; ++i)
        threads.emplace_back(work);

    std::size_t delivered = 0;
    for (std::size_t k = 0; k < count; ++k) {
        std::unique_lock lock(mutex);
        if (!ready.wait(lock, stop, [&] { return results[k].has_value(); }))
            break;
        Result result = std::move(*results[k]);
        results[k].reset();
        taken = k + 1;
        space.notify_all();
        lock.unlock();
        if (stop.stop_requested())
            break;
        deliver(k, std::move(result));
        ++delivered;
    }
    return delivered;
}

} // namespace kolvira

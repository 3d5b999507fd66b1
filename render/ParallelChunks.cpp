#include "render/ParallelChunks.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace kolvira {

int ResolveThreadCount(int requested) {
    constexpr int kMostThreads = 256;
    if (requested > 0)
        return std::min(requested, kMostThreads);
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
}

void RunChunks(int threads, int chunkCount, const std::function<void(int, int)>& work,
               const std::function<void()>& poll) {
    if (threads > chunkCount)
        threads = chunkCount;
    if (threads <= 1) {
        for (int chunk = 0; chunk < chunkCount; ++chunk) {
            work(chunk, 0);
            poll();
        }
        return;
    }

    std::atomic<int> nextChunk{0};
    std::mutex mutex;
    std::condition_variable changed;
    int helpersRunning = threads - 1;

    auto takeChunks = [&](int worker, bool isCaller) {
        for (int chunk = nextChunk++; chunk < chunkCount; chunk = nextChunk++) {
            work(chunk, worker);
            if (isCaller)
                poll();
            else
                changed.notify_one();
        }
    };

    std::vector<std::jthread> helpers;
    helpers.reserve(threads - 1);
    for (int worker = 1; worker < threads; ++worker) {
        try {
            helpers.emplace_back([&, worker] {
                takeChunks(worker, false);
                std::lock_guard lock(mutex);
                --helpersRunning;
                changed.notify_one();
            });
        } catch (const std::system_error&) { // out of threads: go on with those started
            std::lock_guard lock(mutex);
            helpersRunning -= threads - worker;
            break;
        }
    }
    takeChunks(0, true);

    std::unique_lock lock(mutex);
    while (helpersRunning > 0) {
        changed.wait_for(lock, std::chrono::milliseconds(20));
        lock.unlock();
        poll();
        lock.lock();
    }
}

} // namespace kolvira

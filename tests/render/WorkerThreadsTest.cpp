#include "render/ParallelChunks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace kolvira {
namespace {

TEST(WorkerThreads, CountIsTheRequestedOneWithinBoundsOrOnePerCore) {
    EXPECT_GE(ResolveThreadCount(0), 1);
    EXPECT_LE(ResolveThreadCount(0), 256);
    EXPECT_EQ(ResolveThreadCount(-3), ResolveThreadCount(0));
    EXPECT_EQ(ResolveThreadCount(1), 1);
    EXPECT_EQ(ResolveThreadCount(7), 7);
    EXPECT_EQ(ResolveThreadCount(100000), 256);
}

TEST(WorkerThreads, EveryChunkRunsOnceOnAWorkerOfTheJob) {
    struct Case {
        int threads;
        int chunks;
    };
    for (const Case c : {Case{1, 5}, Case{4, 0}, Case{4, 1}, Case{3, 50}, Case{8, 3}}) {
        SCOPED_TRACE(testing::Message() << c.threads << " threads, " << c.chunks << " chunks");
        std::vector<std::atomic<int>> runs(c.chunks);
        std::atomic<bool> workerOutside{false};
        RunChunks(
            c.threads, c.chunks,
            [&](int chunk, int worker) {
                ++runs[chunk];
                if (worker < 0 || worker >= std::max(1, std::min(c.threads, c.chunks)))
                    workerOutside = true;
            },
            [] {});
        for (int k = 0; k < c.chunks; ++k)
            EXPECT_EQ(runs[k], 1) << "chunk " << k;
        EXPECT_FALSE(workerOutside);
    }
}

} // namespace
} // namespace kolvira

// The decoders' memory budget shared by threads: what they hold together
// stays within it, and a decode larger than the whole budget runs alone.
#include "imageio/decoding/DecoderMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace kolvira::test {
namespace {

TEST(DecoderMemoryTest, ThreadsNeverHoldMoreThanTheBudgetTogether) {
    constexpr std::size_t kBudget = 100;
    DecoderMemory memory(kBudget);
    constexpr std::array<std::size_t, 5> kSizes{30, 60, 10, 100, 150};
    std::atomic<std::size_t> held{0};
    std::atomic<std::size_t> most{0};
    std::atomic<int> crowdedLarge{0}; // grants beyond the budget that had company
    std::vector<std::jthread> threads;
    for (int t = 0; t < 6; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 40; ++i) {
                const std::size_t bytes = kSizes[std::size_t(t + i) % kSizes.size()];
                const DecoderMemory::Grant grant = memory.Reserve(bytes);
                const std::size_t now = held += bytes;
                if (bytes > kBudget && now != bytes)
                    ++crowdedLarge;
                else if (bytes <= kBudget)
                    most = std::max<std::size_t>(most, now);
                std::this_thread::sleep_for(std::chrono::microseconds(50));
                held -= bytes; // before the grant goes
            }
        });
    }
    threads.clear();
    EXPECT_LE(most, kBudget);
    EXPECT_GT(most, kSizes[0]) << "decodes that fit together ran together";
    EXPECT_EQ(crowdedLarge, 0);
    EXPECT_EQ(memory.Held(), 0u);
}

} // namespace
} // namespace kolvira::test

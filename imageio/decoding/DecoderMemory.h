// A budget for the large buffers decoders hold across threads: a progressive
// JPEG keeps every coefficient of the whole picture (some 25 MB for 8
// megapixels) until it is decoded, so a few big ones on as many threads would
// multiply the process's memory. Decodes that need more than the budget has
// left wait for the others to finish; one alone always goes ahead.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace kolvira {

class DecoderMemory {
public:
    explicit DecoderMemory(std::size_t budget) : budget_(budget) {}

    // Bytes held by a decode until it goes (or is replaced).
    class Grant {
    public:
        Grant() = default;
        Grant(Grant&& other) noexcept { *this = std::move(other); }
        Grant& operator=(Grant&& other) noexcept;
        ~Grant() { Release(); }

    private:
        friend class DecoderMemory;
        Grant(DecoderMemory* owner, std::size_t bytes) : owner_(owner), bytes_(bytes) {}
        void Release();

        DecoderMemory* owner_ = nullptr;
        std::size_t bytes_ = 0;
    };

    // Waits its turn (first come, first served, so that a large decode is not
    // passed over forever), then until `bytes` fit beside what is held, or
    // nothing is; holds them until the grant goes.
    Grant Reserve(std::size_t bytes);
    std::size_t Held() const;

    // The process's budget for its decoding threads.
    static DecoderMemory& Shared();
    static constexpr std::size_t kSharedBudget = 32u << 20;

private:
    const std::size_t budget_;
    mutable std::mutex mutex_;
    std::condition_variable freed_;
    std::size_t held_ = 0;
    std::uint64_t nextTurn_ = 0; // given to the next caller
    std::uint64_t turn_ = 0;     // the caller served next
};

// glibc gives threads malloc arenas of their own, up to eight per core, and
// a freed decode buffer stays in its thread's arena for the next allocation
// there: decodes on many threads one after the other would keep hundreds of
// megabytes that no decode uses. Called first thing in main, before any
// thread starts, this has all threads share a few arenas.
void ShareMallocArenas();
inline constexpr int kMallocArenas = 2;

} // namespace kolvira

#include "imageio/decoding/DecoderMemory.h"

#include <utility>

#include <malloc.h>

namespace kolvira {

DecoderMemory::Grant& DecoderMemory::Grant::operator=(Grant&& other) noexcept {
    if (this != &other) {
        Release();
        owner_ = std::exchange(other.owner_, nullptr);
        bytes_ = std::exchange(other.bytes_, 0);
    }
    return *this;
}

void DecoderMemory::Grant::Release() {
    if (owner_ == nullptr)
        return;
    {
        const std::lock_guard lock(owner_->mutex_);
        owner_->held_ -= bytes_;
    }
    owner_->freed_.notify_all();
    owner_ = nullptr;
    bytes_ = 0;
}

DecoderMemory::Grant DecoderMemory::Reserve(std::size_t bytes) {
    std::unique_lock lock(mutex_);
    const std::uint64_t turn = nextTurn_++;
    freed_.wait(lock, [&] { return turn == turn_ && (held_ == 0 || held_ + bytes <= budget_); });
    ++turn_;
    held_ += bytes;
    lock.unlock();
    freed_.notify_all(); // the next in turn may fit too
    return Grant(this, bytes);
}

std::size_t DecoderMemory::Held() const {
    const std::lock_guard lock(mutex_);
    return held_;
}

DecoderMemory& DecoderMemory::Shared() {
    static DecoderMemory shared(kSharedBudget);
    return shared;
}

void ShareMallocArenas() {
    ::mallopt(M_ARENA_MAX, kMallocArenas);
}

} // namespace kolvira

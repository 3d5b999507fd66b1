// The last few values made from a key, for work that costs more than a
// thumbnail but repeats across a folder (colour transforms from the profile
// its photos share). Safe to use from several threads.
#pragma once

#include <cstddef>
#include <list>
#include <mutex>
#include <optional>
#include <utility>

namespace kolvira {

template <class Key, class Value> class RecentlyUsed {
public:
    explicit RecentlyUsed(std::size_t capacity) : capacity_(capacity) {}

    // The value kept for a key equal to `key`, now the most recently used.
    std::optional<Value> Find(const Key& key) {
        const std::lock_guard lock(mutex_);
        for (auto it = kept_.begin(); it != kept_.end(); ++it) {
            if (it->first == key) {
                kept_.splice(kept_.begin(), kept_, it);
                return it->second;
            }
        }
        return std::nullopt;
    }

    // Keeps `value` for `key`, forgetting the least recently used beyond
    // the capacity.
    void Keep(Key key, Value value) {
        const std::lock_guard lock(mutex_);
        kept_.emplace_front(std::move(key), std::move(value));
        if (kept_.size() > capacity_)
            kept_.pop_back();
    }

private:
    const std::size_t capacity_;
    std::mutex mutex_;
    std::list<std::pair<Key, Value>> kept_; // most recently used first
};

} // namespace kolvira

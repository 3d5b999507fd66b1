// The fuzzer's bytes read front to back as the fields of one test case.
// Reads past the end give zeros, so that every input, however short, is a
// whole case and the fields keep their places while the input grows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace kolvira::fuzz {

class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return Take<std::uint8_t>(); }

    // The next sizeof(T) bytes as they lie in memory: every bit pattern,
    // NaN and infinities included for doubles.
    template <typename T> T Take() {
        static_assert(std::is_trivially_copyable_v<T>);
        unsigned char bytes[sizeof(T)] = {};
        const std::size_t count = std::min(sizeof(T), size_ - offset_);
        if (count > 0)
            std::memcpy(bytes, data_ + offset_, count);
        offset_ += count;
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    std::size_t Remaining() const { return size_ - offset_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

} // namespace kolvira::fuzz

#include "photowindow/DecimalText.h"

#include <algorithm>
#include <limits>

namespace kolvira {

namespace {

// White space as the "C" locale has it.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::int32_t DecimalPrefix(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // atoi leaves out-of-range results undefined; a pasted long number
    // saturates here instead.
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMagnitudeCap = kLargest + 1; // the size of the smallest value
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), kMagnitudeCap);
    }
    return static_cast<std::int32_t>(negative ? -magnitude : std::min(magnitude, kLargest));
}

} // namespace kolvira

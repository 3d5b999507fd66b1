// Real-to-integer conversion as the renderer uses it: truncation toward zero.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kolvira {

// Truncates toward zero. Values beyond the 32-bit range saturate and NaN
// gives 0, so odd settings can never cause undefined behaviour.
inline std::int32_t TruncateToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

// Channel values above 255 become 255; the colour assembly keeps only the
// low 8 bits of whatever else remains.
constexpr std::int32_t ClampHigh(std::int32_t value) {
    return value > 255 ? 255 : value;
}

} // namespace kolvira

// Reading a number out of what the user typed or pasted into an edit box.
#pragma once

#include <cstdint>
#include <string_view>

namespace kolvira {

// The number `text` begins with, read as the C library's decimal conversion
// reads it: leading white space, an optional sign, then digits up to the
// first other character; text without such digits gives 0. Numbers beyond
// the 32-bit range give the nearest end of it.
std::int32_t DecimalPrefix(std::string_view text);

} // namespace kolvira

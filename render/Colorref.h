// Colours as the renderer sees them: 32-bit COLORREF values with red in bits
// 0-7, green in 8-15 and blue in 16-23, plus the conversion to and from the
// 0xffRRGGBB words of a Format_RGB32 picture.
#pragma once

#include <cstdint>

namespace kolvira {

using COLORREF = std::uint32_t;

// What a pixel read outside the picture yields; every colour computation
// takes it as white.
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr COLORREF MakeColorref(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(COLORREF c) {
    return c & 0xFFu;
}
constexpr unsigned GreenOf(COLORREF c) {
    return (c >> 8) & 0xFFu;
}
constexpr unsigned BlueOf(COLORREF c) {
    return (c >> 16) & 0xFFu;
}

// A picture word is 0xffRRGGBB (QImage::Format_RGB32 read as a 32-bit value).
using PixelWord = std::uint32_t;

constexpr COLORREF WordToColorref(PixelWord w) {
    return ((w >> 16) & 0xFFu) | (w & 0xFF00u) | ((w & 0xFFu) << 16);
}
constexpr PixelWord ColorrefToWord(COLORREF c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

} // namespace kolvira

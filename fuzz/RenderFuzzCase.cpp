#include "RenderFuzzCase.h"

#include <algorithm>
#include <cstdint>

namespace kolvira::fuzz {
namespace {

constexpr int kLargestSide = 64;

bool IsCommon(std::uint8_t tag) {
    return tag < 0x80;
}

double Level(FuzzBytes& bytes) {
    const std::uint8_t tag = bytes.Byte();
    return IsCommon(tag) ? SliderValue(tag % 101) : bytes.Take<double>();
}

std::int32_t Style(FuzzBytes& bytes) {
    const std::uint8_t tag = bytes.Byte();
    return IsCommon(tag) ? tag % (kStylePhotoEffects + 1) : bytes.Take<std::int32_t>();
}

// From `smallest` to `smallest` + 127, or any.
std::int32_t Number(FuzzBytes& bytes, int smallest) {
    const std::uint8_t tag = bytes.Byte();
    return IsCommon(tag) ? smallest + tag : bytes.Take<std::int32_t>();
}

void ReadSwitches(FuzzBytes& bytes, RenderParameters& s) {
    const std::uint8_t first = bytes.Byte();
    const std::uint8_t second = bytes.Byte();
    bool* const switches[] = {
        &s.active,          &s.invertColors, &s.shiftColors,     &s.sandySky,       &s.blur,
        &s.impressionBrush, &s.stamp,        &s.blackWhitePhoto, &s.blackWhiteDream};
    const unsigned bits = first | (second << 8);
    for (std::size_t i = 0; i < std::size(switches); ++i)
        *switches[i] = (bits >> i) & 1u;
}

RenderParameters ReadSettings(FuzzBytes& bytes) {
    RenderParameters s;
    ReadSwitches(bytes, s);
    s.style = Style(bytes);
    s.replaceDepth = Number(bytes, -8);
    s.brushSize = std::max(Number(bytes, 0), std::int32_t{1});
    for (double* level :
         {&s.penPress, &s.details, &s.brightness, &s.redLevel, &s.greenLevel, &s.blueLevel})
        *level = Level(bytes);
    s.oldColor = bytes.Take<COLORREF>();
    s.newColor = bytes.Take<COLORREF>();
    return s;
}

// The area's left (top) edge and its right (bottom) one: usually an edge
// near the origin and a width of -8 to 119 pixels, against a picture of at
// most 64, but any two 32-bit edges can be given.
void ReadEdges(FuzzBytes& bytes, int& low, int& high) {
    low = Number(bytes, -64);
    const std::uint8_t tag = bytes.Byte();
    const std::int64_t nearby =
        std::clamp<std::int64_t>(std::int64_t{low} + tag - 8, INT32_MIN, INT32_MAX);
    high = IsCommon(tag) ? static_cast<std::int32_t>(nearby) : bytes.Take<std::int32_t>();
}

} // namespace

RenderFuzzCase ReadRenderCase(FuzzBytes& bytes) {
    RenderFuzzCase c;
    c.settings = ReadSettings(bytes);
    c.width = 1 + bytes.Byte() % kLargestSide;
    c.height = 1 + bytes.Byte() % kLargestSide;
    c.stride = c.width + bytes.Byte() % 4;
    ReadEdges(bytes, c.area.left, c.area.right);
    ReadEdges(bytes, c.area.top, c.area.bottom);

    // The rest colours the picture, over and over when it is short.
    std::vector<std::uint8_t> rest(bytes.Remaining());
    for (std::uint8_t& b : rest)
        b = bytes.Byte();
    c.pixels.assign(static_cast<std::size_t>(c.height) * c.stride, kPaddingWord);
    std::size_t next = 0;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            PixelWord word = 0xFF000000u;
            for (int shift = 16; shift >= 0 && !rest.empty(); shift -= 8)
                word |= PixelWord{rest[next++ % rest.size()]} << shift;
            c.pixels[static_cast<std::size_t>(y) * c.stride + x] = word;
        }
    }
    return c;
}

void PrintCase(std::FILE* out, const RenderFuzzCase& c) {
    const RenderParameters& s = c.settings;
    std::fprintf(out,
                 "  active %d invert %d shift %d sandy %d blur %d brush %d stamp %d "
                 "bw-photo %d bw-dream %d\n"
                 "  style %d depth %d brush size %d\n"
                 "  pen press %.17g details %.17g brightness %.17g red %.17g green %.17g "
                 "blue %.17g\n"
                 "  old colour %08x new colour %08x\n"
                 "  picture %dx%d stride %td, area left %d top %d right %d bottom %d\n",
                 s.active, s.invertColors, s.shiftColors, s.sandySky, s.blur, s.impressionBrush,
                 s.stamp, s.blackWhitePhoto, s.blackWhiteDream, s.style, s.replaceDepth,
                 s.brushSize, s.penPress, s.details, s.brightness, s.redLevel, s.greenLevel,
                 s.blueLevel, s.oldColor, s.newColor, c.width, c.height, c.stride, c.area.left,
                 c.area.top, c.area.right, c.area.bottom);
}

} // namespace kolvira::fuzz

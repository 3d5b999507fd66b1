// A render pass test case read from fuzz bytes: every field of the render
// settings, a small picture, and an area that may reach past it.
//
// Each number starts with a byte: below 0x80 it gives a common value (a
// slider position, a style number, a small size), otherwise the number's
// raw bytes follow, so any value can occur: every double, NaN included, any
// style and depth. Only the brush size is kept at one pixel or more, as
// both dialogs and kolvira-render keep it.
#pragma once

#include "FuzzBytes.h"
#include "render/RenderPass.h"

#include <cstddef>
#include <cstdio>
#include <vector>

namespace kolvira::fuzz {

// Fills the row padding, which the pass must never write.
inline constexpr PixelWord kPaddingWord = 0x5AA5C33Cu;

struct RenderFuzzCase {
    RenderParameters settings;
    int width = 1; // 1..64
    int height = 1;
    std::ptrdiff_t stride = 1;     // width plus 0..3 words of padding
    std::vector<PixelWord> pixels; // height x stride, Format_RGB32 words
    RenderRect area;

    PictureSurface Surface(std::vector<PixelWord>& copy) const {
        return PictureSurface(copy.data(), width, height, stride);
    }
};

RenderFuzzCase ReadRenderCase(FuzzBytes& bytes);

// The case in words (not the pixels), for the report of a failed check.
void PrintCase(std::FILE* out, const RenderFuzzCase& c);

} // namespace kolvira::fuzz

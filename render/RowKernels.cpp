// Built once per instruction set: KOLVIRA_KERNEL_NS names the namespace of
// this build. The loops are written so that the compiler can vectorise them:
// no calls, and selections instead of branches.
#include "RowKernels.h"

#include <algorithm>
#include <cstdlib>

#ifndef KOLVIRA_KERNEL_NS
#error "KOLVIRA_KERNEL_NS must name this build's namespace"
#endif

namespace kolvira::KOLVIRA_KERNEL_NS {
namespace {

constexpr PixelWord kWhite = 0xFFFFFFFFu;
constexpr PixelWord kOpaque = 0xFF000000u;

inline std::int32_t TripleClamped(std::int32_t c) {
    return std::min(3 * c, 255);
}
inline std::int32_t TripleInverted(std::int32_t c) {
    return c <= 85 ? 255 - 3 * c : 255;
}

inline PixelWord Pack(std::int32_t r, std::int32_t g, std::int32_t b) {
    return kOpaque | ((static_cast<PixelWord>(r) & 0xFFu) << 16) |
           ((static_cast<PixelWord>(g) & 0xFFu) << 8) | (static_cast<PixelWord>(b) & 0xFFu);
}

// The colour of a pixel that is not an edge, per style.
template <int Style>
inline PixelWord NonEdgeWord(PixelWord w, std::int32_t e, std::int32_t threshold) {
    const std::int32_t r = (w >> 16) & 0xFF, g = (w >> 8) & 0xFF, b = w & 0xFF;
    if constexpr (Style == kStylePen) {
        return kWhite;
    } else if constexpr (Style == kStylePencil) {
        return 3 * e >= 256 ? kWhite : kOpaque | static_cast<PixelWord>(3 * e) * 0x010101u;
    } else if constexpr (Style == kStyleCoal) {
        return e > threshold ? kWhite : kOpaque;
    } else if constexpr (Style == kStyleWaterColor) {
        return Pack(TripleClamped(r), TripleClamped(g), TripleClamped(b));
    } else if constexpr (Style == kStylePicasso) {
        return Pack(TripleInverted(r), TripleInverted(g), TripleInverted(b));
    } else if constexpr (Style == kStyleRainbow) {
        const std::int32_t rr = 255 - 2 * (g + b);
        const std::int32_t gg = 255 - 2 * (r + b);
        const std::int32_t bb = 255 - 2 * (r + g);
        const std::int32_t factor = rr * gg * bb >= 50 ? 1 : 2;
        return Pack(rr * factor, gg * factor, bb * factor);
    } else {
        static_assert(Style == kStyleRevolution);
        const bool white = r > 230 && g > 230 && b > 230;
        const bool black = r < 50 && g < 50 && b < 50;
        const bool yellow = r > threshold && g > threshold && b < threshold;
        const bool red = r > threshold && r > g && r > b;
        const bool green = g > threshold && g > r && g > b;
        const bool blue = b > threshold && b > r && b > g;
        return white    ? kWhite
               : black  ? kOpaque
               : yellow ? 0xFFFFFF00u
               : red    ? 0xFFFF0000u
               : green  ? 0xFF00FF00u
               : blue   ? 0xFF0000FFu
                        : kWhite;
    }
}

inline std::int32_t Grey(PixelWord w) {
    return GreyOfWord(w);
}

template <int Style>
inline PixelWord CellWord(const StyleParams& p, PixelWord w, std::int32_t e, std::int32_t gx,
                          std::int32_t gy, std::int32_t gyThreshold) {
    const bool edge = std::abs(gx) > p.edgeThreshold || std::abs(gy) > gyThreshold;
    return edge ? p.strokeWord : NonEdgeWord<Style>(w, e, p.greyThreshold);
}

// Cells one pixel apart: the grey levels of the row and of the row below are
// worked out first, then every cell in one vectorisable sweep.
template <int Style>
void ContiguousStyleRow(const StyleParams& p, const CellRowInput& in, int count, PixelWord* out,
                        CellRowScratch& scratch) {
    auto& grey = scratch.grey;
    auto& below = scratch.greyBelow;
    grey.resize(count + 1);
    below.resize(count);
    const PixelWord* row = in.row;
    for (int x = 0; x < count; ++x)
        grey[x] = Grey(row[x]);
    grey[count] = count < in.pictureWidth ? Grey(row[count]) : 255;
    if (in.below) {
        for (int x = 0; x < count; ++x)
            below[x] = Grey(in.below[x]);
    } else {
        std::fill(below.begin(), below.end(), 255);
    }
    // Row 0 has no vertical edges, column 0 no horizontal one.
    const std::int32_t gyThreshold = in.firstRow ? 1 << 20 : p.edgeThreshold;
    const std::int32_t* g = grey.data();
    const std::int32_t* gb = below.data();
    out[0] = CellWord<Style>(p, row[0], g[0], 0, gb[0] - g[0], gyThreshold);
    for (int x = 1; x < count; ++x)
        out[x] = CellWord<Style>(p, row[x], g[x], g[x + 1] - g[x], gb[x] - g[x], gyThreshold);
}

template <int Style> PixelWord SparseCell(const StyleParams& p, const CellRowInput& in, int x) {
    const bool inside = in.row && x < in.pictureWidth;
    const PixelWord w = inside ? in.row[x] : kWhite;
    const std::int32_t e = Grey(w);
    const std::int32_t right = inside && x + 1 < in.pictureWidth ? Grey(in.row[x + 1]) : 255;
    const std::int32_t below = inside && in.below ? Grey(in.below[x]) : 255;
    const std::int32_t gx = x > 0 ? right - e : 0;
    const std::int32_t gy = in.firstRow ? 0 : below - e;
    return CellWord<Style>(p, w, e, gx, gy, p.edgeThreshold);
}

template <int Style>
void StyleRowOf(const StyleParams& p, const CellRowInput& in, int areaWidth, int step,
                PixelWord* out, CellRowScratch& scratch) {
    int cell = 0;
    int x = 0;
    if (step == 1 && in.row) {
        const int count = std::min(areaWidth, in.pictureWidth);
        if (count > 0)
            ContiguousStyleRow<Style>(p, in, count, out, scratch);
        cell = x = std::max(count, 0);
    }
    for (; x < areaWidth; x += step)
        out[cell++] = SparseCell<Style>(p, in, x);
}

void StyleRow(const StyleParams& p, const CellRowInput& in, int areaWidth, int step, PixelWord* out,
              CellRowScratch& scratch) {
    switch (p.style) {
    case kStylePen:
        return StyleRowOf<kStylePen>(p, in, areaWidth, step, out, scratch);
    case kStylePencil:
        return StyleRowOf<kStylePencil>(p, in, areaWidth, step, out, scratch);
    case kStyleCoal:
        return StyleRowOf<kStyleCoal>(p, in, areaWidth, step, out, scratch);
    case kStyleWaterColor:
        return StyleRowOf<kStyleWaterColor>(p, in, areaWidth, step, out, scratch);
    case kStylePicasso:
        return StyleRowOf<kStylePicasso>(p, in, areaWidth, step, out, scratch);
    case kStyleRainbow:
        return StyleRowOf<kStyleRainbow>(p, in, areaWidth, step, out, scratch);
    default:
        return StyleRowOf<kStyleRevolution>(p, in, areaWidth, step, out, scratch);
    }
}

// Photo effects without the blur: every cell depends on its own pixel only.
inline PixelWord EffectWordFused(const EffectTables& t, PixelWord w) {
    const std::uint32_t v =
        t.fused[0][(w >> 16) & 0xFF] | t.fused[1][(w >> 8) & 0xFF] | t.fused[2][w & 0xFF];
    return (v >> 24) == 7 ? t.replacedWord : (v | kOpaque);
}

inline PixelWord EffectWordGeneral(const EffectTables& t, PixelWord w) {
    if (t.greyOverride)
        return t.greyOverrideWord[Grey(w)];
    std::int32_t working[3];
    for (int k = 0; k < 3; ++k) {
        const std::int32_t c = ChannelOf(w, t.routing.source[k]);
        working[k] = t.routing.inverted ? 255 - c : c;
    }
    return FinishEffect(t, working[0], working[1], working[2]);
}

void EffectRow(const EffectTables& t, const CellRowInput& in, int areaWidth, int step,
               PixelWord* out) {
    int cell = 0;
    int x = 0;
    if (in.row) {
        const int count = std::min(areaWidth, in.pictureWidth);
        const PixelWord* row = in.row;
        if (step == 1 && !t.greyOverride && !t.impressionBrush) {
            for (; x < count; ++x)
                out[x] = EffectWordFused(t, row[x]);
            cell = x;
        } else if (step == 1 && t.greyOverride) {
            for (; x < count; ++x)
                out[x] = t.greyOverrideWord[Grey(row[x])];
            cell = x;
        } else {
            for (; x < count; x += step)
                out[cell++] = EffectWordGeneral(t, row[x]);
        }
    }
    if (x < areaWidth) {
        const PixelWord white = EffectWordGeneral(t, kWhite);
        for (; x < areaWidth; x += step)
            out[cell++] = white;
    }
}

} // namespace

extern const RowKernels kRowKernels{StyleRow, EffectRow, KOLVIRA_KERNEL_NAME};

} // namespace kolvira::KOLVIRA_KERNEL_NS

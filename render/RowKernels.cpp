// Built once per instruction set: KOLVIRA_KERNEL_NS names the namespace of
// this build. The loops are written so that the compiler can vectorise them:
// no calls, and selections instead of branches.
#include "render/RowKernels.h"

#include <algorithm>
#include <cstdlib>

#if defined(__AVX2__)
#include "render/EffectSweepsAvx2.h"
#include "render/StyleSweepAvx2.h"

#include <immintrin.h>
#endif

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
        // The first rule that holds decides: apply them from the last up.
        // Plain masks rather than selections, so that the loop vectorises.
        const auto holds = [](bool a, bool b, bool c) {
            return PixelWord{0} - static_cast<PixelWord>(a & b & c);
        };
        const auto choose = [](PixelWord mask, PixelWord color, PixelWord otherwise) {
            return (color & mask) | (otherwise & ~mask);
        };
        PixelWord word = choose(holds(b > threshold, b > r, b > g), 0xFF0000FFu, kWhite);
        word = choose(holds(g > threshold, g > r, g > b), 0xFF00FF00u, word);
        word = choose(holds(r > threshold, r > g, r > b), 0xFFFF0000u, word);
        word = choose(holds(r > threshold, g > threshold, b < threshold), 0xFFFFFF00u, word);
        word = choose(holds(r < 50, g < 50, b < 50), kOpaque, word);
        return choose(holds(r > 230, g > 230, b > 230), kWhite, word);
    }
}

inline std::int32_t Grey(PixelWord w) {
    return GreyOfWord(w);
}

// The style's values, held in locals so that the sweeps vectorise.
struct CellRule {
    std::int32_t edgeThreshold;
    std::int32_t gyThreshold;
    std::int32_t greyThreshold;
    PixelWord strokeWord;
};

template <int Style>
inline PixelWord CellWord(CellRule rule, PixelWord w, std::int32_t e, std::int32_t gx,
                          std::int32_t gy) {
    const PixelWord plain = NonEdgeWord<Style>(w, e, rule.greyThreshold);
    const bool edge = (std::abs(gx) > rule.edgeThreshold) | (std::abs(gy) > rule.gyThreshold);
    return edge ? rule.strokeWord : plain;
}

// Sixteen pixels at a time in 16-bit lanes where the processor has them;
// returns the first cell left.
template <int Style, bool HasBelow>
int WideStyleSweep(const CellRule& rule, const PixelWord* row, PixelWord* out,
                   const PixelWord* below, const std::int16_t* grey, std::int16_t* greyBelow,
                   int first, int count) {
#if defined(__AVX2__)
    const style_avx2::SweepRule wide{rule.edgeThreshold, rule.gyThreshold, rule.greyThreshold,
                                     rule.strokeWord};
    return style_avx2::Sweep<Style, HasBelow>(wide, row, out, below, grey, greyBelow, first, count);
#else
    (void)rule, (void)row, (void)out, (void)below, (void)grey, (void)greyBelow, (void)count;
    return first;
#endif
}

// Cells one pixel apart, in one sweep: the grey levels of this row are known
// from the previous row's sweep, and this sweep works out those of the row
// below for the next one.
template <int Style, bool HasBelow>
void ContiguousStyleSweep(const StyleParams& p, const PixelWord* row, PixelWord* out,
                          const PixelWord* below, const std::int16_t* grey, std::int16_t* greyBelow,
                          int count, std::int32_t gyThreshold) {
    const CellRule rule{p.edgeThreshold, gyThreshold, p.greyThreshold, p.strokeWord};
    // Column 0 has no horizontal edge.
    const std::int32_t gb0 = HasBelow ? Grey(below[0]) : 255;
    greyBelow[0] = static_cast<std::int16_t>(gb0);
    out[0] = CellWord<Style>(rule, row[0], grey[0], 0, gb0 - grey[0]);
    const int first =
        WideStyleSweep<Style, HasBelow>(rule, row, out, below, grey, greyBelow, 1, count);
#pragma GCC ivdep
    for (int x = first; x < count; ++x) {
        const std::int32_t gb = HasBelow ? Grey(below[x]) : 255;
        greyBelow[x] = static_cast<std::int16_t>(gb);
        out[x] = CellWord<Style>(rule, row[x], grey[x], grey[x + 1] - grey[x], gb - grey[x]);
    }
}

template <int Style>
void ContiguousStyleRow(const StyleParams& p, const CellRowInput& in, int count, PixelWord* out,
                        CellRowScratch& scratch) {
    auto& grey = scratch.grey;
    auto& below = scratch.greyBelow;
    grey.resize(count + 1);
    below.resize(count + 1);
    if (scratch.greyRow != in.y) {
        for (int x = 0; x < count; ++x)
            grey[x] = static_cast<std::int16_t>(Grey(in.row[x]));
        grey[count] =
            static_cast<std::int16_t>(count < in.pictureWidth ? Grey(in.row[count]) : 255);
    }
    // Row 0 has no vertical edges.
    const std::int32_t gyThreshold = in.y == 0 ? 1 << 20 : p.edgeThreshold;
    if (in.below) {
        ContiguousStyleSweep<Style, true>(p, in.row, out, in.below, grey.data(), below.data(),
                                          count, gyThreshold);
        below[count] =
            static_cast<std::int16_t>(count < in.pictureWidth ? Grey(in.below[count]) : 255);
        std::swap(grey, below);
        scratch.greyRow = in.y + 1;
    } else {
        ContiguousStyleSweep<Style, false>(p, in.row, out, nullptr, grey.data(), below.data(),
                                           count, gyThreshold);
        scratch.greyRow = -1;
    }
}

template <int Style> PixelWord SparseCell(const StyleParams& p, const CellRowInput& in, int x) {
    const bool inside = in.row && x < in.pictureWidth;
    const PixelWord w = inside ? in.row[x] : kWhite;
    const std::int32_t e = Grey(w);
    const std::int32_t right = inside && x + 1 < in.pictureWidth ? Grey(in.row[x + 1]) : 255;
    const std::int32_t below = inside && in.below ? Grey(in.below[x]) : 255;
    const std::int32_t gx = x > 0 ? right - e : 0;
    const std::int32_t gy = in.y == 0 ? 0 : below - e;
    const CellRule rule{p.edgeThreshold, p.edgeThreshold, p.greyThreshold, p.strokeWord};
    return CellWord<Style>(rule, w, e, gx, gy);
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
    return FinishEffect(t, WorkingChannel(t, w, 0), WorkingChannel(t, w, 1),
                        WorkingChannel(t, w, 2));
}

#if defined(__AVX2__)
// A table look-up for eight lanes at once.
inline __m256i Gather(const std::uint32_t* table, __m256i index) {
    return _mm256_i32gather_epi32(reinterpret_cast<const int*>(table), index, 4);
}

int GreyOverrideSweep(const EffectTables& t, const PixelWord* row, PixelWord* out, int count) {
    const __m256i byte = _mm256_set1_epi32(0xFF);
    const __m256i third = _mm256_set1_epi32(43691);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i w = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + x));
        const __m256i sum =
            _mm256_add_epi32(_mm256_add_epi32(_mm256_and_si256(_mm256_srli_epi32(w, 16), byte),
                                              _mm256_and_si256(_mm256_srli_epi32(w, 8), byte)),
                             _mm256_and_si256(w, byte));
        const __m256i grey = _mm256_srli_epi32(_mm256_mullo_epi32(sum, third), 17);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            Gather(t.greyOverrideWord.data(), grey));
    }
    return x;
}

// Without gathers: the levels and the brightness (or the brush's boost) in
// 16-bit arithmetic, where it gives exactly the tables' values.
int FixedPointSweep(const EffectTables& t, const PixelWord* row, PixelWord* out, int count) {
    return effect_avx2::Sweep(t, row, out, count);
}
#else
// Other builds do every pixel in the plain loops.
int FixedPointSweep(const EffectTables&, const PixelWord*, PixelWord*, int) {
    return 0;
}
int GreyOverrideSweep(const EffectTables&, const PixelWord*, PixelWord*, int) {
    return 0;
}
#endif

void EffectRow(const EffectTables& t, const CellRowInput& in, int areaWidth, int step,
               PixelWord* out) {
    int cell = 0;
    int x = 0;
    if (in.row) {
        const int count = std::min(areaWidth, in.pictureWidth);
        const PixelWord* row = in.row;
        if (step == 1 && !t.greyOverride && !t.impressionBrush) {
            // Where the 16-bit arithmetic cannot follow the tables, plain
            // look-ups are as fast here as gathers.
            x = FixedPointSweep(t, row, out, count);
            for (; x < count; ++x)
                out[x] = EffectWordFused(t, row[x]);
            cell = x;
        } else if (t.impressionBrush && !t.greyOverride && t.fixedPoint.usable) {
            // The brush's cells: their pixels side by side first, then all
            // of them at once.
            const int cells = (count + step - 1) / step;
            for (int c = 0; c < cells; ++c)
                out[c] = row[c * step];
            for (cell = FixedPointSweep(t, out, out, cells); cell < cells; ++cell)
                out[cell] = EffectWordGeneral(t, out[cell]);
            x = cells * step;
        } else if (step == 1 && t.greyOverride) {
            for (x = GreyOverrideSweep(t, row, out, count); x < count; ++x)
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

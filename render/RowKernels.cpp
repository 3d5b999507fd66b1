// Built once per instruction set: KOLVIRA_KERNEL_NS names the namespace of
// this build. The loops are written so that the compiler can vectorise them:
// no calls, and selections instead of branches.
#include "render/RowKernels.h"

#include <algorithm>
#include <cstdlib>

#if defined(__AVX2__)
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
        const auto choose = [](PixelWord mask, PixelWord colour, PixelWord otherwise) {
            return (colour & mask) | (otherwise & ~mask);
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

// Cells one pixel apart, in one sweep: the grey levels of this row are known
// from the previous row's sweep, and this sweep works out those of the row
// below for the next one.
template <int Style, bool HasBelow>
void ContiguousStyleSweep(const StyleParams& p, const PixelWord* row, PixelWord* out,
                          const PixelWord* below, const std::int32_t* grey, std::int32_t* greyBelow,
                          int count, std::int32_t gyThreshold) {
    const CellRule rule{p.edgeThreshold, gyThreshold, p.greyThreshold, p.strokeWord};
    // Column 0 has no horizontal edge.
    const std::int32_t gb0 = HasBelow ? Grey(below[0]) : 255;
    greyBelow[0] = gb0;
    out[0] = CellWord<Style>(rule, row[0], grey[0], 0, gb0 - grey[0]);
#pragma GCC ivdep
    for (int x = 1; x < count; ++x) {
        const std::int32_t gb = HasBelow ? Grey(below[x]) : 255;
        greyBelow[x] = gb;
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
            grey[x] = Grey(in.row[x]);
        grey[count] = count < in.pictureWidth ? Grey(in.row[count]) : 255;
    }
    // Row 0 has no vertical edges.
    const std::int32_t gyThreshold = in.y == 0 ? 1 << 20 : p.edgeThreshold;
    if (in.below) {
        ContiguousStyleSweep<Style, true>(p, in.row, out, in.below, grey.data(), below.data(),
                                          count, gyThreshold);
        below[count] = count < in.pictureWidth ? Grey(in.below[count]) : 255;
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

// Without gathers: the levels and the brightness (or the brush's boost) as
// 16-bit multiplications, sixteen channels at a time, where they give exactly
// the tables' values.
template <bool Brush>
int FixedPointEffectSweep(const EffectTables& t, const PixelWord* row, PixelWord* out, int count) {
    const auto& f = t.fixedPoint;
    // Working channel k goes to result byte 2 - k and comes from picture
    // byte 2 - source[k]; the alpha byte is cleared.
    alignas(32) std::uint8_t route[32], rotateNext[32], rotatePrevious[32];
    alignas(32) std::uint16_t levelWhole[16], levelFraction[16], levelCarry[16], brightWhole[16],
        brightFraction[16], brightCarry[16];
    alignas(32) std::int16_t above[16], below[16];
    for (int i = 0; i < 32; ++i) {
        const int byte = i % 4;
        route[i] = byte == 3
                       ? 0x80
                       : static_cast<std::uint8_t>(i / 4 * 4 % 16 + 2 - t.routing.source[2 - byte]);
        // Each 16-bit colour lane of a pixel takes the next (previous) one's
        // value, the unused fourth lane keeps its own.
        const int word = i / 2 % 4, pixelStart = i / 8 * 8 % 16;
        const int next = word == 3 ? 3 : (word + 1) % 3, previous = word == 3 ? 3 : (word + 2) % 3;
        rotateNext[i] = static_cast<std::uint8_t>(pixelStart + 2 * next + i % 2);
        rotatePrevious[i] = static_cast<std::uint8_t>(pixelStart + 2 * previous + i % 2);
    }
    for (int i = 0; i < 16; ++i) {
        const int lane = i % 4;
        const int k = 2 - lane;
        // A carry into the upper half happens when the low half of c x fraction
        // exceeds 65535 - offset; compared as signed numbers after flipping
        // the top bit.
        const auto carryAbove = [](const EffectTables::Scale& scale) {
            return static_cast<std::uint16_t>((65535 - scale.offset) ^ 0x8000);
        };
        levelWhole[i] = lane == 3 ? 0 : f.level[k].whole;
        levelFraction[i] = lane == 3 ? 0 : f.level[k].fraction;
        levelCarry[i] = lane == 3 ? 0x7FFF : carryAbove(f.level[k]);
        brightWhole[i] = lane == 3 ? 0 : f.finish.whole;
        brightFraction[i] = lane == 3 ? 0 : f.finish.fraction;
        brightCarry[i] = lane == 3 ? 0x7FFF : carryAbove(f.finish);
        above[i] = lane == 3 ? -1 : f.matchAbove[k];
        below[i] = lane == 3 ? 1 : f.matchBelow[k];
    }
    const auto load = [](const void* p) {
        return _mm256_load_si256(reinterpret_cast<const __m256i*>(p));
    };
    const __m256i routeShuffle = load(route);
    const __m256i invert = _mm256_set1_epi32(t.routing.invertMask * 0x010101);
    const __m256i levelW = load(levelWhole), levelF = load(levelFraction),
                  levelC = load(levelCarry);
    const __m256i brightW = load(brightWhole), brightF = load(brightFraction),
                  brightC = load(brightCarry);
    const __m256i topBit = _mm256_set1_epi16(static_cast<short>(0x8000));
    const __m256i matchAbove = load(above), matchBelow = load(below);
    const __m256i nextLane = load(rotateNext), previousLane = load(rotatePrevious);
    const __m256i max255 = _mm256_set1_epi16(255);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    const __m256i allOnes = _mm256_set1_epi32(-1);
    const __m256i replaced = _mm256_set1_epi32(static_cast<int>(t.replacedWord));
    // min(c x whole + ((c x fraction + offset) >> 16), 255) per 16-bit lane.
    const auto scale = [&](__m256i c, __m256i whole, __m256i fraction, __m256i carryAbove) {
        const __m256i low = _mm256_mullo_epi16(c, fraction);
        const __m256i carry = _mm256_cmpgt_epi16(_mm256_xor_si256(low, topBit), carryAbove);
        const __m256i high = _mm256_sub_epi16(_mm256_mulhi_epu16(c, fraction), carry);
        return _mm256_min_epu16(_mm256_add_epi16(_mm256_mullo_epi16(c, whole), high), max255);
    };
    const auto matching = [&](__m256i level) {
        return _mm256_and_si256(_mm256_cmpgt_epi16(level, matchAbove),
                                _mm256_cmpgt_epi16(matchBelow, level));
    };
    // The brightness, or the brush's boost of the strictly dominant channel.
    const auto finish = [&](__m256i level) {
        const __m256i scaled = scale(level, brightW, brightF, brightC);
        if constexpr (!Brush)
            return scaled;
        const __m256i dominant =
            _mm256_and_si256(_mm256_cmpgt_epi16(level, _mm256_shuffle_epi8(level, nextLane)),
                             _mm256_cmpgt_epi16(level, _mm256_shuffle_epi8(level, previousLane)));
        return _mm256_blendv_epi8(level, scaled, dominant);
    };
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i w = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + x));
        const __m256i working = _mm256_xor_si256(_mm256_shuffle_epi8(w, routeShuffle), invert);
        const __m256i levelLow = scale(_mm256_unpacklo_epi8(working, zero), levelW, levelF, levelC);
        const __m256i levelHigh =
            scale(_mm256_unpackhi_epi8(working, zero), levelW, levelF, levelC);
        const __m256i result =
            _mm256_or_si256(_mm256_packus_epi16(finish(levelLow), finish(levelHigh)), opaque);
        const __m256i matches = _mm256_packs_epi16(matching(levelLow), matching(levelHigh));
        const __m256i isReplaced = _mm256_cmpeq_epi32(matches, allOnes);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_blendv_epi8(result, replaced, isReplaced));
    }
    return x;
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
#else
// Other builds do every pixel in the plain loops.
template <bool Brush>
int FixedPointEffectSweep(const EffectTables&, const PixelWord*, PixelWord*, int) {
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
            x = t.fixedPoint.usable ? FixedPointEffectSweep<false>(t, row, out, count) : 0;
            for (; x < count; ++x)
                out[x] = EffectWordFused(t, row[x]);
            cell = x;
        } else if (t.impressionBrush && !t.greyOverride && t.fixedPoint.usable) {
            // The brush's cells: their pixels side by side first, then all
            // of them at once.
            const int cells = (count + step - 1) / step;
            for (int c = 0; c < cells; ++c)
                out[c] = row[c * step];
            for (cell = FixedPointEffectSweep<true>(t, out, out, cells); cell < cells; ++cell)
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

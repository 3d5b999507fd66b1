// The drawing styles with cells one pixel apart, sixteen pixels at a time in
// 16-bit lanes: every value they compute fits 16 bits (sums of channels up to
// 765, rainbow's channels from -765 to 255), so twice as many lanes work as
// in the 32-bit loops the compiler makes of the plain code. Only the AVX2
// build of RowKernels.cpp includes this.
#pragma once

#include "render/Colorref.h"
#include "render/RenderParameters.h"

#include <algorithm>
#include <cstdint>
#include <immintrin.h>

namespace kolvira::style_avx2 {

// Sixteen pixels' channels, one per 16-bit lane. The lanes hold pixels 0-3,
// 8-11 in the lower 128 bits and 4-7, 12-15 in the upper ones, the order in
// which packing two vectors of eight words leaves them; permuting the 64-bit
// quarters (0xD8) turns that order into the plain one and back.
struct Channels {
    __m256i r, g, b;
};

inline __m256i LoadWords(const PixelWord* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

inline Channels SplitChannels(const PixelWord* p) {
    // Per 128 bits: the blue bytes of four pixels, then green, red, alpha.
    const __m256i group = _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 0,
                                           4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15);
    const __m256i first = _mm256_shuffle_epi8(LoadWords(p), group);
    const __m256i second = _mm256_shuffle_epi8(LoadWords(p + 8), group);
    const __m256i blueGreen = _mm256_unpacklo_epi32(first, second);
    const __m256i redAlpha = _mm256_unpackhi_epi32(first, second);
    const __m256i zero = _mm256_setzero_si256();
    return {_mm256_unpacklo_epi8(redAlpha, zero), _mm256_unpackhi_epi8(blueGreen, zero),
            _mm256_unpacklo_epi8(blueGreen, zero)};
}

// floor((R + G + B) / 3) of sixteen pixels, in the packed order.
inline __m256i GreyLevels(const PixelWord* p) {
    const __m256i ones = _mm256_set1_epi32(0x00010101);
    const __m256i pairs = _mm256_set1_epi16(1);
    const __m256i first = _mm256_madd_epi16(_mm256_maddubs_epi16(LoadWords(p), ones), pairs);
    const __m256i second = _mm256_madd_epi16(_mm256_maddubs_epi16(LoadWords(p + 8), ones), pairs);
    const __m256i sum = _mm256_packs_epi32(first, second);
    return _mm256_srli_epi16(_mm256_mulhi_epu16(sum, _mm256_set1_epi16(-21845 /* 43691 */)), 1);
}

inline __m256i PlainOrder(__m256i packed) {
    return _mm256_permute4x64_epi64(packed, 0xD8);
}

// A result colour as two 16-bit halves per pixel: blue | green << 8 and
// red | alpha << 8.
struct Halves {
    __m256i blueGreen, redAlpha;
};

// Water colour triples each channel up to 255; Picasso takes 255 - 3 c up to
// 85 and 255 above.
template <bool Inverted> Halves Tripled(const Channels& c) {
    const __m256i c255 = _mm256_set1_epi16(255);
    const auto triple = [&](__m256i v) {
        const __m256i three = _mm256_add_epi16(v, _mm256_add_epi16(v, v));
        if constexpr (Inverted)
            return _mm256_or_si256(_mm256_sub_epi16(c255, three),
                                   _mm256_cmpgt_epi16(v, _mm256_set1_epi16(85)));
        else
            return _mm256_min_epi16(three, c255);
    };
    const __m256i low =
        _mm256_or_si256(_mm256_and_si256(triple(c.b), c255), _mm256_slli_epi16(triple(c.g), 8));
    return {low, _mm256_or_si256(triple(c.r), _mm256_set1_epi16(static_cast<short>(0xFF00)))};
}

inline Halves Rainbow(const Channels& c) {
    const __m256i c255 = _mm256_set1_epi16(255), fifty = _mm256_set1_epi16(50);
    // 255 - 2 (g + b) = 2 r - (2 (r + g + b) - 255), and so on.
    const __m256i sum = _mm256_add_epi16(_mm256_add_epi16(c.r, c.g), c.b);
    const __m256i base = _mm256_sub_epi16(_mm256_add_epi16(sum, sum), c255);
    const __m256i r = _mm256_sub_epi16(_mm256_add_epi16(c.r, c.r), base);
    const __m256i g = _mm256_sub_epi16(_mm256_add_epi16(c.g, c.g), base);
    const __m256i b = _mm256_sub_epi16(_mm256_add_epi16(c.b, c.b), base);
    // r g b >= 50 needs a positive product and, with every factor clamped to
    // 50 (which keeps the answer for whole numbers), a 16-bit one of 50 or more.
    const auto clamped = [&](__m256i v) { return _mm256_min_epi16(_mm256_abs_epi16(v), fifty); };
    const __m256i pair = _mm256_min_epi16(_mm256_mullo_epi16(clamped(r), clamped(g)), fifty);
    const __m256i product = _mm256_mullo_epi16(pair, clamped(b));
    const __m256i negative = _mm256_srai_epi16(_mm256_xor_si256(_mm256_xor_si256(r, g), b), 15);
    const __m256i doubled = _mm256_or_si256(_mm256_cmpgt_epi16(fifty, product), negative);
    const auto times = [&](__m256i v) { return _mm256_add_epi16(v, _mm256_and_si256(doubled, v)); };
    const __m256i low = _mm256_or_si256(_mm256_and_si256(times(b), _mm256_set1_epi16(0xFF)),
                                        _mm256_slli_epi16(times(g), 8));
    return {low, _mm256_or_si256(times(r), _mm256_set1_epi16(static_cast<short>(0xFF00)))};
}

inline Halves Revolution(const Channels& c, __m256i threshold) {
    const auto above = [](__m256i a, __m256i b) { return _mm256_cmpgt_epi16(a, b); };
    const __m256i maxGB = _mm256_max_epi16(c.g, c.b), maxRB = _mm256_max_epi16(c.r, c.b),
                  maxRG = _mm256_max_epi16(c.r, c.g), minRG = _mm256_min_epi16(c.r, c.g);
    // Red, green and blue need a channel above both others, so at most one holds.
    const __m256i red = above(c.r, _mm256_max_epi16(maxGB, threshold));
    const __m256i green = above(c.g, _mm256_max_epi16(maxRB, threshold));
    const __m256i blue = above(c.b, _mm256_max_epi16(maxRG, threshold));
    const __m256i yellow = _mm256_and_si256(above(minRG, threshold), above(threshold, c.b));
    const __m256i white = above(_mm256_min_epi16(minRG, c.b), _mm256_set1_epi16(230));
    const __m256i black = above(_mm256_set1_epi16(50), _mm256_max_epi16(maxRG, c.b));
    // White wins over black, black over yellow, yellow over the three others.
    const auto noneOf = [](__m256i a, __m256i b) { return _mm256_or_si256(a, b); };
    const __m256i zeroBlue =
        _mm256_andnot_si256(white, noneOf(noneOf(black, yellow), noneOf(red, green)));
    const __m256i zeroRed =
        _mm256_andnot_si256(white, noneOf(black, _mm256_andnot_si256(yellow, noneOf(green, blue))));
    const __m256i zeroGreen =
        _mm256_andnot_si256(white, noneOf(black, _mm256_andnot_si256(yellow, noneOf(red, blue))));
    const __m256i lowByte = _mm256_set1_epi16(0xFF);
    const __m256i highByte = _mm256_set1_epi16(static_cast<short>(0xFF00));
    return {_mm256_or_si256(_mm256_andnot_si256(zeroBlue, lowByte),
                            _mm256_andnot_si256(zeroGreen, highByte)),
            _mm256_or_si256(_mm256_andnot_si256(zeroRed, lowByte), highByte)};
}

struct SweepRule {
    std::int32_t edgeThreshold;
    std::int32_t gyThreshold;
    std::int32_t greyThreshold;
    PixelWord strokeWord;
};

// The colour of a cell that is no edge, from its channels and grey level.
template <int Style> Halves PlainColors(const Channels& c, __m256i grey, __m256i greyThreshold) {
    const __m256i c255 = _mm256_set1_epi16(255);
    const __m256i highByte = _mm256_set1_epi16(static_cast<short>(0xFF00));
    // A grey colour from a level in the low byte of each lane.
    const auto greyColor = [&](__m256i level) {
        return Halves{_mm256_or_si256(level, _mm256_slli_epi16(level, 8)),
                      _mm256_or_si256(level, highByte)};
    };
    if constexpr (Style == kStylePen)
        return greyColor(c255);
    else if constexpr (Style == kStylePencil) // white from 3 e = 256 up
        return greyColor(
            _mm256_min_epi16(_mm256_add_epi16(grey, _mm256_add_epi16(grey, grey)), c255));
    else if constexpr (Style == kStyleCoal)
        return greyColor(_mm256_and_si256(_mm256_cmpgt_epi16(grey, greyThreshold), c255));
    else if constexpr (Style == kStyleWaterColor)
        return Tripled<false>(c);
    else if constexpr (Style == kStylePicasso)
        return Tripled<true>(c);
    else if constexpr (Style == kStyleRainbow)
        return Rainbow(c);
    else
        return Revolution(c, greyThreshold);
}

// Cells x = first, first + 1, ... while sixteen fit below count, as the plain
// sweep does them; returns where it stopped. grey holds row y's grey levels
// (and one more), greyBelow receives those of the row below (255 without one).
template <int Style, bool HasBelow>
int Sweep(const SweepRule& rule, const PixelWord* row, PixelWord* out, const PixelWord* below,
          const std::int16_t* grey, std::int16_t* greyBelow, int first, int count) {
    const auto fit = [](std::int32_t v) {
        return _mm256_set1_epi16(static_cast<short>(std::clamp(v, -32768, 32767)));
    };
    const __m256i edgeThreshold = fit(rule.edgeThreshold), gyThreshold = fit(rule.gyThreshold);
    const __m256i greyThreshold = fit(rule.greyThreshold);
    const __m256i strokeLow = fit(static_cast<std::int16_t>(rule.strokeWord & 0xFFFF));
    const __m256i strokeHigh = fit(static_cast<std::int16_t>(rule.strokeWord >> 16));
    const __m256i white = _mm256_set1_epi16(255);
    int x = first;
    for (; x + 16 <= count; x += 16) {
        const __m256i greyHere = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(grey + x));
        const __m256i greyRight =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(grey + x + 1));
        __m256i greyUnder = white;
        if constexpr (HasBelow)
            greyUnder = PlainOrder(GreyLevels(below + x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(greyBelow + x), greyUnder);
        const __m256i gx = _mm256_abs_epi16(_mm256_sub_epi16(greyRight, greyHere));
        const __m256i gy = _mm256_abs_epi16(_mm256_sub_epi16(greyUnder, greyHere));
        const __m256i edge = PlainOrder(_mm256_or_si256(_mm256_cmpgt_epi16(gx, edgeThreshold),
                                                        _mm256_cmpgt_epi16(gy, gyThreshold)));
        const Channels channels = SplitChannels(row + x);
        const Halves plain = PlainColors<Style>(channels, PlainOrder(greyHere), greyThreshold);
        const __m256i low = _mm256_blendv_epi8(plain.blueGreen, strokeLow, edge);
        const __m256i high = _mm256_blendv_epi8(plain.redAlpha, strokeHigh, edge);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), _mm256_unpacklo_epi16(low, high));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x + 8),
                            _mm256_unpackhi_epi16(low, high));
    }
    return x;
}

} // namespace kolvira::style_avx2

// The photo effects without the blur and the grey looks, eight pixels at a
// time: the levels and the brightness (or the brush's boost) as 16-bit
// multiplications where they give exactly the tables' values. Only the AVX2
// build of RowKernels.cpp includes this.
#pragma once

#include "render/RenderTables.h"

#include <algorithm>
#include <cstdint>
#include <immintrin.h>

namespace kolvira::effect_avx2 {

inline __m256i Load(const void* p) {
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(p));
}

// Each pixel's bytes in the order of the result: working channel k goes to
// result byte 2 - k and comes from picture byte 2 - source[k], inverted when
// the colours are; the alpha byte is cleared.
class WorkingChannels {
public:
    explicit WorkingChannels(const EffectTables& t)
        : invert_(_mm256_set1_epi32(t.routing.invertMask * 0x010101)) {
        alignas(32) std::uint8_t route[32];
        for (int i = 0; i < 32; ++i) {
            const int byte = i % 4;
            route[i] =
                byte == 3
                    ? 0x80
                    : static_cast<std::uint8_t>(i / 4 * 4 % 16 + 2 - t.routing.source[2 - byte]);
        }
        route_ = Load(route);
    }
    __m256i operator()(const PixelWord* p) const {
        const __m256i w = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        return _mm256_xor_si256(_mm256_shuffle_epi8(w, route_), invert_);
    }

private:
    __m256i route_, invert_;
};

// One scale per working channel in the 16-bit lanes of unpacked working
// bytes (lane i holds working channel 2 - i % 4; the fourth gives 0):
// min(c x whole + ((c x fraction + offset) >> 16), 255).
class LaneScale {
public:
    explicit LaneScale(const std::array<EffectTables::Scale, 3>& scales) {
        alignas(32) std::uint16_t whole[16], fraction[16], carry[16];
        for (int i = 0; i < 16; ++i) {
            const int lane = i % 4;
            const EffectTables::Scale s = lane == 3 ? EffectTables::Scale{} : scales[2 - lane];
            whole[i] = s.whole;
            fraction[i] = s.fraction;
            // A carry into the upper half happens when the low half of
            // c x fraction exceeds 65535 - offset; compared as signed numbers
            // after flipping the top bit.
            carry[i] = lane == 3 ? 0x7FFF : static_cast<std::uint16_t>((65535 - s.offset) ^ 0x8000);
        }
        whole_ = Load(whole);
        fraction_ = Load(fraction);
        carry_ = Load(carry);
    }
    explicit LaneScale(EffectTables::Scale s) : LaneScale(std::array{s, s, s}) {}

    __m256i operator()(__m256i c) const {
        const __m256i topBit = _mm256_set1_epi16(static_cast<short>(0x8000));
        const __m256i low = _mm256_mullo_epi16(c, fraction_);
        const __m256i carry = _mm256_cmpgt_epi16(_mm256_xor_si256(low, topBit), carry_);
        const __m256i high = _mm256_sub_epi16(_mm256_mulhi_epu16(c, fraction_), carry);
        return _mm256_min_epu16(_mm256_add_epi16(_mm256_mullo_epi16(c, whole_), high),
                                _mm256_set1_epi16(255));
    }

private:
    __m256i whole_, fraction_, carry_;
};

// The working bytes whose scale gives one too high, as 0xFF bytes: a byte
// picks its table entry by its low four bits, the bit by the next three and
// the table by the top one. Only the channels with such values are looked
// at.
class LoweredValues {
public:
    explicit LoweredValues(const EffectTables::ChannelScales& scales) {
        for (int k = 0; k < 3; ++k) {
            const auto& lowered = scales.lowered[k];
            const auto none = [](const auto& half) {
                return std::all_of(half.begin(), half.end(), [](std::uint8_t b) { return b == 0; });
            };
            if (none(lowered[0]) && none(lowered[1]))
                continue;
            alignas(32) std::uint8_t mine[32];
            for (int i = 0; i < 32; ++i)
                mine[i] = i % 4 == 2 - k ? 0xFF : 0;
            Channel& c = channels_[count_++];
            c.below128 = Broadcast(lowered[0].data());
            c.from128 = Broadcast(lowered[1].data());
            c.mine = Load(mine);
        }
    }

    __m256i operator()(__m256i working) const {
        const __m256i flipped = _mm256_xor_si256(working, _mm256_set1_epi8(-128));
        __m256i entry = _mm256_setzero_si256();
        // A byte with its top bit set reads zero from a shuffle.
        for (int i = 0; i < count_; ++i) {
            const Channel& c = channels_[i];
            const __m256i both = _mm256_or_si256(_mm256_shuffle_epi8(c.below128, working),
                                                 _mm256_shuffle_epi8(c.from128, flipped));
            entry = _mm256_or_si256(entry, _mm256_and_si256(both, c.mine));
        }
        const __m256i bitOf =
            _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16,
                             32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0);
        const __m256i bit = _mm256_shuffle_epi8(
            bitOf, _mm256_and_si256(_mm256_srli_epi16(working, 4), _mm256_set1_epi8(7)));
        return _mm256_cmpeq_epi8(_mm256_and_si256(entry, bit), bit);
    }

private:
    struct Channel {
        __m256i below128, from128, mine;
    };
    static __m256i Broadcast(const std::uint8_t* sixteen) {
        return _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(sixteen)));
    }
    Channel channels_[3];
    int count_ = 0;
};

// The working bytes scaled, as two vectors of 16-bit lanes (pixels 0-1 and
// 4-5, then 2-3 and 6-7), lowered where they must be.
template <bool Lowered> struct ScaledHalves {
    __m256i low, high;
    ScaledHalves(__m256i working, const LaneScale& scale, const LoweredValues& lowered) {
        const __m256i zero = _mm256_setzero_si256();
        low = scale(_mm256_unpacklo_epi8(working, zero));
        high = scale(_mm256_unpackhi_epi8(working, zero));
        if constexpr (Lowered) {
            const __m256i minusOne = lowered(working);
            low = _mm256_add_epi16(low, _mm256_unpacklo_epi8(minusOne, minusOne));
            high = _mm256_add_epi16(high, _mm256_unpackhi_epi8(minusOne, minusOne));
        }
    }
};

// Levels and brightness in one scale per channel; a pixel is replaced when
// every working byte lies in its channel's range (alpha's is 0..255).
template <bool Lowered>
int ComposedSweep(const EffectTables& t, const PixelWord* row, PixelWord* out, int count) {
    const auto& f = t.fixedPoint;
    alignas(32) std::uint8_t first[32], last[32];
    for (int i = 0; i < 32; ++i) {
        const int byte = i % 4;
        first[i] = byte == 3 ? 0 : f.matchFirst[2 - byte];
        last[i] = byte == 3 ? 255 : f.matchLast[2 - byte];
    }
    const WorkingChannels workingOf(t);
    const LaneScale scale(f.levelAndBrightness.scale);
    const LoweredValues lowered(f.levelAndBrightness);
    const __m256i matchFirst = Load(first), matchLast = Load(last);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i allOnes = _mm256_set1_epi32(-1);
    const __m256i replaced = _mm256_set1_epi32(static_cast<int>(t.replacedWord));
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i working = workingOf(row + x);
        const __m256i zero = _mm256_setzero_si256();
        __m256i word = _mm256_packus_epi16(scale(_mm256_unpacklo_epi8(working, zero)),
                                           scale(_mm256_unpackhi_epi8(working, zero)));
        if constexpr (Lowered)
            word =
                _mm256_add_epi8(word, lowered(working)); // never below 0: the scale gave 1 or more
        word = _mm256_or_si256(word, opaque);
        const __m256i inRange =
            _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_max_epu8(working, matchFirst), working),
                             _mm256_cmpeq_epi8(_mm256_min_epu8(working, matchLast), working));
        const __m256i isReplaced = _mm256_cmpeq_epi32(inRange, allOnes);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_blendv_epi8(word, replaced, isReplaced));
    }
    return x;
}

// The levels, then the brightness or the brush's boost of the strictly
// dominant channel; the replacement tests the levelled channels.
template <bool Brush, bool Lowered>
int TwoStepSweep(const EffectTables& t, const PixelWord* row, PixelWord* out, int count) {
    const auto& f = t.fixedPoint;
    alignas(32) std::uint8_t rotateNext[32], rotatePrevious[32];
    alignas(32) std::int16_t above[16], below[16];
    for (int i = 0; i < 32; ++i) {
        // Each 16-bit colour lane of a pixel takes the next (previous) one's
        // value, the unused fourth lane keeps its own.
        const int word = i / 2 % 4, pixelStart = i / 8 * 8 % 16;
        const int next = word == 3 ? 3 : (word + 1) % 3, previous = word == 3 ? 3 : (word + 2) % 3;
        rotateNext[i] = static_cast<std::uint8_t>(pixelStart + 2 * next + i % 2);
        rotatePrevious[i] = static_cast<std::uint8_t>(pixelStart + 2 * previous + i % 2);
    }
    for (int i = 0; i < 16; ++i) {
        const int lane = i % 4;
        above[i] = lane == 3 ? -1 : f.matchAbove[2 - lane];
        below[i] = lane == 3 ? 1 : f.matchBelow[2 - lane];
    }
    const WorkingChannels workingOf(t);
    const LaneScale level(f.level.scale), finishScale(f.finish);
    const LoweredValues lowered(f.level);
    const __m256i matchAbove = Load(above), matchBelow = Load(below);
    const __m256i nextLane = Load(rotateNext), previousLane = Load(rotatePrevious);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i allOnes = _mm256_set1_epi32(-1);
    const __m256i replaced = _mm256_set1_epi32(static_cast<int>(t.replacedWord));
    const auto matching = [&](__m256i levelled) {
        return _mm256_and_si256(_mm256_cmpgt_epi16(levelled, matchAbove),
                                _mm256_cmpgt_epi16(matchBelow, levelled));
    };
    const auto finish = [&](__m256i levelled) {
        const __m256i scaled = finishScale(levelled);
        if constexpr (!Brush)
            return scaled;
        const __m256i dominant = _mm256_and_si256(
            _mm256_cmpgt_epi16(levelled, _mm256_shuffle_epi8(levelled, nextLane)),
            _mm256_cmpgt_epi16(levelled, _mm256_shuffle_epi8(levelled, previousLane)));
        return _mm256_blendv_epi8(levelled, scaled, dominant);
    };
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const ScaledHalves<Lowered> levelled(workingOf(row + x), level, lowered);
        const __m256i word = _mm256_or_si256(
            _mm256_packus_epi16(finish(levelled.low), finish(levelled.high)), opaque);
        const __m256i matches = _mm256_packs_epi16(matching(levelled.low), matching(levelled.high));
        const __m256i isReplaced = _mm256_cmpeq_epi32(matches, allOnes);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_blendv_epi8(word, replaced, isReplaced));
    }
    return x;
}

// The cells from 0 on that one of the sweeps did; 0 when the 16-bit
// arithmetic cannot follow the tables.
inline int Sweep(const EffectTables& t, const PixelWord* row, PixelWord* out, int count) {
    const auto& f = t.fixedPoint;
    if (f.composed) {
        return f.levelAndBrightness.anyLowered ? ComposedSweep<true>(t, row, out, count)
                                               : ComposedSweep<false>(t, row, out, count);
    }
    if (!f.usable)
        return 0;
    if (t.impressionBrush) {
        return f.level.anyLowered ? TwoStepSweep<true, true>(t, row, out, count)
                                  : TwoStepSweep<true, false>(t, row, out, count);
    }
    return f.level.anyLowered ? TwoStepSweep<false, true>(t, row, out, count)
                              : TwoStepSweep<false, false>(t, row, out, count);
}

} // namespace kolvira::effect_avx2

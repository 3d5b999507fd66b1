// The blur's column steps with AVX2: each column's channel sums sit in one
// 64-bit quarter of a vector, as 16-bit lanes blue, green, red, alpha.
#include "render/BlurColumns.h"

#include <immintrin.h>

namespace kolvira {
namespace {

constexpr int kPrefetchSteps = 24;

// Per-channel sums of the four pixels at a .. a+3 and at b .. b+3, in both
// 64-bit halves of the low and the high 128 bits respectively.
inline __m256i TwoFourPixelSums(const PixelWord* a, const PixelWord* b) {
    const __m256i pixels = _mm256_loadu2_m128i(reinterpret_cast<const __m128i*>(b),
                                               reinterpret_cast<const __m128i*>(a));
    const __m256i zero = _mm256_setzero_si256();
    const __m256i pairs =
        _mm256_add_epi16(_mm256_unpacklo_epi8(pixels, zero), _mm256_unpackhi_epi8(pixels, zero));
    return _mm256_add_epi16(pairs, _mm256_shuffle_epi32(pairs, 0x4E));
}

// The four-pixel sums of row `offset` below each column's pixel, columns
// 0..3 in the four 64-bit quarters.
inline __m256i FourPixelSums(PixelWord* const pixel[4], std::ptrdiff_t offset) {
    const __m256i sums01 = TwoFourPixelSums(pixel[0] + offset, pixel[1] + offset);
    const __m256i sums23 = TwoFourPixelSums(pixel[2] + offset, pixel[3] + offset);
    // (c0, c2 | c1, c3) into (c0, c1 | c2, c3).
    return _mm256_permute4x64_epi64(_mm256_unpacklo_epi64(sums01, sums23), 0xD8);
}

// Four columns' sums, one 64-bit quarter each, and their pixels.
struct FourColumns {
    PixelWord* pixel[4];
    __m256i window;
    __m256i ring[4]; // ring[s & 3]: the four-pixel sums of the rows at step s
};

class VectorSteps {
public:
    explicit VectorSteps(const BlurColumnsTables& t)
        : routeShuffle_(Load(t.routeShuffle)), invertMask_(Load(t.invertMask)),
          replaced_(_mm_set1_epi32(static_cast<int>(t.replacedWord))),
          table_(reinterpret_cast<const int*>(t.levelled)) {}

    // One step of four columns at step s: render, then slide the sums down.
    void Step(FourColumns& c, int s, std::ptrdiff_t stride) const {
        const __m128i originalWords =
            _mm_setr_epi32(static_cast<int>(*c.pixel[0]), static_cast<int>(*c.pixel[1]),
                           static_cast<int>(*c.pixel[2]), static_cast<int>(*c.pixel[3]));
        const __m256i original = _mm256_cvtepu8_epi16(originalWords);

        // Seventeen terms over 16: the working channels plus the window.
        const __m256i working =
            _mm256_xor_si256(_mm256_shuffle_epi8(original, routeShuffle_), invertMask_);
        // Each lane's index into its channel's part of the table. The alpha
        // lanes hold at most 16 x 255 and land in the alpha part.
        const __m256i index = _mm256_add_epi16(
            _mm256_srli_epi16(_mm256_add_epi16(working, c.window), 4), laneOffsets_);
        // Sixteen plain loads: faster here than two gathers.
        alignas(32) std::uint16_t lane[16];
        _mm256_store_si256(reinterpret_cast<__m256i*>(lane), index);
        const int* t = table_;
        const __m256i entriesLow =
            _mm256_setr_epi32(t[lane[0]], t[lane[1]], t[lane[2]], t[lane[3]], t[lane[4]],
                              t[lane[5]], t[lane[6]], t[lane[7]]);
        const __m256i entriesHigh =
            _mm256_setr_epi32(t[lane[8]], t[lane[9]], t[lane[10]], t[lane[11]], t[lane[12]],
                              t[lane[13]], t[lane[14]], t[lane[15]]);
        const __m128i results = ResultWords(entriesLow, entriesHigh);
        *c.pixel[0] = static_cast<PixelWord>(_mm_extract_epi32(results, 0));
        *c.pixel[1] = static_cast<PixelWord>(_mm_extract_epi32(results, 1));
        *c.pixel[2] = static_cast<PixelWord>(_mm_extract_epi32(results, 2));
        *c.pixel[3] = static_cast<PixelWord>(_mm_extract_epi32(results, 3));

        // Later windows see the rendered pixels; row y-2 leaves, y+2 enters.
        const __m256i change = _mm256_sub_epi16(_mm256_cvtepu8_epi16(results), original);
        c.ring[s & 3] = _mm256_add_epi16(c.ring[s & 3], change);
        c.window = _mm256_sub_epi16(_mm256_add_epi16(c.window, change), c.ring[(s - 2) & 3]);
        const std::ptrdiff_t below = 2 * stride - 2;
        const __m256i entering = FourPixelSums(c.pixel, below);
        c.ring[(s + 2) & 3] = entering;
        c.window = _mm256_add_epi16(c.window, entering);
        for (auto& p : c.pixel)
            p += stride;
    }

private:
    template <typename T> static __m256i Load(const T* p) {
        return _mm256_load_si256(reinterpret_cast<const __m256i*>(p));
    }

    // The four result words from the looked-up entries of columns 0, 1
    // (low) and 2, 3 (high): byte 1 of each entry is its result channel,
    // byte 2 its match bit; all four lanes matching means the replacement.
    __m128i ResultWords(__m256i entriesLow, __m256i entriesHigh) const {
        const __m256i words = _mm256_permutevar8x32_epi32(
            _mm256_unpacklo_epi32(_mm256_shuffle_epi8(entriesLow, resultBytes_),
                                  _mm256_shuffle_epi8(entriesHigh, resultBytes_)),
            columnOrder_);
        const __m128i channels = _mm256_castsi256_si128(words);
        const __m128i matches = _mm256_extracti128_si256(words, 1);
        const __m128i isReplaced = _mm_cmpeq_epi32(matches, _mm_set1_epi32(0x01010101));
        return _mm_blendv_epi8(channels, replaced_, isReplaced);
    }

    const __m256i routeShuffle_;
    const __m256i invertMask_;
    const __m128i replaced_;
    const int* table_;
    const __m256i laneOffsets_ = _mm256_set1_epi64x(0x0330022001100000ll); // 0, 272, 544, 816
    // Per 128-bit half: result bytes into dword 0, match bytes into dword 1.
    const __m256i resultBytes_ =
        _mm256_setr_epi8(1, 5, 9, 13, 2, 6, 10, 14, -1, -1, -1, -1, -1, -1, -1, -1, 1, 5, 9, 13, 2,
                         6, 10, 14, -1, -1, -1, -1, -1, -1, -1, -1);
    // After the unpack: dwords are (r0, r2, m0, m2 | r1, r3, m1, m3); put the
    // results of columns 0..3 low and their matches high.
    const __m256i columnOrder_ = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
};

} // namespace

void BlurColumnsStepsAvx2(const BlurColumnsTables& t, PixelWord* pixel, std::ptrdiff_t stride,
                          BlurColumnsState& state, int firstStep, int endStep, bool startSums) {
    const VectorSteps steps(t);
    // Groups of four columns, whose steps do not depend on each other, so the
    // processor overlaps their long chains of look-ups.
    constexpr int kGroups = kBlurColumns / 4;
    FourColumns group[kGroups];
    for (int g = 0; g < kGroups; ++g) {
        for (int j = 0; j < 4; ++j) {
            const int column = 4 * g + j;
            group[g].pixel[j] = pixel + column - 3 * column * stride;
        }
        if (startSums) {
            // The window covers the rows from two above to one below.
            group[g].window = _mm256_setzero_si256();
            for (int d = -2; d <= 1; ++d) {
                const __m256i sums = FourPixelSums(group[g].pixel, d * stride - 2);
                group[g].ring[(firstStep + d) & 3] = sums;
                group[g].window = _mm256_add_epi16(group[g].window, sums);
            }
            continue;
        }
        group[g].window =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state.window + 4 * g));
        for (int i = 0; i < 4; ++i)
            group[g].ring[i] =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state.ring[i] + 4 * g));
    }
    // Column 0 is the lowest: the rows it brings into its sums are the ones
    // not yet read by any column. Ask for them a few steps ahead; the picture
    // is walked down columns, which the processor does not foresee.
    const PixelWord* ahead = pixel + (2 + kPrefetchSteps) * stride - 2;
    for (int s = firstStep; s < endStep; ++s, ahead += stride) {
        // Every cache line of the kBlurColumns + 3 pixels from `ahead` on.
        for (int x = 0; x < kBlurColumns + 3; x += 15)
            _mm_prefetch(reinterpret_cast<const char*>(ahead + x), _MM_HINT_T0);
        _mm_prefetch(reinterpret_cast<const char*>(ahead + kBlurColumns + 3), _MM_HINT_T0);
        for (auto& g : group)
            steps.Step(g, s, stride);
    }
    for (int g = 0; g < kGroups; ++g) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(state.window + 4 * g), group[g].window);
        for (int i = 0; i < 4; ++i)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(state.ring[i] + 4 * g),
                                group[g].ring[i]);
    }
}

} // namespace kolvira

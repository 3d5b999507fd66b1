// The blur's four-column steps with AVX2: each column's channel sums sit in
// one 64-bit quarter of a vector, as 16-bit lanes blue, green, red, alpha.
#include "BlurQuad.h"

#include <immintrin.h>

namespace kolvira {
namespace {

// The four pixels at p .. p+3 summed per channel, in the low 64 bits.
inline __m128i FourPixelSum(const PixelWord* p) {
    const __m256i lanes =
        _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    const __m128i pairs =
        _mm_add_epi16(_mm256_castsi256_si128(lanes), _mm256_extracti128_si256(lanes, 1));
    return _mm_add_epi16(pairs, _mm_unpackhi_epi64(pairs, pairs));
}

inline __m256i Combine(__m128i c0, __m128i c1, __m128i c2, __m128i c3) {
    return _mm256_set_m128i(_mm_unpacklo_epi64(c2, c3), _mm_unpacklo_epi64(c0, c1));
}

} // namespace

void BlurQuadStepsAvx2(const BlurQuadTables& t, PixelWord* pixel, std::ptrdiff_t stride,
                       BlurQuadState& state, int firstStep, int endStep) {
    PixelWord* column[kBlurQuad];
    for (int j = 0; j < kBlurQuad; ++j)
        column[j] = pixel + j - 3 * j * stride;

    const __m256i routeShuffle =
        _mm256_load_si256(reinterpret_cast<const __m256i*>(t.routeShuffle));
    const __m256i invertMask = _mm256_load_si256(reinterpret_cast<const __m256i*>(t.invertMask));
    const __m256i noAlpha = _mm256_set1_epi64x(0x0000FFFFFFFFFFFFll);
    const __m256i laneOffsets = _mm256_setr_epi32(0, 272, 544, 816, 0, 272, 544, 816);
    // Byte 1 (the result channel) and byte 2 (the match bit) of each 32-bit
    // entry, gathered into the low word of each 128-bit half.
    const __m256i resultBytes =
        _mm256_setr_epi8(1, 5, 9, 13, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 1, 5, 9, 13,
                         -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m256i matchBytes =
        _mm256_setr_epi8(2, 6, 10, 14, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 2, 6, 10, 14,
                         -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m256i allMatch = _mm256_set1_epi32(0x01010101);
    const __m256i replaced = _mm256_set1_epi32(static_cast<int>(t.replacedWord));
    const int* table = reinterpret_cast<const int*>(t.levelled);

    __m256i window = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state.window));
    __m256i ring[4];
    for (int i = 0; i < 4; ++i)
        ring[i] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state.ring[i]));

    for (int s = firstStep; s < endStep; ++s) {
        const __m128i originalWords =
            _mm_setr_epi32(static_cast<int>(*column[0]), static_cast<int>(*column[1]),
                           static_cast<int>(*column[2]), static_cast<int>(*column[3]));
        const __m256i original = _mm256_cvtepu8_epi16(originalWords);

        // Seventeen terms over 16: the working channels plus the window.
        const __m256i working =
            _mm256_xor_si256(_mm256_shuffle_epi8(original, routeShuffle), invertMask);
        const __m256i index =
            _mm256_srli_epi16(_mm256_and_si256(_mm256_add_epi16(working, window), noAlpha), 4);
        const __m256i indexLow =
            _mm256_add_epi32(_mm256_cvtepu16_epi32(_mm256_castsi256_si128(index)), laneOffsets);
        const __m256i indexHigh = _mm256_add_epi32(
            _mm256_cvtepu16_epi32(_mm256_extracti128_si256(index, 1)), laneOffsets);
        const __m256i entriesLow = _mm256_i32gather_epi32(table, indexLow, 4);   // columns 0, 1
        const __m256i entriesHigh = _mm256_i32gather_epi32(table, indexHigh, 4); // columns 2, 3

        // Result words of columns 0..3 in 32-bit lanes 0, 4 (low) and 0, 4 (high).
        const __m256i wordsLow = _mm256_shuffle_epi8(entriesLow, resultBytes);
        const __m256i wordsHigh = _mm256_shuffle_epi8(entriesHigh, resultBytes);
        const __m256i matchLow = _mm256_shuffle_epi8(entriesLow, matchBytes);
        const __m256i matchHigh = _mm256_shuffle_epi8(entriesHigh, matchBytes);
        // Gather lanes 0 and 4 of each into one 128-bit vector: columns 0..3.
        const __m256i pick = _mm256_setr_epi32(0, 4, 0, 0, 0, 0, 0, 0);
        const __m128i words01 = _mm256_castsi256_si128(_mm256_permutevar8x32_epi32(wordsLow, pick));
        const __m128i words23 =
            _mm256_castsi256_si128(_mm256_permutevar8x32_epi32(wordsHigh, pick));
        const __m128i match01 = _mm256_castsi256_si128(_mm256_permutevar8x32_epi32(matchLow, pick));
        const __m128i match23 =
            _mm256_castsi256_si128(_mm256_permutevar8x32_epi32(matchHigh, pick));
        const __m128i words = _mm_unpacklo_epi64(words01, words23);
        const __m128i matches = _mm_unpacklo_epi64(match01, match23);
        const __m128i isReplaced = _mm_cmpeq_epi32(matches, _mm256_castsi256_si128(allMatch));
        const __m128i results =
            _mm_blendv_epi8(words, _mm256_castsi256_si128(replaced), isReplaced);

        *column[0] = static_cast<PixelWord>(_mm_extract_epi32(results, 0));
        *column[1] = static_cast<PixelWord>(_mm_extract_epi32(results, 1));
        *column[2] = static_cast<PixelWord>(_mm_extract_epi32(results, 2));
        *column[3] = static_cast<PixelWord>(_mm_extract_epi32(results, 3));

        // Later windows see the rendered pixels; row y-2 leaves, y+2 enters.
        const __m256i change = _mm256_sub_epi16(_mm256_cvtepu8_epi16(results), original);
        ring[s & 3] = _mm256_add_epi16(ring[s & 3], change);
        window = _mm256_sub_epi16(_mm256_add_epi16(window, change), ring[(s - 2) & 3]);
        const std::ptrdiff_t below = 2 * stride - 2;
        const __m256i entering =
            Combine(FourPixelSum(column[0] + below), FourPixelSum(column[1] + below),
                    FourPixelSum(column[2] + below), FourPixelSum(column[3] + below));
        ring[(s + 2) & 3] = entering;
        window = _mm256_add_epi16(window, entering);

        for (auto& p : column)
            p += stride;
    }

    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state.window), window);
    for (int i = 0; i < 4; ++i)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(state.ring[i]), ring[i]);
}

} // namespace kolvira

// Eight neighbouring columns of the blur pass advanced together, one row each
// per step (see BlurPass.cpp for why that order is exact). The state is kept
// so that the plain steps and the vector steps can take turns.
#pragma once

#include "render/Colorref.h"
#include "render/RenderTables.h"

#include <cstddef>
#include <cstdint>

namespace kolvira {

inline constexpr int kBlurColumns = 8;

// Per-channel sums packed in one word: blue in bits 0-15, green in 16-31,
// red in 32-47 (bits 48-63 are never read). Sums of up to 257 channel values
// never reach the next lane.
inline std::uint64_t Spread(PixelWord w) {
    return (w & 0xFFu) | ((w & 0xFF00u) << 8) | (static_cast<std::uint64_t>(w & 0xFF0000u) << 16);
}
// A pixel outside the picture counts as white.
inline constexpr std::uint64_t kWhiteSpread = 0x000000FF00FF00FFull;
inline std::int32_t BlueSum(std::uint64_t s) {
    return static_cast<std::int32_t>(s & 0xFFFF);
}
inline std::int32_t GreenSum(std::uint64_t s) {
    return static_cast<std::int32_t>((s >> 16) & 0xFFFF);
}
inline std::int32_t RedSum(std::uint64_t s) {
    return static_cast<std::int32_t>((s >> 32) & 0xFFFF);
}

struct BlurColumnsState {
    // ring[s & 3][j]: column j's four-pixel sum of the row it renders at step s.
    std::uint64_t ring[4][kBlurColumns];
    // Column j's sum over its current 4 x 4 window.
    std::uint64_t window[kBlurColumns];
};

// What the vector steps look up, laid out for them.
struct BlurColumnsTables {
    // levelled[L * 272 + v] for the 16-bit lanes L = 0 (blue), 1 (green),
    // 2 (red); lane 3 (alpha) reads entries from 3 * 272 on, which keep the
    // alpha byte at 0xFF and count as matching.
    alignas(32) std::uint32_t levelled[4 * 272];
    // Picks the working channels out of a pixel's 16-bit lanes.
    alignas(32) std::uint8_t routeShuffle[32];
    alignas(32) std::uint16_t invertMask[16];
    PixelWord replacedWord;
};

void MakeBlurColumnsTables(const EffectTables& effects, BlurColumnsTables& out);

// Runs steps firstStep .. endStep-1 on eight columns that lie at least two
// pixels from the left edge and two from the right, with every row they read
// inside the picture. `pixel` is column 0's pixel at firstStep; column j's is
// 3j rows higher and j to the right. With startSums, every column starts at
// firstStep, its sums made from the two rows above it on; otherwise `state`
// holds them. The blur must be on, without the brush
// and without a grey look.
using BlurColumnsStepsFunction = void (*)(const BlurColumnsTables&, PixelWord* pixel,
                                          std::ptrdiff_t stride, BlurColumnsState&, int firstStep,
                                          int endStep, bool startSums);

// The vector steps for this processor, or null where there are none (or
// when portable code is asked for).
BlurColumnsStepsFunction SelectedBlurColumnsSteps(bool portableCode);

} // namespace kolvira

#include "render/BlurColumns.h"

namespace kolvira {

#if KOLVIRA_HAVE_AVX2_KERNELS
void BlurColumnsStepsAvx2(const BlurColumnsTables&, PixelWord*, std::ptrdiff_t, BlurColumnsState&,
                          int, int, bool);
#endif

void MakeBlurColumnsTables(const EffectTables& effects, BlurColumnsTables& out) {
    for (int lane = 0; lane < 3; ++lane) {
        const int k = 2 - lane; // working channel: 0 red, 1 green, 2 blue
        for (int v = 0; v < 272; ++v)
            out.levelled[lane * 272 + v] = effects.levelled[k][v];
    }
    for (int v = 0; v < 272; ++v)
        out.levelled[3 * 272 + v] = 0xFF00u | kLevelledMatches;

    // Working channel k comes from picture channel source[k] (0 red .. 2
    // blue), which sits in 16-bit lane 2 - source[k].
    for (int half = 0; half < 4; ++half) { // four 64-bit columns in 32 bytes
        for (int lane = 0; lane < 4; ++lane) {
            const int destination = half * 8 + lane * 2;
            if (lane == 3) {
                out.routeShuffle[destination] = out.routeShuffle[destination + 1] = 0x80;
                continue;
            }
            const int sourceLane = 2 - effects.routing.source[2 - lane];
            // pshufb picks within each 128-bit half.
            const int sourceByte = (half % 2) * 8 + sourceLane * 2;
            out.routeShuffle[destination] = static_cast<std::uint8_t>(sourceByte);
            out.routeShuffle[destination + 1] = static_cast<std::uint8_t>(sourceByte + 1);
        }
    }
    for (int i = 0; i < 16; ++i)
        out.invertMask[i] = i % 4 == 3 ? 0 : static_cast<std::uint16_t>(effects.routing.invertMask);
    out.replacedWord = effects.replacedWord;
}

BlurColumnsStepsFunction SelectedBlurColumnsSteps(bool portableCode) {
#if KOLVIRA_HAVE_AVX2_KERNELS
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2 && !portableCode)
        return BlurColumnsStepsAvx2;
#endif
    return nullptr;
}

} // namespace kolvira

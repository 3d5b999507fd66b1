// High-dynamic-range pictures (the PQ and HLG transfer curves of BT.2100, in
// JPEG XL, HEIC and AVIF files) shown on an ordinary sRGB screen. Their code
// values are not sRGB: shown as they are, a PQ picture looks washed out and an
// HLG one too bright. One curve maps every format's HDR pictures to sRGB:
//
//  1. the signal to display light in nits: PQ's EOTF; HLG's inverse OETF and
//     the OOTF of a 1000-nit reference display (system gamma 1.2), per
//     channel;
//  2. BT.2390's EETF (a Hermite roll-off in the PQ domain), per channel, from
//     the picture's peak onto a display of 203 nits, BT.2408's reference
//     white (HLG's 75% signal, diffuse white in PQ pictures): darker light
//     stays as it is, brighter light rolls off, and 203 nits is sRGB white;
//  3. the primaries (BT.2020 or Display P3) to sRGB's, clipping what lies
//     outside, and sRGB's curve.
#pragma once

#include <QImage>

#include <array>
#include <vector>

namespace kolvira {

enum class HdrCurve { Pq, Hlg };
enum class HdrPrimaries { Srgb, Bt2020, DisplayP3 };

// The brightest light an HLG picture stands for: its reference display's.
inline constexpr float kHlgPeakNits = 1000.0f;
// The light that becomes sRGB white.
inline constexpr float kSdrWhiteNits = 203.0f;

class HdrToSdr {
public:
    // `peakNits`: the brightest light in the picture (a PQ file's mastering
    // peak; 10,000 nits, PQ's limit, when the file does not say).
    HdrToSdr(HdrCurve curve, HdrPrimaries primaries, float peakNits);

    // One row of `width` pixels of `channels` (3, or 4 with alpha last)
    // signal values from 0 to 1, as sRGB RGBA8888 (alpha unchanged).
    void Row(const float* signal, int width, int channels, uchar* rgba) const;

    // A whole picture of such values, `stride` floats a row apart; null when
    // it cannot be allocated. The picture is tagged sRGB.
    QImage Picture(const float* signal, int width, int height, int channels,
                   std::ptrdiff_t stride) const;

private:
    static constexpr int kSignalSteps = 65536;
    static constexpr int kEncodeSteps = 4096;
    std::vector<float> lightOf_;                   // signal step -> tone-mapped light, 1 = white
    std::array<float, 9> toSrgb_{};                // linear primaries -> linear sRGB
    std::array<uchar, kEncodeSteps + 1> encode_{}; // linear sRGB -> sRGB code
};

} // namespace kolvira

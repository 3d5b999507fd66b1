#include "imageio/color/HdrToSdr.h"

#include <QColorSpace>

#include <algorithm>
#include <cmath>

namespace kolvira {
namespace {

// PQ (SMPTE ST 2084): display light in nits, up to 10,000, and its signal.
constexpr double kPqM1 = 2610.0 / 16384.0;
constexpr double kPqM2 = 2523.0 / 4096.0 * 128.0;
constexpr double kPqC1 = 3424.0 / 4096.0;
constexpr double kPqC2 = 2413.0 / 4096.0 * 32.0;
constexpr double kPqC3 = 2392.0 / 4096.0 * 32.0;
constexpr double kPqPeakNits = 10000.0;

double PqToNits(double signal) {
    const double p = std::pow(std::clamp(signal, 0.0, 1.0), 1.0 / kPqM2);
    return kPqPeakNits * std::pow(std::max(p - kPqC1, 0.0) / (kPqC2 - kPqC3 * p), 1.0 / kPqM1);
}

double NitsToPq(double nits) {
    const double y = std::pow(std::clamp(nits / kPqPeakNits, 0.0, 1.0), kPqM1);
    return std::pow((kPqC1 + kPqC2 * y) / (1.0 + kPqC3 * y), kPqM2);
}

// HLG (ARIB STD-B67): scene light from 0 to 1, then the light a display of
// kHlgPeakNits shows for it.
double HlgToNits(double signal) {
    constexpr double a = 0.17883277, b = 0.28466892, c = 0.55991073, systemGamma = 1.2;
    const double e = std::clamp(signal, 0.0, 1.0);
    const double scene = e <= 0.5 ? e * e / 3.0 : (std::exp((e - c) / a) + b) / 12.0;
    return kHlgPeakNits * std::pow(scene, systemGamma);
}

// BT.2390's EETF from a display of `sourcePeak` nits to one of `targetPeak`:
// unchanged up to a knee, then a Hermite spline that reaches targetPeak at
// sourcePeak.
double Eetf(double nits, double sourcePeak, double targetPeak) {
    if (sourcePeak <= targetPeak)
        return std::min(nits, targetPeak);
    const double sourcePq = NitsToPq(sourcePeak);
    const double e1 = std::min(NitsToPq(nits) / sourcePq, 1.0);
    const double maxLum = NitsToPq(targetPeak) / sourcePq;
    const double knee = std::max(1.5 * maxLum - 0.5, 0.0);
    double e2 = e1;
    if (e1 > knee) {
        const double t = (e1 - knee) / (1.0 - knee);
        const double t2 = t * t, t3 = t2 * t;
        e2 = (2 * t3 - 3 * t2 + 1) * knee + (t3 - 2 * t2 + t) * (1.0 - knee) +
             (-2 * t3 + 3 * t2) * maxLum;
    }
    return PqToNits(e2 * sourcePq);
}

std::array<float, 9> ToSrgbPrimaries(HdrPrimaries primaries) {
    switch (primaries) {
    case HdrPrimaries::Bt2020:
        return {1.6604910f,  -0.5876411f, -0.0728499f, -0.1245505f, 1.1328999f,
                -0.0083494f, -0.0181508f, -0.1005789f, 1.1187297f};
    case HdrPrimaries::DisplayP3:
        return {1.2249401f, -0.2249404f, 0.0f,        -0.0420569f, 1.0420571f,
                0.0f,       -0.0196376f, -0.0786361f, 1.0982735f};
    case HdrPrimaries::Srgb:
        break;
    }
    return {1, 0, 0, 0, 1, 0, 0, 0, 1};
}

uchar SrgbCode(double linear) {
    const double v =
        linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return static_cast<uchar>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

} // namespace

HdrToSdr::HdrToSdr(HdrCurve curve, HdrPrimaries primaries, float peakNits)
    : lightOf_(kSignalSteps), toSrgb_(ToSrgbPrimaries(primaries)) {
    const double peak = curve == HdrCurve::Hlg ? kHlgPeakNits
                        : peakNits > 0         ? std::min<double>(peakNits, kPqPeakNits)
                                               : kPqPeakNits;
    for (int step = 0; step < kSignalSteps; ++step) {
        const double signal = step / double(kSignalSteps - 1);
        const double nits = curve == HdrCurve::Pq ? PqToNits(signal) : HlgToNits(signal);
        lightOf_[step] = static_cast<float>(Eetf(nits, peak, kSdrWhiteNits) / kSdrWhiteNits);
    }
    for (int step = 0; step <= kEncodeSteps; ++step)
        encode_[step] = SrgbCode(step / double(kEncodeSteps));
}

void HdrToSdr::Row(const float* signal, int width, int channels, uchar* rgba) const {
    // Within 0 to 1; NaN, which a damaged file can bring, counts as 0.
    auto unit = [](float value) { return value > 0.0f ? std::min(value, 1.0f) : 0.0f; };
    auto light = [&](float value) {
        return lightOf_[static_cast<int>(unit(value) * (kSignalSteps - 1) + 0.5f)];
    };
    auto code = [&](float linear) {
        return encode_[static_cast<int>(unit(linear) * kEncodeSteps + 0.5f)];
    };
    const std::array<float, 9>& m = toSrgb_;
    for (int x = 0; x < width; ++x, signal += channels, rgba += 4) {
        const float r = light(signal[0]), g = light(signal[1]), b = light(signal[2]);
        rgba[0] = code(m[0] * r + m[1] * g + m[2] * b);
        rgba[1] = code(m[3] * r + m[4] * g + m[5] * b);
        rgba[2] = code(m[6] * r + m[7] * g + m[8] * b);
        rgba[3] = channels == 4 ? static_cast<uchar>(std::lround(unit(signal[3]) * 255)) : 255;
    }
}

QImage HdrToSdr::Picture(const float* signal, int width, int height, int channels,
                         std::ptrdiff_t stride) const {
    QImage picture(width, height, QImage::Format_RGBA8888);
    if (picture.isNull())
        return picture;
    for (int y = 0; y < height; ++y)
        Row(signal + y * stride, width, channels, picture.scanLine(y));
    picture.setColorSpace(QColorSpace::SRgb);
    return picture;
}

} // namespace kolvira

#include "imageio/color/MatrixShaperConversion.h"

#include "imageio/RecentlyUsed.h"
#include "imageio/RowBands.h"

#include <QColorSpace>

#include <lcms2.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>

namespace kolvira {
namespace {

// Linear light in fixed point: 1.0 is 1 << kLinearBits. 14 bits keep the
// darkest steps of the sRGB curve (about 0.2 of a level apart) apart.
constexpr int kLinearBits = 14;
constexpr int kLinearOne = 1 << kLinearBits;
// The matrix in fixed point; entries below kLargestEntry fit 16 bits.
constexpr int kMatrixBits = 12;
constexpr double kLargestEntry = 7.99;
// How far a tone curve may stray beyond 0..1 (rounding in the profile).
constexpr double kCurveSlack = 1e-3;

struct Tables {
    std::array<std::array<std::int32_t, 256>, 3> linear; // per source channel
    std::array<std::array<std::int32_t, 3>, 3> matrix;   // sRGB channel from source channels
    // Linear sRGB to sRGB levels, with three bytes more for the vector
    // code, which reads four bytes at each step.
    std::array<std::uint8_t, kLinearOne + 4> encode;
};

struct ProfileCloser {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

// The colorants (columns: red, green, blue; rows: X, Y, Z, adapted to D50
// as profiles store them) and tone curves of an RGB matrix/shaper profile
// that LittleCMS would convert through them; false for any other profile.
bool ReadMatrixShaper(cmsHPROFILE profile, std::array<std::array<double, 3>, 3>& colorants,
                      std::array<const cmsToneCurve*, 3>& curves) {
    // Device links and abstract profiles describe no picture; a profile
    // with lookup tables as well is converted through the tables.
    const cmsProfileClassSignature kind = cmsGetDeviceClass(profile);
    if (kind == cmsSigLinkClass || kind == cmsSigAbstractClass || kind == cmsSigNamedColorClass ||
        cmsGetColorSpace(profile) != cmsSigRgbData || !cmsIsMatrixShaper(profile) ||
        cmsIsCLUT(profile, INTENT_PERCEPTUAL, LCMS_USED_AS_INPUT))
        return false;
    constexpr std::array<cmsTagSignature, 3> colorantTags{
        cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
    constexpr std::array<cmsTagSignature, 3> curveTags{cmsSigRedTRCTag, cmsSigGreenTRCTag,
                                                       cmsSigBlueTRCTag};
    for (int channel = 0; channel < 3; ++channel) {
        const auto* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, colorantTags[channel]));
        curves[channel] = static_cast<const cmsToneCurve*>(cmsReadTag(profile, curveTags[channel]));
        if (!xyz || !curves[channel])
            return false;
        colorants[0][channel] = xyz->X;
        colorants[1][channel] = xyz->Y;
        colorants[2][channel] = xyz->Z;
    }
    return true;
}

using Matrix = std::array<std::array<double, 3>, 3>;

bool Inverted(const Matrix& m, Matrix& inverse) {
    const double determinant = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                               m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    if (!std::isfinite(determinant) || std::abs(determinant) < 1e-9)
        return false;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            // The cofactor of (column, row), from the cyclic neighbours.
            const int r1 = (column + 1) % 3, r2 = (column + 2) % 3;
            const int c1 = (row + 1) % 3, c2 = (row + 2) % 3;
            inverse[row][column] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) / determinant;
        }
    }
    return true;
}

std::shared_ptr<const Tables> MakeTables(const QByteArray& icc) {
    const Profile source(cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size())));
    const Profile srgb(cmsCreate_sRGBProfile());
    if (!source || !srgb)
        return {};
    Matrix sourceColorants, srgbColorants, toSrgb;
    std::array<const cmsToneCurve*, 3> sourceCurves, srgbCurves;
    if (!ReadMatrixShaper(source.get(), sourceColorants, sourceCurves) ||
        !ReadMatrixShaper(srgb.get(), srgbColorants, srgbCurves) ||
        !Inverted(srgbColorants, toSrgb))
        return {};
    std::unique_ptr<cmsToneCurve, decltype(&cmsFreeToneCurve)> encoding(
        cmsReverseToneCurve(srgbCurves[0]), &cmsFreeToneCurve);
    if (!encoding)
        return {};

    auto tables = std::make_shared<Tables>();
    tables->encode.fill(0);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            double entry = 0;
            for (int k = 0; k < 3; ++k)
                entry += toSrgb[row][k] * sourceColorants[k][column];
            if (!(std::abs(entry) < kLargestEntry))
                return {};
            tables->matrix[row][column] = std::int32_t(std::lround(entry * (1 << kMatrixBits)));
        }
    }
    for (int channel = 0; channel < 3; ++channel) {
        for (int level = 0; level < 256; ++level) {
            const double linear = cmsEvalToneCurveFloat(sourceCurves[channel], level / 255.0f);
            // A curve beyond 0..1 (from a broken or hostile file) is left to
            // LittleCMS, which clips after the matrix rather than before.
            if (!(linear >= -kCurveSlack && linear <= 1 + kCurveSlack))
                return {};
            tables->linear[channel][level] =
                std::int32_t(std::lround(std::clamp(linear, 0.0, 1.0) * kLinearOne));
        }
    }
    for (int step = 0; step <= kLinearOne; ++step) {
        const double level = cmsEvalToneCurveFloat(encoding.get(), float(step) / kLinearOne);
        tables->encode[step] = std::uint8_t(std::lround(std::clamp(level, 0.0, 1.0) * 255));
    }
    return tables;
}

// The tables for `icc`, or null when it is no matrix/shaper profile. The
// photos of one folder share a profile, and making the tables takes longer
// than converting a thumbnail.
std::shared_ptr<const Tables> TablesFor(const QByteArray& icc) {
    static RecentlyUsed<QByteArray, std::shared_ptr<const Tables>> kept(8);
    if (std::optional<std::shared_ptr<const Tables>> found = kept.Find(icc))
        return *found;
    std::shared_ptr<const Tables> made = MakeTables(icc);
    kept.Keep(icc, made);
    return made;
}

// One pixel's conversion, with the matrix held in registers: the pixels'
// stores could alias the tables, so the compiler would otherwise load the
// matrix again for every pixel.
class PixelConverter {
public:
    explicit PixelConverter(const Tables& tables)
        : linear_(tables.linear), encode_(tables.encode.data()), m00_(tables.matrix[0][0]),
          m01_(tables.matrix[0][1]), m02_(tables.matrix[0][2]), m10_(tables.matrix[1][0]),
          m11_(tables.matrix[1][1]), m12_(tables.matrix[1][2]), m20_(tables.matrix[2][0]),
          m21_(tables.matrix[2][1]), m22_(tables.matrix[2][2]) {}

    // The sRGB levels of (red, green, blue), packed as 0x00RRGGBB.
    std::uint32_t operator()(int red, int green, int blue) const {
        const std::int32_t r = linear_[0][red], g = linear_[1][green], b = linear_[2][blue];
        return std::uint32_t(Encoded(m00_ * r + m01_ * g + m02_ * b)) << 16 |
               std::uint32_t(Encoded(m10_ * r + m11_ * g + m12_ * b)) << 8 |
               Encoded(m20_ * r + m21_ * g + m22_ * b);
    }

private:
    std::uint8_t Encoded(std::int32_t sum) const {
        return encode_[std::clamp((sum + (1 << (kMatrixBits - 1))) >> kMatrixBits, 0, kLinearOne)];
    }

    const std::array<std::array<std::int32_t, 256>, 3>& linear_;
    const std::uint8_t* encode_;
    const std::int32_t m00_, m01_, m02_, m10_, m11_, m12_, m20_, m21_, m22_;
};

// The rows `first` to `last` of a picture's pixels, which several threads
// convert at once, each its own rows.
struct Rows {
    uchar* bits;
    qsizetype stride;
    int width, first, last;

    uchar* Row(int y) const { return bits + y * stride; }
};

void ConvertRgb32(const Tables& tables, const Rows& rows) {
    const PixelConverter convert(tables);
    const int width = rows.width;
    for (int y = rows.first; y < rows.last; ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(rows.Row(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = pixels[x];
            pixels[x] = (pixel & 0xFF000000u) | convert(qRed(pixel), qGreen(pixel), qBlue(pixel));
        }
    }
}

#if defined(__x86_64__)
#define KOLVIRA_AVX2 __attribute__((target("avx2")))

// Eight sRGB levels from one row of the matrix, as pairs of 16-bit entries
// (red and green; blue and the rounding half), and the linear channels
// paired the same way (red and green; blue and 1).
KOLVIRA_AVX2 inline __m256i EncodedAvx2(const Tables& tables, __m256i redGreenEntries,
                                        __m256i blueHalfEntries, __m256i redGreen,
                                        __m256i blueOne) {
    const __m256i sum = _mm256_add_epi32(_mm256_madd_epi16(redGreen, redGreenEntries),
                                         _mm256_madd_epi16(blueOne, blueHalfEntries));
    const __m256i step = _mm256_min_epi32(
        _mm256_max_epi32(_mm256_srai_epi32(sum, kMatrixBits), _mm256_setzero_si256()),
        _mm256_set1_epi32(kLinearOne));
    const auto* encode = reinterpret_cast<const int*>(tables.encode.data());
    return _mm256_and_si256(_mm256_i32gather_epi32(encode, step, 1), _mm256_set1_epi32(0xFF));
}

KOLVIRA_AVX2 inline __m256i LinearAvx2(const Tables& tables, int channel, __m256i levels) {
    return _mm256_i32gather_epi32(tables.linear[channel].data(), levels, 4);
}

// Two 16-bit numbers in each 32-bit lane, `low` first.
KOLVIRA_AVX2 inline __m256i Paired(int low, int high) {
    return _mm256_set1_epi32(int(std::uint32_t(std::uint16_t(low)) | std::uint32_t(high) << 16));
}

// ConvertRgb32 eight pixels at a time, the tables read by gathers.
KOLVIRA_AVX2 void ConvertRgb32Avx2(const Tables& tables, const Rows& rows) {
    const auto& m = tables.matrix;
    const int half = 1 << (kMatrixBits - 1);
    const __m256i redRow = Paired(m[0][0], m[0][1]), redRowBlue = Paired(m[0][2], half);
    const __m256i greenRow = Paired(m[1][0], m[1][1]), greenRowBlue = Paired(m[1][2], half);
    const __m256i blueRow = Paired(m[2][0], m[2][1]), blueRowBlue = Paired(m[2][2], half);
    const __m256i low = _mm256_set1_epi32(0xFF), alpha = _mm256_set1_epi32(int(0xFF000000u));
    const __m256i one = _mm256_set1_epi32(1 << 16);
    const PixelConverter convert(tables);
    const int width = rows.width;
    for (int y = rows.first; y < rows.last; ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(rows.Row(y));
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            auto* at = reinterpret_cast<__m256i*>(pixels + x);
            const __m256i pixel = _mm256_loadu_si256(at);
            const __m256i r =
                LinearAvx2(tables, 0, _mm256_and_si256(_mm256_srli_epi32(pixel, 16), low));
            const __m256i g =
                LinearAvx2(tables, 1, _mm256_and_si256(_mm256_srli_epi32(pixel, 8), low));
            const __m256i b = LinearAvx2(tables, 2, _mm256_and_si256(pixel, low));
            const __m256i redGreen = _mm256_or_si256(r, _mm256_slli_epi32(g, 16));
            const __m256i blueOne = _mm256_or_si256(b, one);
            const __m256i red = EncodedAvx2(tables, redRow, redRowBlue, redGreen, blueOne);
            const __m256i green = EncodedAvx2(tables, greenRow, greenRowBlue, redGreen, blueOne);
            const __m256i blue = EncodedAvx2(tables, blueRow, blueRowBlue, redGreen, blueOne);
            const __m256i rgb = _mm256_or_si256(
                _mm256_or_si256(_mm256_slli_epi32(red, 16), _mm256_slli_epi32(green, 8)), blue);
            _mm256_storeu_si256(at, _mm256_or_si256(_mm256_and_si256(pixel, alpha), rgb));
        }
        for (; x < width; ++x) {
            const QRgb pixel = pixels[x];
            pixels[x] = (pixel & 0xFF000000u) | convert(qRed(pixel), qGreen(pixel), qBlue(pixel));
        }
    }
}
#endif

void ConvertRgb888(const Tables& tables, const Rows& rows) {
    const PixelConverter convert(tables);
    const int width = rows.width;
    for (int y = rows.first; y < rows.last; ++y) {
        uchar* pixel = rows.Row(y);
        for (int x = 0; x < width; ++x, pixel += 3) {
            const std::uint32_t rgb = convert(pixel[0], pixel[1], pixel[2]);
            pixel[0] = uchar(rgb >> 16);
            pixel[1] = uchar(rgb >> 8);
            pixel[2] = uchar(rgb);
        }
    }
}

} // namespace

bool MatrixShaperToSrgb(QImage& image, const QByteArray& icc) {
    const QImage::Format format = image.format();
    const bool rgb32 = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
    if ((!rgb32 && format != QImage::Format_RGB888) || icc.isEmpty())
        return false;
    const std::shared_ptr<const Tables> tables = TablesFor(icc);
    if (!tables)
        return false;
    void (*convert)(const Tables&, const Rows&) = rgb32 ? ConvertRgb32 : ConvertRgb888;
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (rgb32 && avx2)
        convert = ConvertRgb32Avx2;
#endif
    uchar* bits = image.bits(); // detached here, before the threads share it
    if (bits == nullptr)
        return false;
    const qsizetype stride = image.bytesPerLine();
    const int width = image.width();
    ForRowBands(image.height(), qint64(width) * image.height(), [&](int first, int last) {
        convert(*tables, Rows{bits, stride, width, first, last});
    });
    image.setColorSpace(QColorSpace::SRgb);
    return true;
}

} // namespace kolvira

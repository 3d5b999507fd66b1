#include "render/RenderTables.h"
#include "render/Truncate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace kolvira {
namespace {

bool IsUnitValue(double v) {
    return v >= 0.0 && v <= 1.0;
} // false for NaN

std::int32_t Scaled(std::int32_t channel, double gain) {
    return ClampHigh(TruncateToInt((channel * gain) * 2.0));
}

PixelWord WordOf(std::int32_t r, std::int32_t g, std::int32_t b) {
    return 0xFF000000u | ((static_cast<std::uint32_t>(r) & 0xFFu) << 16) |
           ((static_cast<std::uint32_t>(g) & 0xFFu) << 8) | (static_cast<std::uint32_t>(b) & 0xFFu);
}

ChannelRouting MakeRouting(const RenderParameters& s) {
    ChannelRouting routing;
    auto& src = routing.source;
    if (s.shiftColors)
        src = {src[1], src[2], src[0]};
    if (s.sandySky)
        std::swap(src[0], src[2]);
    for (int k = 0; k < 3; ++k)
        routing.shift[k] = 16 - 8 * src[k];
    routing.invertMask = s.invertColors ? 0xFF : 0;
    return routing;
}

PixelWord GreyOverrideWord(const RenderParameters& s, std::int32_t e, const double gains[3]) {
    const double fB = 1.0 - s.brightness;
    PixelWord word = 0;
    if (s.stamp) {
        word = e > TruncateToInt(s.brightness * 255.0)
                   ? WordOf(255, 255, 255)
                   : WordOf(TruncateToInt(gains[0] * 255.0), TruncateToInt(gains[1] * 255.0),
                            TruncateToInt(gains[2] * 255.0));
    }
    if (s.blackWhitePhoto) {
        const std::int32_t level = Scaled(e, fB);
        word = WordOf(Scaled(level, gains[0]), Scaled(level, gains[1]), Scaled(level, gains[2]));
    }
    if (s.blackWhiteDream) {
        const std::int32_t amplitude = TruncateToInt((e * s.brightness) * 20.0);
        word = WordOf(TruncateToInt(gains[0] * amplitude), TruncateToInt(gains[1] * amplitude),
                      TruncateToInt(gains[2] * amplitude));
    }
    return word;
}

// newColor after the brightness step, or after the brush's boost of its
// strictly dominant channel.
PixelWord ReplacedWord(const EffectTables& t) {
    std::int32_t c[3] = {t.newChannels[0], t.newChannels[1], t.newChannels[2]};
    if (!t.impressionBrush) {
        for (auto& v : c)
            v = t.brightness[v];
    } else {
        for (int k = 0; k < 3; ++k) {
            if (c[k] > c[(k + 1) % 3] && c[k] > c[(k + 2) % 3]) {
                c[k] = t.boost[c[k]];
                break;
            }
        }
    }
    return WordOf(c[0], c[1], c[2]);
}

unsigned ApplyScale(EffectTables::Scale s, unsigned v) {
    return std::min(v * s.whole + ((v * s.fraction + s.offset) >> 16), 255u);
}

// The offsets that make v x whole + ((v x fraction + offset) >> 16) give
// table[v] for every v below the clamp, as [lowest, highest].
std::pair<long long, long long> OffsetRange(const std::uint8_t* table, long long whole,
                                            long long fraction) {
    long long lowest = 0, highest = 65535;
    for (long long v = 1; v < 256; ++v) {
        const long long need = (table[v] - whole * v) * 65536 - v * fraction;
        lowest = std::max(lowest, need);
        if (table[v] < 255)
            highest = std::min(highest, need + 65535);
    }
    return {lowest, highest};
}

// A scale that gives table[v] for every v in 0..255, if there is one. The
// tables come from double-precision steps, which now and then land one below
// an exact product; the offset absorbs most of those.
std::optional<EffectTables::Scale> FixedPointScale(const std::uint8_t* table) {
    if (table[0] != 0)
        return std::nullopt;
    // Levels scale by at most 2, the brush's boost by at most 3.5.
    for (long long whole = 0; whole <= 3; ++whole) {
        // The fractions that fit without an offset; with one, a little less.
        long long lowest = 0, highest = 65535;
        for (long long v = 1; v < 256; ++v) {
            const long long rest = table[v] - whole * v;
            lowest = std::max(lowest, (rest * 65536 + v - 1) / v);
            if (table[v] < 255)
                highest = std::min(highest, ((rest + 1) * 65536 + v - 1) / v - 1);
        }
        const long long first = std::clamp(std::min(lowest, highest) - 256, 0LL, 65535LL);
        const long long last = std::clamp(lowest, 0LL, 65535LL);
        for (long long fraction = last; fraction >= first; --fraction) {
            const auto [offsetLow, offsetHigh] = OffsetRange(table, whole, fraction);
            if (offsetLow > offsetHigh)
                continue;
            const EffectTables::Scale scale{static_cast<std::uint16_t>(whole),
                                            static_cast<std::uint16_t>(fraction),
                                            static_cast<std::uint16_t>(offsetLow)};
            bool exact = true;
            for (unsigned v = 0; v < 256 && exact; ++v)
                exact = ApplyScale(scale, v) == table[v];
            if (exact)
                return scale;
        }
    }
    return std::nullopt;
}

void MakeFixedPoint(EffectTables& t) {
    auto& f = t.fixedPoint;
    for (int k = 0; k < 3; ++k) {
        const auto level = FixedPointScale(t.level[k].data());
        if (!level)
            return;
        f.level[k] = *level;
        // Levels rise with the channel, so the matching ones form a range.
        int first = 256, last = -1;
        for (int v = 0; v < 256; ++v) {
            if (t.replaceEnabled && t.matches[k][v]) {
                first = std::min(first, v);
                last = v;
            }
        }
        for (int v = first; v <= last; ++v)
            if (!t.matches[k][v])
                return;
        f.matchAbove[k] = static_cast<std::int16_t>(first - 1);
        f.matchBelow[k] = static_cast<std::int16_t>(last + 1);
    }
    const auto finish = FixedPointScale(t.impressionBrush ? t.boost.data() : t.brightness.data());
    if (!finish)
        return;
    f.finish = *finish;
    f.usable = true;
}

} // namespace

bool SettingsFitTables(const RenderParameters& s) {
    return s.style >= kStylePen && s.style <= kStylePhotoEffects && IsUnitValue(s.penPress) &&
           IsUnitValue(s.details) && IsUnitValue(s.brightness) && IsUnitValue(s.redLevel) &&
           IsUnitValue(s.greenLevel) && IsUnitValue(s.blueLevel);
}

StyleParams MakeStyleParams(const RenderParameters& s) {
    StyleParams p;
    p.style = s.style;
    // Gradients are whole numbers, so |g| > t exactly when |g| > floor(t);
    // with t in 0..20 the floor is exact.
    p.edgeThreshold = static_cast<std::int32_t>(std::floor(s.details * 20.0));
    p.greyThreshold = TruncateToInt((s.details * 20.0) * 5.0);
    const std::int32_t stroke = TruncateToInt(s.penPress * 255.0);
    p.strokeWord = WordOf(stroke, stroke, stroke);
    return p;
}

EffectTables MakeEffectTables(const RenderParameters& s) {
    EffectTables t;
    t.routing = MakeRouting(s);
    const double gains[3] = {1.0 - s.redLevel, 1.0 - s.greenLevel, 1.0 - s.blueLevel};
    const double fB = 1.0 - s.brightness;

    for (int k = 0; k < 3; ++k)
        for (std::int32_t v = 0; v < 272; ++v)
            t.level[k][v] = static_cast<std::uint8_t>(Scaled(v, gains[k]));

    t.replaceEnabled = s.oldColor != s.newColor;
    const std::int32_t oldChannels[3] = {static_cast<std::int32_t>(RedOf(s.oldColor)),
                                         static_cast<std::int32_t>(GreenOf(s.oldColor)),
                                         static_cast<std::int32_t>(BlueOf(s.oldColor))};
    t.newChannels = {static_cast<std::int32_t>(RedOf(s.newColor)),
                     static_cast<std::int32_t>(GreenOf(s.newColor)),
                     static_cast<std::int32_t>(BlueOf(s.newColor))};
    for (int k = 0; k < 3; ++k)
        for (std::int32_t v = 0; v < 256; ++v)
            t.matches[k][v] = std::abs(v - oldChannels[k]) < s.replaceDepth;

    t.impressionBrush = s.impressionBrush;
    const double boost = 2.5 * fB + 1.0;
    for (std::int32_t v = 0; v < 256; ++v) {
        t.brightness[v] = static_cast<std::uint8_t>(Scaled(v, fB));
        t.boost[v] = static_cast<std::uint8_t>(ClampHigh(TruncateToInt(v * boost)));
    }

    t.greyOverride = s.stamp || s.blackWhitePhoto || s.blackWhiteDream;
    for (std::int32_t e = 0; e < 256; ++e)
        t.greyOverrideWord[e] = GreyOverrideWord(s, e, gains);

    for (int k = 0; k < 3; ++k) {
        const int j = t.routing.source[k];
        const int shift = 16 - 8 * k;
        for (std::int32_t v = 0; v < 256; ++v) {
            const std::int32_t working = v ^ t.routing.invertMask;
            const std::int32_t levelled = t.level[k][working];
            std::uint32_t entry = static_cast<std::uint32_t>(t.brightness[levelled]) << shift;
            if (t.replaceEnabled && t.matches[k][levelled])
                entry |= 1u << (24 + k);
            t.fused[j][v] = entry;
        }
    }
    for (int k = 0; k < 3; ++k) {
        for (std::int32_t v = 0; v < 272; ++v) {
            const std::uint32_t l = t.level[k][v];
            t.levelled[k][v] = l | (static_cast<std::uint32_t>(t.brightness[l]) << 8) |
                               (t.replaceEnabled && t.matches[k][l] ? kLevelledMatches : 0);
        }
    }
    t.replacedWord = ReplacedWord(t);
    MakeFixedPoint(t);
    return t;
}

} // namespace kolvira

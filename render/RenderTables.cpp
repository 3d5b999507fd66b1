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

// A scale that gives table[v], or with slack 1 table[v] or one more, for
// every v in 0..255, if there is one. The tables come from double-precision
// steps, which now and then land one below an exact product; the offset
// absorbs most of those, and the slack the rest.
std::optional<EffectTables::Scale> FixedPointScale(const std::uint8_t* table, int slack = 0) {
    if (table[0] != 0)
        return std::nullopt;
    constexpr long long kUnbounded = 1LL << 40;
    // Levels scale by at most 2, the brush's boost by at most 3.5, levels and
    // brightness together by at most 4.
    for (long long whole = 0; whole <= 4; ++whole) {
        // Each v needs v x fraction + offset in [lower[v], upper[v]]; above
        // the clamp only the lower bound holds.
        std::array<long long, 256> lower{}, upper{};
        for (long long v = 1; v < 256; ++v) {
            const long long rest = table[v] - whole * v;
            lower[v] = rest * 65536;
            upper[v] = table[v] + slack < 255 ? (rest + 1 + slack) * 65536 - 1 : kUnbounded;
        }
        // The lowest offset a fraction needs minus the highest it allows: the
        // fraction fits when that is 0 or less. It is convex in the fraction,
        // so its least value is where it stops falling.
        const auto excess = [&](long long fraction, long long& offset) {
            long long lowest = 0, highest = 65535;
            for (long long v = 1; v < 256; ++v) {
                lowest = std::max(lowest, lower[v] - v * fraction);
                highest = std::min(highest, upper[v] - v * fraction);
            }
            offset = lowest;
            return lowest - highest;
        };
        long long first = 0, last = 65535, offset = 0;
        while (first < last) {
            const long long middle = (first + last) / 2;
            if (excess(middle + 1, offset) >= excess(middle, offset))
                last = middle;
            else
                first = middle + 1;
        }
        if (excess(first, offset) > 0)
            continue;
        const EffectTables::Scale scale{static_cast<std::uint16_t>(whole),
                                        static_cast<std::uint16_t>(first),
                                        static_cast<std::uint16_t>(offset)};
        bool fits = true;
        for (unsigned v = 0; v < 256 && fits; ++v) {
            const int over = static_cast<int>(ApplyScale(scale, v)) - table[v];
            fits = over >= 0 && over <= slack;
        }
        if (fits)
            return scale;
    }
    return std::nullopt;
}

// A scale per channel for tables[k], lowered where it must be; false when
// some channel has none.
bool FitChannels(const std::array<const std::uint8_t*, 3>& tables,
                 EffectTables::ChannelScales& fit) {
    for (int k = 0; k < 3; ++k) {
        auto scale = FixedPointScale(tables[k]);
        if (!scale) {
            scale = FixedPointScale(tables[k], 1);
            if (!scale)
                return false;
            for (unsigned v = 0; v < 256; ++v) {
                if (ApplyScale(*scale, v) != tables[k][v]) {
                    fit.lowered[k][v >> 7][v & 15] |=
                        static_cast<std::uint8_t>(1u << ((v >> 4) & 7));
                    fit.anyLowered = true;
                }
            }
        }
        fit.scale[k] = *scale;
    }
    return true;
}

// The values v in 0..255 for which matches(v) holds, as [first, last], when
// they form one range (empty: first > last); nullopt otherwise.
template <typename Matches> std::optional<std::pair<int, int>> MatchingRange(Matches matches) {
    int first = 256, last = -1;
    for (int v = 0; v < 256; ++v) {
        if (matches(v)) {
            first = std::min(first, v);
            last = v;
        }
    }
    for (int v = first; v <= last; ++v)
        if (!matches(v))
            return std::nullopt;
    return std::pair{first, last};
}

void MakeFixedPoint(EffectTables& t) {
    auto& f = t.fixedPoint;
    std::array<std::array<std::uint8_t, 256>, 3> composed{};
    for (int k = 0; k < 3; ++k)
        for (int v = 0; v < 256; ++v)
            composed[k][v] = t.brightness[t.level[k][v]];
    // Levels rise with the channel, so the matching levels, and the working
    // values that reach them, form ranges.
    f.composed = !t.impressionBrush &&
                 FitChannels({composed[0].data(), composed[1].data(), composed[2].data()},
                             f.levelAndBrightness);
    for (int k = 0; k < 3 && f.composed; ++k) {
        const auto range =
            MatchingRange([&](int v) { return t.replaceEnabled && t.matches[k][t.level[k][v]]; });
        if (!range) {
            f.composed = false;
            break;
        }
        const bool none = range->first > range->second;
        f.matchFirst[k] = static_cast<std::uint8_t>(none ? 255 : range->first);
        f.matchLast[k] = static_cast<std::uint8_t>(none ? 0 : range->second);
    }

    if (!FitChannels({t.level[0].data(), t.level[1].data(), t.level[2].data()}, f.level))
        return;
    for (int k = 0; k < 3; ++k) {
        const auto range =
            MatchingRange([&](int v) { return t.replaceEnabled && t.matches[k][v]; });
        if (!range)
            return;
        f.matchAbove[k] = static_cast<std::int16_t>(range->first - 1);
        f.matchBelow[k] = static_cast<std::int16_t>(range->second + 1);
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

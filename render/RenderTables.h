// What the bulk render paths precompute from the settings once per pass, so
// that each pixel costs a few integer operations and table look-ups. Every
// table entry is computed with the same double-precision steps as the
// per-pixel definition in DrawingStyles.cpp and PhotoEffects.cpp.
#pragma once

#include "render/Colorref.h"
#include "render/RenderParameters.h"

#include <array>
#include <cstdint>

namespace kolvira {

// True when every slider value lies in 0..1 and the style is 0..7: the range
// the tables are built for. Anything else takes the plain per-pixel pass.
bool SettingsFitTables(const RenderParameters& settings);

struct StyleParams {
    std::int32_t style = 0;
    // |gradient| > edgeThreshold exactly when |gradient| > details x 20.
    std::int32_t edgeThreshold = 0;
    // The grey threshold of "Coal" and "Revolution".
    std::int32_t greyThreshold = 0;
    PixelWord strokeWord = 0; // the colour of an edge
};

StyleParams MakeStyleParams(const RenderParameters& settings);

// The working channels 0, 1, 2 (r, g, b) after inversion, rotation and swap:
// working channel k is picture channel source[k] (0 red, 1 green, 2 blue),
// taken as 255 minus itself (c ^ 0xFF) when the colours are inverted.
struct ChannelRouting {
    std::array<int, 3> source{0, 1, 2};
    // For picking working channel k out of a picture word:
    // ((word >> shift[k]) & 0xFF) ^ invertMask.
    std::array<int, 3> shift{16, 8, 0};
    std::int32_t invertMask = 0;
};

struct EffectTables {
    ChannelRouting routing;
    // Levels: working channel value (0..270 with the blur) -> 0..255.
    std::array<std::array<std::uint8_t, 272>, 3> level{};
    // Whether a levelled channel lies within replaceDepth of oldColor's.
    std::array<std::array<std::uint8_t, 256>, 3> matches{};
    bool replaceEnabled = false;
    std::array<std::int32_t, 3> newChannels{}; // newColor as r, g, b
    bool impressionBrush = false;
    // Brightness without the brush: levelled channel -> result channel.
    std::array<std::uint8_t, 256> brightness{};
    // The brush's boost of the dominant channel.
    std::array<std::uint8_t, 256> boost{};
    // "Stamp", "Black-white photo", "Black-white dream" replace the whole
    // result with a colour that depends on the grey level alone.
    bool greyOverride = false;
    std::array<PixelWord, 256> greyOverrideWord{};
    // Without the blur, each picture channel maps to a fixed result channel:
    // fused[j][v] is the result of picture channel j at value v, placed at its
    // result bit position, with bit 24 + k set when working channel k matches
    // oldColor. Used when neither the brush nor the blur is on.
    std::array<std::array<std::uint32_t, 256>, 3> fused{};
    // The result when all three channels match: newColor, brightened
    // without the brush, boosted with it.
    PixelWord replacedWord = 0;
    // Per working channel value (0..271): the levelled value in bits 0-7, its
    // brightness result in bits 8-15, and kLevelledMatches when it lies
    // within replaceDepth of oldColor (and replacement is on).
    std::array<std::array<std::uint32_t, 272>, 3> levelled{};

    // The same steps in 16-bit integer arithmetic, where it gives exactly the
    // tables' values for every channel value c in 0..255 (checked when the
    // tables are made): a scaled channel is
    // min(c x whole + ((c x fraction + offset) >> 16), 255).
    struct Scale {
        std::uint16_t whole = 0;
        std::uint16_t fraction = 0;
        std::uint16_t offset = 0;
    };
    // One scale per working channel. Where double rounding lands one below
    // every 16-bit formula, a channel's scale may give one more than its
    // table at a few values, which are then lowered: channel k at value v is
    // lowered when bit (v >> 4) & 7 of lowered[k][v >> 7][v & 15] is set (a
    // layout a byte shuffle reads sixteen values at a time).
    struct ChannelScales {
        std::array<Scale, 3> scale{};
        bool anyLowered = false;
        std::array<std::array<std::array<std::uint8_t, 16>, 2>, 3> lowered{};
    };
    struct {
        // The levels, then `finish`: the brightness without the brush, the
        // boost with it. A levelled channel matches oldColor when
        // matchAbove[k] < level < matchBelow[k].
        bool usable = false;
        ChannelScales level;
        Scale finish{};
        std::array<std::int16_t, 3> matchAbove{};
        std::array<std::int16_t, 3> matchBelow{};
        // Without the brush, the levels and the brightness in one scale per
        // channel, where one fits; a pixel is then replaced when every
        // working channel lies in matchFirst[k]..matchLast[k].
        bool composed = false;
        ChannelScales levelAndBrightness;
        std::array<std::uint8_t, 3> matchFirst{};
        std::array<std::uint8_t, 3> matchLast{};
    } fixedPoint;
};

inline constexpr std::uint32_t kLevelledMatches = 1u << 16;

EffectTables MakeEffectTables(const RenderParameters& settings);

// The result word for working channels r, g, b (each 0..270) after the
// levels: replacement, then brightness or the brush.
inline PixelWord FinishEffect(const EffectTables& t, std::int32_t r, std::int32_t g,
                              std::int32_t b) {
    const std::uint32_t er = t.levelled[0][r], eg = t.levelled[1][g], eb = t.levelled[2][b];
    if (er & eg & eb & kLevelledMatches)
        return t.replacedWord;
    if (!t.impressionBrush) {
        return 0xFF000000u | ((er & 0xFF00u) << 8) | (eg & 0xFF00u) | ((eb >> 8) & 0xFFu);
    }
    // The brush boosts the strictly dominant channel, if there is one.
    r = er & 0xFF;
    g = eg & 0xFF;
    b = eb & 0xFF;
    const bool redDominates = (r > g) & (r > b);
    const bool greenDominates = (g > r) & (g > b);
    const bool blueDominates = (b > r) & (b > g);
    r = redDominates ? t.boost[r] : r;
    g = greenDominates ? t.boost[g] : g;
    b = blueDominates ? t.boost[b] : b;
    return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) |
           (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}

// Working channel k (0..255) of a picture word.
inline std::int32_t WorkingChannel(const EffectTables& t, PixelWord w, int k) {
    return static_cast<std::int32_t>((w >> t.routing.shift[k]) & 0xFFu) ^ t.routing.invertMask;
}

// Grey level floor((R + G + B) / 3) of a picture word; the multiply-shift is
// exact for every sum up to 765.
inline std::int32_t GreyOfWord(PixelWord w) {
    const std::uint32_t sum = ((w >> 16) & 0xFFu) + ((w >> 8) & 0xFFu) + (w & 0xFFu);
    return static_cast<std::int32_t>((sum * 43691u) >> 17);
}

} // namespace kolvira

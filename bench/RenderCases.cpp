#include "RenderCases.h"

namespace kolvira::bench {

RenderParameters Style(int style) {
    RenderParameters s;
    s.active = true;
    s.style = style;
    s.penPress = 0.25;
    s.details = 0.75;
    s.brightness = s.redLevel = s.greenLevel = s.blueLevel = 0.5;
    s.replaceDepth = 40;
    s.brushSize = 2;
    return s;
}

std::vector<Case> Cases() {
    // The Photo Editor's opening levels, with switches and a replacement.
    auto effects = Style(kolvira::kStylePhotoEffects);
    effects.invertColors = true;
    effects.sandySky = true;
    effects.oldColor = 0x00408060;
    effects.newColor = 0x000000FF;
    auto blur = effects;
    blur.blur = true;
    auto brush = effects;
    brush.impressionBrush = true;
    // Red at slider position 70: one of the few levels whose double-precision
    // steps no 16-bit formula follows, so the formula is lowered by one at the
    // values it misses (before, table look-ups served instead).
    auto lookups = effects;
    lookups.redLevel = kolvira::SliderValue(70);
    return {
        {"pen", Style(kolvira::kStylePen)},
        {"pencil", Style(kolvira::kStylePencil)},
        {"coal", Style(kolvira::kStyleCoal)},
        {"water-color", Style(kolvira::kStyleWaterColor)},
        {"picasso", Style(kolvira::kStylePicasso)},
        {"rainbow", Style(kolvira::kStyleRainbow)},
        {"revolution", Style(kolvira::kStyleRevolution)},
        {"effects", effects},
        {"effects-blur", blur},
        {"brush", brush},
        {"effects-lookups", lookups},
    };
}

} // namespace kolvira::bench

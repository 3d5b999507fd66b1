// Every parameter of one rendering: the drawing style or effect mode, the
// eight effect switches, the slider values, the colour replacement and the
// impression brush. The dialogs write it (through a photo view's settings)
// and the render pass only reads it.
#pragma once

#include "render/Colorref.h"

#include <cstdint>

namespace kolvira {

// The style numbers the Paint dialog stores; 7 selects the photo effects.
enum RenderStyle : std::int32_t {
    kStylePen = 0,
    kStylePencil = 1,
    kStyleCoal = 2,
    kStyleWaterColor = 3,
    kStylePicasso = 4,
    kStyleRainbow = 5,
    kStyleRevolution = 6,
    kStylePhotoEffects = 7,
};

// A plain value record, copied whole. A default-constructed record is the
// cleared record of a freshly constructed photo view: everything false, zero
// or absent.
struct RenderParameters {
    bool active = false;
    bool invertColors = false;    // "Inversed colors"
    bool shiftColors = false;     // "Shifted colors"
    bool sandySky = false;        // "Sandy sky"
    bool blur = false;            // "Blur"
    bool impressionBrush = false; // "Impression   brush:" (also block painting)
    bool stamp = false;           // "Stamp"
    bool blackWhitePhoto = false; // "Black-white photo"
    bool blackWhiteDream = false; // "Black-white dream"
    std::int32_t style = kStylePen;
    std::int32_t replaceDepth = 0; // channel steps; 0 or less replaces nothing
    std::int32_t brushSize = 0;    // block edge in pixels while impressionBrush is set
    // Slider values, each 1.0 - position / 100: 0.0 at "more", 1.0 at "less".
    double penPress = 0.0;
    double details = 0.0;
    double brightness = 0.0;
    double redLevel = 0.0;
    double greenLevel = 0.0;
    double blueLevel = 0.0;
    COLORREF oldColor = 0; // the colour to be replaced
    COLORREF newColor = 0; // the replacement colour

    // Equal records render the same picture.
    bool operator==(const RenderParameters&) const = default;
};

// The value a slider at `position` (0..100) stores.
constexpr double SliderValue(int position) {
    return 1.0 - position / 100.0;
}

} // namespace kolvira

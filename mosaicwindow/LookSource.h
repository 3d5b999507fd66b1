// Where Render Selection finds its look: the Paint and Photo Editor dialogs
// run on a record of its own, or the settings of a photo window. The
// application implements it and hands it to the Mosaic views only.
#pragma once

#include "render/RenderParameters.h"

#include <optional>

class QWidget;

namespace kolvira {

// What a photo window shows: its settings and the width of its picture.
struct PhotoWindowLook {
    RenderParameters settings;
    int pictureWidth = 0; // in pixels, as the picture is made
};

class LookSource {
public:
    virtual ~LookSource() = default;

    // Runs the Paint (ID_PAINT) or Photo Editor (ID_PHOTO_EDITOR) dialog on
    // `look`, a record no window shows: Apply writes the controls into it,
    // OK keeps what was applied and Cancel puts it back. False on Cancel.
    virtual bool EditLook(RenderParameters& look, int commandId, QWidget* parent) = 0;
    // The photo window most recently active, while it is open.
    virtual std::optional<PhotoWindowLook> ActivePhotoWindowLook() const = 0;
};

} // namespace kolvira

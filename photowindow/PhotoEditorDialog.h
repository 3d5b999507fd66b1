// The Photo Editor dialog: the eight photo effects, the impression brush's
// size, the red, green and blue levels, the brightness, and the replacement
// of one colour by another within a depth. Apply writes every control into
// the record the dialog was given, selects the photo effects and calls its
// apply callback (the view redraws); OK and Cancel write nothing.
#pragma once

#include "framework/Dialog.h"
#include "photowindow/RenderSettings.h"
#include "render/Colorref.h"

#include <array>
#include <functional>

class QCheckBox;
class QSlider;

namespace kolvira {

class DigitsEdit;

class PhotoEditorDialog : public Dialog {
    Q_OBJECT

public:
    explicit PhotoEditorDialog(RenderSettings& settings, std::function<void()> applied = {},
                               QWidget* parent = nullptr);

    // The colour to replace and its replacement as the swatches show them:
    // taken from the record at opening, changed by "old" and "new", and
    // written back only by Apply.
    kolvira::COLORREF oldColor = 0;
    kolvira::COLORREF newColor = 0;

protected:
    void OnInitDialog() override;

private:
    void OnApply();
    void ChooseColor(kolvira::COLORREF& color);

    std::array<QCheckBox*, 8> effectSwitches_{}; // in the order of the effect table
    DigitsEdit* brushSize_ = nullptr;
    DigitsEdit* replaceDepth_ = nullptr;
    QSlider* brightness_ = nullptr;
    QSlider* redLevel_ = nullptr;
    QSlider* greenLevel_ = nullptr;
    QSlider* blueLevel_ = nullptr;
    RenderSettings& settings_;
    std::function<void()> applied_;
};

} // namespace kolvira

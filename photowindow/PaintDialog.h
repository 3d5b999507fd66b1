// The Paint dialog: the drawing style and the "Pen press:" and "Details:"
// sliders of a photo view's rendering. Apply writes them into the record
// the dialog was given and calls its apply callback (the view redraws);
// OK and Cancel write nothing. It opens at "Pen" with the sliders at 75 and
// 25 whatever the record holds.
#pragma once

#include "framework/Dialog.h"
#include "photowindow/RenderSettings.h"

#include <QString>

#include <functional>

class QButtonGroup;
class QSlider;

namespace kolvira {

class PaintDialog : public Dialog {
    Q_OBJECT

public:
    explicit PaintDialog(RenderSettings& settings, std::function<void()> applied = {},
                         QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;

private:
    void OnApply();

    QButtonGroup* styles_ = nullptr; // the radio buttons, by control id
    QSlider* penPress_ = nullptr;
    QSlider* details_ = nullptr;
    RenderSettings& settings_;
    std::function<void()> applied_;
};

// The name of a drawing style as the dialog shows it; "Photo Editor" for
// the photo effects.
QString StyleText(int style);

} // namespace kolvira

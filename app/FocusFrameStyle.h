// The desktop's style with a focus frame nobody misses: sliders and push
// buttons with the keyboard focus get a solid frame in the highlight colour,
// where the style alone shows a faint glow on a slider and, on the default
// button, little more than its default frame.
#pragma once

#include <QProxyStyle>

namespace kolvira {

class FocusFrameStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace kolvira

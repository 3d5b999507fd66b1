// A sample of a colour in a one-pixel black frame. The colour covers all of
// the frame but its top and left lines. It takes the keyboard focus, which
// a dotted frame inside shows, so that screen readers reach it.
#pragma once

#include "render/Colorref.h"

#include <QColor>
#include <QWidget>

#include <functional>

namespace kolvira {

class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    // Asked for the colour at every paint, so that repainting shows the
    // colour its owner holds now.
    using ColorSource = std::function<kolvira::COLORREF()>;

    explicit ColorSwatch(ColorSource color, QWidget* parent = nullptr);

    QColor Color() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorSource color_;
};

} // namespace kolvira

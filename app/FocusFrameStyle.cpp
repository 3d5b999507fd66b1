#include "app/FocusFrameStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace kolvira {

namespace {

void DrawFocusFrame(const QStyleOption& option, QPainter& painter, int inset) {
    if ((option.state & QStyle::State_HasFocus) == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(option.palette.color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(option.rect.adjusted(inset + 1, inset + 1, -inset - 1, -inset - 1));
    painter.restore();
}

} // namespace

void FocusFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_Slider)
        DrawFocusFrame(*option, *painter, 0);
}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // Inside the button's own frame, which marks the default button.
    if (element == CE_PushButton)
        DrawFocusFrame(*option, *painter, 2);
}

} // namespace kolvira

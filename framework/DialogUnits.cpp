#include "framework/DialogUnits.h"

#include <QApplication>
#include <QFontMetrics>

#include <cmath>

namespace kolvira {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average over the 52 letters, as dialog templates measure it.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    averageCharWidth_ = std::round(metrics.horizontalAdvance(letters) / 26.0) / 2.0;
    charHeight_ = metrics.height();
}

int DialogUnits::X(int units) const {
    return static_cast<int>(std::lround(units * averageCharWidth_ / 4.0));
}

int DialogUnits::Y(int units) const {
    return static_cast<int>(std::lround(units * charHeight_ / 8.0));
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(x + width) - X(x), Y(y + height) - Y(y));
}

QFont DialogFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

} // namespace kolvira

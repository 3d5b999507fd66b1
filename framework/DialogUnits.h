// Dialog layouts are given in dialog units, which scale with the dialog's
// font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>

namespace kolvira {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    // A rectangle given as x, y, width, height in dialog units.
    QRect Rect(int x, int y, int width, int height) const;

private:
    double averageCharWidth_;
    int charHeight_;
};

// The font dialogs are laid out in: the system's dialog font at 8 points.
QFont DialogFont();

} // namespace kolvira

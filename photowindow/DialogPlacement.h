// Where the Paint and Photo Editor dialogs open: beside the photo window,
// so that the preview their Apply draws stays in sight, or, once the user
// has moved a dialog of that kind, where it was left.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QDialog;
class QWidget;

namespace kolvira {

// The top-left corner for a window of `size` beside `photo` on `screen`:
// right of it when there is room, else left of it, else against the
// screen's edge on the side with more room. Kept level with the photo's
// top as far as the screen allows.
QPoint PlaceBeside(const QRect& photo, QSize size, const QRect& screen);

// The place of one kind of dialog while the program runs.
class DialogPlace {
public:
    // Before the dialog shows: moves it to where the user last left one of
    // its kind, else beside `photoWindow`.
    void Open(QDialog& dialog, const QWidget& photoWindow);
    // After it has closed: remembers its place if the user moved it.
    void Closed(const QDialog& dialog);

private:
    std::optional<QPoint> openedAt_; // none when Qt placed it
    std::optional<QPoint> leftAt_;
};

} // namespace kolvira

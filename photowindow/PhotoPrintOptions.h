// How a photo window prints: the picture as the window shows it or the
// photo at full resolution, at its size on the screen from the page's
// top-left corner or fitted to the page. The options tab of the print
// dialog and the row under Print Preview's pages set them.
#pragma once

#include <QRectF>
#include <QSize>

#include <functional>

class QWidget;

namespace kolvira {

struct PhotoPrintChoice {
    bool fullResolution = false;
    bool fitToPage = false;
};

// The options as radio buttons titled "Picture", writing into `choice`
// (which must outlive the widget); `shown` and `full` are the two
// pictures' sizes in pixels. `changed` runs after each change; when it
// returns false the option goes back to what it was.
QWidget* MakePhotoPrintOptions(PhotoPrintChoice& choice, QSize shown, QSize full,
                               std::function<bool()> changed);

// A picture of `picture` pixels as large as fits in `area`, proportions
// kept, centred.
QRectF FittedRect(QSizeF picture, const QRectF& area);

} // namespace kolvira

// Printing at the screen's physical size: one logical unit of a printed
// page is one screen pixel, so a picture prints as large as it looks on a
// screen of the screen's logical resolution.
#pragma once

#include <QSizeF>

class QPaintDevice;

namespace kolvira {

// The primary screen's logical dots per inch, (96, 96) without a screen.
QSizeF ScreenDpi();

// Device pixels per screen pixel on `device`: its resolution over the
// screen's (6.25 for a 600-DPI printer and a 96-DPI screen).
QSizeF ScreenToDeviceScale(const QPaintDevice& device, QSizeF screenDpi);

// The device's paintable area in screen pixels.
QSizeF LogicalPageSize(const QPaintDevice& device, QSizeF screenDpi);

} // namespace kolvira

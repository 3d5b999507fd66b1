// What drawing a metafile takes whichever library draws it: its size in
// pixels, the white canvas within the pixel limit, and whether text can be
// drawn.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace kolvira {

// How many pixels `inches` make at 96 DPI, rounded: at least 1, at most
// INT_MAX (left for the pixel limit to refuse); 0 when `inches` is not positive.
int PixelsAt96Dpi(double inches);

// A white picture of `size` to draw a metafile on; null, with `error` saying
// why, when the size is empty or over the pixel limit.
QImage WhiteCanvas(QSize size, QString& error);

// Whether text can be drawn: Qt's fonts need a QGuiApplication, and
// kolvira-render runs without one unless it lays out a contact sheet.
bool CanDrawText();

// The warning given when a metafile's text is left out for want of fonts.
QString TextLeftOutWarning();

} // namespace kolvira

// CMYK JPEGs decoded to their inks with libjpeg-turbo. Qt's reader turns the
// inks into RGB by a rule of thumb that ignores the printing profile, which
// makes prepress pictures look dull or off; their true colours need the inks
// themselves, converted through the profile.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace kolvira {

// The inks of `jpeg`, a JPEG of four components (CMYK, or YCCK, which
// libjpeg turns into CMYK), decoded at the smallest of its 1/1, 1/2, 1/4 and
// 1/8 scales that is at least `atLeast` (in the file's own orientation): a
// Format_RGBA8888 buffer holding C, M, Y and K in byte order, 0 for no ink.
// Photoshop's inverted inks (marked by an Adobe APP14 segment) are put right.
// Null when `jpeg` is not such a JPEG, holds more than kMaxPixels or cannot
// be decoded; a cut-off file gives what could be decoded.
QImage DecodeCmykJpeg(const QByteArray& jpeg, QSize atLeast);

} // namespace kolvira

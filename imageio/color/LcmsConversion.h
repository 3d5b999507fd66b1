// Conversions to sRGB through LittleCMS, for the colour profiles Qt cannot
// use: profiles made of lookup tables (scanners, printers, version 4
// profiles) and CMYK profiles. Transforms are kept for the next picture with
// the same profile, and a large picture is converted on all cores.
#pragma once

#include <QByteArray>
#include <QImage>

namespace kolvira {

// `image`, an RGB or grey picture described by the profile `icc`, in sRGB
// (carrying QColorSpace::SRgb); as it was when the profile does not describe
// such a picture or cannot be used.
QImage LcmsToSrgb(QImage image, const QByteArray& icc);

// Whether `icc` is a CMYK profile that pictures can be converted from.
bool IsUsableCmykProfile(const QByteArray& icc);

// `inks`, a picture of inks in a Format_RGBA8888 buffer (C, M, Y, K in byte
// order, 0 for no ink), converted in place through the CMYK profile `icc`
// into a Format_RGB32 picture in sRGB. Null when the profile cannot be used.
QImage InksToSrgb(QImage inks, const QByteArray& icc);

} // namespace kolvira

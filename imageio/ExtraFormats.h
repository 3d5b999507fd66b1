// The picture formats Qt has no reader for (JPEG XL, HEIF and AVIF, camera
// raw files, Windows metafiles), and the PNGs its reader garbles (16-bit RGB
// with a transparent colour), built into the program as static Qt
// image-format plugins, so that every QImageReader finds them.
#pragma once

namespace kolvira {

// Makes sure the plugins are linked into the program; does nothing else.
void LinkExtraFormats();

} // namespace kolvira

// The picture formats Qt has no reader for (JPEG XL, HEIF and AVIF, camera
// raw files, Windows metafiles), built into the program as static Qt
// image-format plugins, so that every QImageReader finds them.
#pragma once

namespace kolvira {

// Makes sure the plugins are linked into the program; does nothing else.
void LinkExtraFormats();

} // namespace kolvira

// The picture formats Qt has no reader for (JPEG XL, HEIF and AVIF, camera
// raw files, Windows metafiles), and the PNGs its reader garbles (16-bit RGB
// with a transparent colour), built into the program as static Qt
// image-format plugins, so that every QImageReader finds them.
#pragma once

namespace kolvira {

// Creates the plugins once, on the calling thread. Qt makes a static plugin
// on its first use without a lock: two decodes starting together on two
// threads would each make one, and one would be lost. A QCoreApplication
// calls this on the main thread as it starts; each decode calls it too, for
// programs without one.
void LoadExtraFormats();

} // namespace kolvira

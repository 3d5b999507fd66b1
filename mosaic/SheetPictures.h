// The pictures a contact sheet prints in its cells, decoded at the width a
// cell takes on the printer rather than the screen's, so that a 600-DPI
// sheet is as sharp as the paper allows. They are decoded on worker threads
// and kept neither in the thumbnail cache nor in the desktop's shared
// thumbnail folders: they are not thumbnails of a standard size, and only
// one page's worth is wanted at a time.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace kolvira {

// Pictures of the photos at `paths` (native bytes), in order, each `width`
// pixels wide or as wide as its photo when that is narrower; a null picture
// for a photo that cannot be read.
using SheetPictureSource =
    std::function<std::vector<QImage>(const std::vector<std::string>& paths, int width)>;

struct SheetPicture {
    QImage image;  // upright, on black; null when the photo cannot be read
    QString error; // why the image is null
};

// The picture of the photo at `path` `width` pixels wide, or the photo's own
// width when it is narrower.
SheetPicture DecodeSheetPicture(const QByteArray& path, int width);

using SheetPictureDelivery = std::function<void(std::size_t k, SheetPicture picture)>;

// Decodes `paths` at `width` on `threads` workers (0: one per core) that run
// a few files ahead, and calls deliver(k, picture) on the calling thread for
// k = 0..n-1 in order; returns when all are delivered.
void DecodeSheetPictures(const std::vector<QByteArray>& paths, int width,
                         const SheetPictureDelivery& deliver, int threads = 0);

// A source that decodes every picture as above.
std::vector<QImage> DecodedSheetPictures(const std::vector<std::string>& paths, int width);

// A source that hands out the pictures in `shown` (by path: what the screen
// shows already) where they are wide enough, and decodes the others; a
// print preview at the screen's resolution then decodes nothing. A photo
// that can no longer be read gets its shown picture.
SheetPictureSource PreferringShownPictures(std::unordered_map<std::string, QImage> shown);

} // namespace kolvira

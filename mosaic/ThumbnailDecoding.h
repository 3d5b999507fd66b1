// A photo's thumbnail for the Mosaic, made as cheaply as the file allows: the
// small JPEG a camera embeds in the EXIF data when it is large enough, else a
// JPEG decoded at 1/2, 1/4 or 1/8 of its size, else a full decode scaled down.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <chrono>

namespace kolvira {

// How long a thumbnail may take to decode; the workers deliver in order, so
// a slow file holds up the ones after it.
inline constexpr std::chrono::milliseconds kThumbnailDecodeTime{5'000};

// The Mosaic's largest cell width.
inline constexpr int kLargestThumbWidth = 200;

// The height of the Mosaic's thumbnail cells `width` wide: three quarters.
inline int ThumbCellHeight(int width) {
    return static_cast<int>(width * 0.75);
}

// The height of a thumbnail `width` wide of a photo of `photoSize`: the
// proportional height truncated, at least 1.
int ThumbnailHeight(QSize photoSize, int width);

struct Thumbnail {
    QImage image;          // Format_RGB32, upright, on black; null when the photo is unreadable
    QSize photoSize;       // the photo's upright size
    QString error;         // why the image is null
    bool fromExif = false; // made from the thumbnail embedded in the EXIF data
    bool timedOut = false; // given up after the time limit; worth another try later
};

// Whether `thumbnail` can be scaled down to `width` without losing detail: it
// is at least that wide, or it is the whole photo.
bool CoversWidth(const Thumbnail& thumbnail, int width);

// A thumbnail at least `minWidth` wide (unless the photo is narrower) with the
// photo's proportions; JPEGs are decoded to kLargestThumbWidth at least, so
// that a larger cell later needs no new decode. Not yet scaled to the cell.
// A damaged photo gives what could be decoded of it.
Thumbnail DecodeThumbnail(const QByteArray& nativePath, int minWidth,
                          std::chrono::milliseconds timeLimit = kThumbnailDecodeTime);

// How many times its width a thumbnail may be high.
inline constexpr int kTallestThumbnail = 4;

// `source` smoothly scaled to `width` x ThumbnailHeight(photoSize, width), or
// narrower when that is more than kTallestThumbnail times `width`; a copy when
// it has that size already. Null when the source is.
QImage ScaleThumbnail(const Thumbnail& source, int width);

} // namespace kolvira

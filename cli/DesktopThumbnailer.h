// kolvira-thumbnailer: the thumbnails file managers show of the pictures
// their own thumbnailers cannot read (metafiles, camera raw files, JPEG XL,
// HEIF), made from the file as the Mosaic makes its thumbnails.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace kolvira::cli {

// The largest thumbnail asked for: the freedesktop "xx-large" size.
inline constexpr int kLargestDesktopThumbnail = 1024;

struct ThumbnailerRequest {
    enum class Action { MakeThumbnail, ShowHelp, ShowVersion };
    Action action = Action::MakeThumbnail;
    int size = 256;    // the thumbnail fits a square this many pixels wide
    QByteArray input;  // the picture's native path
    QByteArray output; // where the PNG goes
    QString error;     // a wrong command line; empty when it is right
};

// `kolvira-thumbnailer [-s SIZE] INPUT OUTPUT`, as a thumbnailer entry's
// "-s %s %u %o" fills it in. INPUT is a file:// URI or a path.
ThumbnailerRequest ParseThumbnailerArguments(const std::vector<QByteArray>& arguments);

// The native path a file:// URI names (percent-encoded bytes decoded, an
// empty host or "localhost"); empty for another scheme, a remote host or no
// absolute path. Anything not starting "SCHEME://" is a path already.
QByteArray NativePathOfInput(const QByteArray& input);

struct DesktopThumbnail {
    QImage image;  // upright, in sRGB; null when the picture cannot be read
    QString error; // why it is null
};

// The picture at `nativePath` scaled to fit `size` x `size` (never enlarged).
DesktopThumbnail MakeDesktopThumbnail(const QByteArray& nativePath, int size);

QString ThumbnailerHelpText();

} // namespace kolvira::cli

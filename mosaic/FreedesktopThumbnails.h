// The thumbnails the desktop's programs share in $XDG_CACHE_HOME/thumbnails
// (~/.cache/thumbnails by default): a PNG per file and size, named by the MD5
// of the file's URI and valid while the file keeps the modification time (and
// size) written in it. File managers and other viewers fill the same folders,
// so a folder browsed elsewhere opens at once, and Kolvira's own thumbnails
// outlive the process.
#pragma once

#include "mosaic/ThumbnailCache.h"

#include <QByteArray>

#include <optional>

namespace kolvira {

class FreedesktopThumbnails {
public:
    // The user's folders.
    static FreedesktopThumbnails ForUser();
    // The folders under `root` (the "thumbnails" folder itself, native bytes).
    explicit FreedesktopThumbnails(QByteArray root);

    // Whether new thumbnails are written, for the whole process; reading goes
    // on either way. On unless turned off.
    static void SetWriting(bool on);
    static bool Writing();

    // The longest side of the stored thumbnails that serve cells `width` wide
    // (128 up to cells of 128, then 256, ...).
    static int EntrySide(int width);
    // The width to decode a photo at for cells `width` wide, so that one
    // decode serves both the cell and the stored thumbnail.
    static int DecodeWidth(int width);

    enum class Pixels {
        Now,   // the thumbnail's image is decoded
        Later, // only the entry's keys and sizes are read: its image stays null
    };
    // A stored thumbnail of the file of `key` as it is now that shows a cell
    // `width` wide without enlarging it; a null image with an error when the
    // file is known to be unreadable; nullopt when there is neither. With
    // Pixels::Later a usable entry gives a null image with the photo's size
    // and no error: a later Find decodes it while it still matches the file.
    std::optional<Thumbnail> Find(const ThumbnailKey& key, int width,
                                  Pixels pixels = Pixels::Now) const;

    // Stores `decoded`, made for cells `width` wide, or records the file as
    // unreadable when its image is null. Nothing is written when writing is
    // off, for a decode that ran out of time, for a file inside these folders,
    // or when the decode is too small for the entry. Failures are silent.
    void Store(const ThumbnailKey& key, const Thumbnail& decoded, int width) const;

private:
    QByteArray root_;
    QByteArray realRoot_; // links resolved; empty while the folder does not exist
};

// Whether `thumbnail` shows a cell `width` wide without enlarging: it holds
// the photo as large as the cell shows it, or the whole photo.
bool ShowsCell(const Thumbnail& thumbnail, int width);

} // namespace kolvira

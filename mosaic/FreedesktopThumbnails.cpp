#include "mosaic/FreedesktopThumbnails.h"

#include "imageio/PhotoDecoding.h"
#include "imageio/PhotoScaling.h"
#include "mosaic/FileUri.h"
#include "mosaic/ThumbnailPng.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>
#include <QMimeDatabase>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#ifndef KOLVIRA_VERSION
#define KOLVIRA_VERSION "unknown"
#endif

namespace kolvira {
namespace {

std::atomic<bool> writing{true};

struct SizeFolder {
    const char* name;
    int side;
};
constexpr std::array<SizeFolder, 4> kSizeFolders{
    {{"normal", 128}, {"large", 256}, {"x-large", 512}, {"xx-large", 1024}}};

// The folder whose thumbnails serve cells `width` wide: the smallest whose
// side is at least that.
const SizeFolder& FolderFor(int width) {
    for (const SizeFolder& size : kSizeFolders)
        if (size.side >= width)
            return size;
    return kSizeFolders.back();
}

// Our own record of files that could not be read.
constexpr char kFailFolder[] = "fail/kolvira-" KOLVIRA_VERSION;

QByteArray EntryName(const QByteArray& uri) {
    return QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
}

std::int64_t ModifiedSeconds(const ThumbnailKey& key) {
    constexpr std::int64_t kNs = 1'000'000'000;
    return key.modifiedNs >= 0 ? key.modifiedNs / kNs : -((-key.modifiedNs + kNs - 1) / kNs);
}

QByteArray RealPath(const QByteArray& path) {
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.constData(), nullptr),
                                                           &std::free);
    return real ? QByteArray(real.get()) : QByteArray();
}

// mkdir -p with mode 0700 for every folder it makes.
bool MakeFolders(const QByteArray& path) {
    if (::mkdir(path.constData(), 0700) == 0 || errno == EEXIST)
        return true;
    const qsizetype slash = path.lastIndexOf('/');
    if (errno != ENOENT || slash <= 0 || !MakeFolders(path.left(slash)))
        return false;
    return ::mkdir(path.constData(), 0700) == 0 || errno == EEXIST;
}

// An entry's attributes and size, read before its pixels.
struct EntryHead {
    QSize size;
    PngText text;

    QByteArray Text(const QByteArray& key) const {
        for (const auto& [name, value] : text)
            if (name == key)
                return value;
        return {};
    }
    // A number attribute; nullopt when absent or not a number.
    std::optional<std::int64_t> Number(const QByteArray& key) const {
        bool ok = false;
        const std::int64_t value = Text(key).toLongLong(&ok);
        return ok ? std::optional(value) : std::nullopt;
    }
};

// The photo's upright size from its header, without decoding it.
QSize HeaderSize(const QByteArray& nativePath) {
    const std::atomic<bool> stop{false};
    const PhotoReader opened = OpenPhotoReader(nativePath, stop);
    if (!opened.reader)
        return {};
    const QSize stored = opened.reader->size();
    return opened.Orientation().testFlag(QImageIOHandler::TransformationRotate90)
               ? stored.transposed()
               : stored;
}

// The head of the entry at `path` when it was made from the file of `key` as
// it is now. Only the chunks before the pixels are read: the keys come first.
std::optional<EntryHead> ValidEntry(const QByteArray& path, const QByteArray& uri,
                                    const ThumbnailKey& key) {
    std::optional<PngHead> png = ReadPngHead(path);
    if (!png)
        return std::nullopt;
    EntryHead entry{png->size, std::move(png->text)};
    if (entry.Text("Thumb::URI") != uri || entry.Number("Thumb::MTime") != ModifiedSeconds(key))
        return std::nullopt;
    if (!entry.Text("Thumb::Size").isEmpty() && entry.Number("Thumb::Size") != key.fileSize)
        return std::nullopt;
    return entry;
}

// The upright size of the photo an entry was made from; invalid when neither
// the entry nor the photo tells it.
QSize PhotoSizeOfEntry(const EntryHead& entry, const ThumbnailKey& key) {
    QSize photoSize;
    const auto width = entry.Number("Thumb::Image::Width");
    const auto height = entry.Number("Thumb::Image::Height");
    if (width && height && *width > 0 && *height > 0 && *width <= INT_MAX && *height <= INT_MAX)
        photoSize = QSize(static_cast<int>(*width), static_cast<int>(*height));
    else
        photoSize = HeaderSize(key.path);
    if (!photoSize.isValid())
        return {};
    // Some programs give the size as stored, before turning the photo upright.
    const QSize stored = entry.size;
    const bool entryWide = stored.width() > stored.height();
    const bool photoWide = photoSize.width() > photoSize.height();
    if (stored.width() != stored.height() && entryWide != photoWide)
        photoSize.transpose();
    return photoSize;
}

bool ShowsCellAt(QSize thumbnail, QSize photo, int width) {
    if (thumbnail == photo)
        return true;
    const QSize shown = photo.scaled(width, ThumbCellHeight(width), Qt::KeepAspectRatio);
    // One pixel of slack for the rounding of whoever made the thumbnail.
    return thumbnail.width() >= shown.width() - 1 && thumbnail.height() >= shown.height() - 1;
}

} // namespace

FreedesktopThumbnails FreedesktopThumbnails::ForUser() {
    QByteArray cacheHome = qgetenv("XDG_CACHE_HOME");
    if (!cacheHome.startsWith('/')) // unset, empty or relative: not to be used
        cacheHome = qgetenv("HOME") + "/.cache";
    return FreedesktopThumbnails(cacheHome + "/thumbnails");
}

FreedesktopThumbnails::FreedesktopThumbnails(QByteArray root)
    : root_(std::move(root)), realRoot_(RealPath(root_)) {}

void FreedesktopThumbnails::SetWriting(bool on) {
    writing = on;
}

bool FreedesktopThumbnails::Writing() {
    return writing;
}

int FreedesktopThumbnails::EntrySide(int width) {
    return FolderFor(width).side;
}

int FreedesktopThumbnails::DecodeWidth(int width) {
    // Any decode for a cell fills a 128 entry: JPEGs decode to 200 pixels wide
    // at least and EXIF thumbnails are 160 wide. Larger entries need their side.
    const int side = EntrySide(width);
    return side == kSizeFolders.front().side ? width : std::max(width, side);
}

std::optional<Thumbnail> FreedesktopThumbnails::Find(const ThumbnailKey& key, int width,
                                                     Pixels pixels) const {
    if (::access(key.path.constData(), R_OK) != 0)
        return std::nullopt; // not to be shown to whoever cannot read the file
    const std::optional<QByteArray> uri = FileUri(key.path);
    if (!uri)
        return std::nullopt;
    const QByteArray name = EntryName(*uri);
    // The smallest size that fills the cell, then larger ones; smaller ones
    // last, as they serve only when they hold the whole photo.
    std::vector<const SizeFolder*> order;
    for (const SizeFolder& size : kSizeFolders)
        if (size.side >= width)
            order.push_back(&size);
    for (auto size = kSizeFolders.rbegin(); size != kSizeFolders.rend(); ++size)
        if (size->side < width)
            order.push_back(&*size);
    for (const SizeFolder* size : order) {
        const QByteArray path = root_ + '/' + size->name + '/' + name;
        const std::optional<EntryHead> entry = ValidEntry(path, *uri, key);
        if (!entry)
            continue;
        Thumbnail thumbnail;
        thumbnail.photoSize = PhotoSizeOfEntry(*entry, key);
        if (!thumbnail.photoSize.isValid() || !ShowsCellAt(entry->size, thumbnail.photoSize, width))
            continue;
        if (pixels == Pixels::Later)
            return thumbnail;
        thumbnail.image = FlattenOnBlack(QImageReader(QFile::decodeName(path), "png").read());
        if (thumbnail.image.isNull())
            continue;
        // A 1024-pixel thumbnail would hold 3 MB of the memory cache for a
        // cell of 200 at most.
        const int side = EntrySide(width);
        if (thumbnail.image.width() > side || thumbnail.image.height() > side)
            thumbnail.image = ScalePhoto(
                thumbnail.image, thumbnail.image.size().scaled(side, side, Qt::KeepAspectRatio));
        return thumbnail;
    }
    if (ValidEntry(root_ + '/' + kFailFolder + '/' + name, *uri, key)) {
        Thumbnail unreadable;
        unreadable.error = QCoreApplication::translate(
            "Thumbnails", "The file could not be read before and has not changed.");
        return unreadable;
    }
    return std::nullopt;
}

void FreedesktopThumbnails::Store(const ThumbnailKey& key, const Thumbnail& decoded,
                                  int width) const {
    if (!Writing() || decoded.timedOut)
        return;
    const std::optional<QByteArray> uri = FileUri(key.path);
    if (!uri)
        return;
    // A thumbnail of a thumbnail would feed the folder its own entries.
    if (!realRoot_.isEmpty() && RealPath(key.path).startsWith(realRoot_ + '/'))
        return;

    PngText text{{"Thumb::URI", *uri},
                 {"Thumb::MTime", QByteArray::number(ModifiedSeconds(key))},
                 {"Thumb::Size", QByteArray::number(key.fileSize)}};
    QByteArray folder;
    QImage image;
    if (decoded.image.isNull()) {
        folder = root_ + '/' + kFailFolder;
        image = QImage(1, 1, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
    } else {
        const SizeFolder& sizeFolder = FolderFor(width);
        const int side = sizeFolder.side;
        QSize size = decoded.photoSize;
        if (size.width() > side || size.height() > side)
            size = size.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        // Never a stored thumbnail enlarged from a smaller decode.
        if (decoded.image.width() < size.width() - 1 || decoded.image.height() < size.height() - 1)
            return;
        folder = root_ + '/' + sizeFolder.name;
        image = ScalePhoto(decoded.image, size);
        const QString mimeType =
            QMimeDatabase()
                .mimeTypeForFile(QFile::decodeName(key.path), QMimeDatabase::MatchExtension)
                .name();
        text.push_back({"Thumb::Image::Width", QByteArray::number(decoded.photoSize.width())});
        text.push_back({"Thumb::Image::Height", QByteArray::number(decoded.photoSize.height())});
        if (!mimeType.isEmpty())
            text.push_back({"Thumb::Mimetype", mimeType.toLatin1()});
    }
    text.push_back({"Software", "Kolvira " KOLVIRA_VERSION});
    if (image.isNull() || !MakeFolders(folder))
        return;
    WritePrivatePng(folder + '/' + EntryName(*uri), image, text);
}

bool ShowsCell(const Thumbnail& thumbnail, int width) {
    return !thumbnail.image.isNull() &&
           ShowsCellAt(thumbnail.image.size(), thumbnail.photoSize, width);
}

} // namespace kolvira

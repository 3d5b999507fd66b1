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

// A number attribute; nullopt when absent or not a number.
std::optional<std::int64_t> Number(const QImage& image, const char* key) {
    bool ok = false;
    const std::int64_t value = image.text(QLatin1String(key)).toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

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

// The entry at `path` when it was made from the file of `key` as it is now.
// Its image is as stored, not yet checked against a cell.
std::optional<QImage> ValidEntry(const QByteArray& path, const QByteArray& uri,
                                 const ThumbnailKey& key) {
    QImageReader reader(QFile::decodeName(path), "png");
    QImage image = reader.read();
    if (image.isNull() || image.text(QStringLiteral("Thumb::URI")).toLatin1() != uri ||
        Number(image, "Thumb::MTime") != ModifiedSeconds(key))
        return std::nullopt;
    if (!image.text(QStringLiteral("Thumb::Size")).isEmpty() &&
        Number(image, "Thumb::Size") != key.fileSize)
        return std::nullopt;
    return image;
}

std::optional<Thumbnail> ThumbnailOfEntry(const QImage& entry, const ThumbnailKey& key) {
    Thumbnail thumbnail;
    const auto width = Number(entry, "Thumb::Image::Width");
    const auto height = Number(entry, "Thumb::Image::Height");
    if (width && height && *width > 0 && *height > 0 && *width <= INT_MAX && *height <= INT_MAX)
        thumbnail.photoSize = QSize(static_cast<int>(*width), static_cast<int>(*height));
    else
        thumbnail.photoSize = HeaderSize(key.path);
    if (!thumbnail.photoSize.isValid())
        return std::nullopt;
    // Some programs give the size as stored, before turning the photo upright.
    const bool entryWide = entry.width() > entry.height();
    const bool photoWide = thumbnail.photoSize.width() > thumbnail.photoSize.height();
    if (entry.width() != entry.height() && entryWide != photoWide)
        thumbnail.photoSize.transpose();
    thumbnail.image = FlattenOnBlack(entry);
    return thumbnail;
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

std::optional<Thumbnail> FreedesktopThumbnails::Find(const ThumbnailKey& key, int width) const {
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
        const std::optional<QImage> entry =
            ValidEntry(root_ + '/' + size->name + '/' + name, *uri, key);
        if (!entry)
            continue;
        std::optional<Thumbnail> thumbnail = ThumbnailOfEntry(*entry, key);
        if (!thumbnail || !ShowsCell(*thumbnail, width))
            continue;
        // A 1024-pixel thumbnail would hold 3 MB of the memory cache for a
        // cell of 200 at most.
        const int side = EntrySide(width);
        if (thumbnail->image.width() > side || thumbnail->image.height() > side)
            thumbnail->image = ScalePhoto(
                thumbnail->image, thumbnail->image.size().scaled(side, side, Qt::KeepAspectRatio));
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
    if (thumbnail.image.isNull())
        return false;
    if (thumbnail.image.size() == thumbnail.photoSize)
        return true;
    const QSize shown =
        thumbnail.photoSize.scaled(width, ThumbCellHeight(width), Qt::KeepAspectRatio);
    // One pixel of slack for the rounding of whoever made the thumbnail.
    return thumbnail.image.width() >= shown.width() - 1 &&
           thumbnail.image.height() >= shown.height() - 1;
}

} // namespace kolvira

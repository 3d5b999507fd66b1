#include "PhotoDecoding.h"

#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolvira {
namespace {

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotAFileReason(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("is a folder, not a picture");
    if (S_ISFIFO(mode))
        return QStringLiteral("is a pipe (FIFO), not a picture");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("is a device, not a picture");
    if (S_ISSOCK(mode))
        return QStringLiteral("is a socket, not a picture");
    return QStringLiteral("is not a regular file");
}

// The lower-case extension of the file name, the last component of the path.
QByteArray ExtensionOf(const QByteArray& nativePath) {
    const qsizetype dot = nativePath.lastIndexOf('.');
    if (dot < 0 || dot < nativePath.lastIndexOf('/'))
        return {};
    return nativePath.mid(dot + 1).toLower();
}

} // namespace

void ApplyDecodeLimits() {
    // Qt lets QT_IMAGEIO_MAXALLOC override the limit set here ("0" switches
    // it off) and reads the variable once, on its first look at the limit.
    qunsetenv("QT_IMAGEIO_MAXALLOC");
    QImageReader::setAllocationLimit(kDecodeAllocationLimitMB);
}

std::unique_ptr<QFile> OpenPhotoFile(const QByteArray& nativePath, QString& error) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    const int descriptor = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        error = SystemError(errno);
        return nullptr;
    }
    auto fail = [&](const QString& reason) {
        ::close(descriptor);
        error = reason;
        return nullptr;
    };
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        return fail(SystemError(errno));
    if (!S_ISREG(info.st_mode))
        return fail(NotAFileReason(info.st_mode));
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) < 0)
        return fail(SystemError(errno));

    auto file = std::make_unique<QFile>();
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return fail(file->errorString());
    return file;
}

PhotoReader OpenPhotoReader(const QByteArray& nativePath) {
    PhotoReader opened;
    opened.file = OpenPhotoFile(nativePath, opened.error);
    if (!opened.file)
        return opened;
    // The file has no name Qt knows, so the reader goes by the content.
    opened.reader = std::make_unique<QImageReader>(opened.file.get());
    if (opened.reader->canRead())
        return opened;
    // Some formats have no signature to be recognised by; the extension
    // names the decoder to ask. When that one declines too, the content
    // reader stays, for its plainer "Unsupported image format".
    const QByteArray extension = ExtensionOf(nativePath);
    if (!extension.isEmpty() && QImageReader::supportedImageFormats().contains(extension)) {
        opened.file->seek(0);
        auto byExtension = std::make_unique<QImageReader>(opened.file.get(), extension);
        if (byExtension->canRead())
            opened.reader = std::move(byExtension);
        opened.file->seek(0);
    }
    return opened;
}

bool HasTooManyPixels(std::int64_t width, std::int64_t height) {
    return width * height > kMaxPixels;
}

QString TooManyPixelsReason(std::int64_t width, std::int64_t height) {
    return QStringLiteral("%1x%2 pixels is more than the limit of %3 megapixels")
        .arg(width)
        .arg(height)
        .arg(kMaxPixels / 1'000'000);
}

DecodedPhoto DecodePhoto(const QByteArray& nativePath) {
    PhotoReader opened = OpenPhotoReader(nativePath);
    if (!opened.reader)
        return {{}, opened.error};
    QImageReader& reader = *opened.reader;
    reader.setAutoTransform(true);
    const QSize size = reader.size(); // invalid when the format tells it only by decoding
    if (size.isValid() && HasTooManyPixels(size.width(), size.height()))
        return {{}, TooManyPixelsReason(size.width(), size.height())};
    QImage photo = reader.read();
    if (photo.isNull())
        return {{}, reader.errorString()};
    if (HasTooManyPixels(photo.width(), photo.height()))
        return {{}, TooManyPixelsReason(photo.width(), photo.height())};
    return {std::move(photo), {}};
}

} // namespace kolvira

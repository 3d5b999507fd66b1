#include "imageio/PhotoDecoding.h"

#include "imageio/Orientation.h"

#include "imageio/CodecMessages.h"
#include "imageio/DamageSigns.h"
#include "imageio/color/ColorProfile.h"
#include "imageio/decoding/DecodeWatchdog.h"
#include "imageio/formats/ExtraFormats.h"
#include "imageio/formats/IconEntries.h"
#include "imageio/formats/RawFormat.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
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
        return QCoreApplication::translate("Decoding", "is a folder, not a picture");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("Decoding", "is a pipe (FIFO), not a picture");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("Decoding", "is a device, not a picture");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("Decoding", "is a socket, not a picture");
    return QCoreApplication::translate("Decoding", "is not a regular file");
}

QString TooLargeFileReason(std::int64_t bytes) {
    return QCoreApplication::translate("Decoding",
                                       "the file is %1 MB, more than the limit of %2 MB")
        .arg(bytes >> 20)
        .arg(kMaxFileBytes >> 20);
}

// The lower-case extension of the file name, the last component of the path.
QByteArray ExtensionOf(const QByteArray& nativePath) {
    const qsizetype dot = nativePath.lastIndexOf('.');
    if (dot < 0 || dot < nativePath.lastIndexOf('/'))
        return {};
    return nativePath.mid(dot + 1).toLower();
}

DecodedPhoto Refused(QString reason) {
    DecodedPhoto refused;
    refused.error = std::move(reason);
    return refused;
}

// The first `bytes` of `file`; pread leaves the decoder's position alone.
QByteArray FileStart(QFile& file, qint64 bytes) {
    QByteArray start(static_cast<qsizetype>(std::min(bytes, file.size())), '\0');
    const ssize_t got = ::pread(file.handle(), start.data(), start.size(), 0);
    return start.first(std::max<ssize_t>(got, 0));
}

// Whether the file ends before the picture does, for the readers that do not
// say so themselves.
bool CutOff(const QByteArray& format, QFile& file) {
    if (format == "bmp")
        return BmpEndsEarly(FileStart(file, 64), file.size());
    if (format == "gif")
        return GifEndsEarly(FileStart(file, file.size()));
    return false;
}

// DecodePhoto's work, on the watchdog's thread.
DecodedPhoto DecodeNow(const QByteArray& nativePath, const std::atomic<bool>& stop) {
    CodecMessages messages; // reading the header may already make the codec speak
    PhotoReader opened = OpenPhotoReader(nativePath, stop);
    if (!opened.reader)
        return Refused(FailureReason(opened.error, messages.Finish()));
    QImageReader& reader = *opened.reader;
    reader.setAutoTransform(true);
    const QSize size = reader.size(); // invalid when the format tells it only by decoding
    if (size.isValid() && HasTooManyPixels(size.width(), size.height()))
        return Refused(TooManyPixelsReason(size.width(), size.height()));

    const QByteArray format = reader.format(); // told only before the read
    const QImageIOHandler::Transformations transformation = opened.Orientation();
    opened.watched->WatchForRunningOut();
    QImage photo = Transformed(reader.read(), opened.unapplied);
    const QStringList codecMessages = messages.Finish();
    if (opened.watched->Stopped())
        return Refused(QCoreApplication::translate("Decoding", "the decode was called off"));
    if (photo.isNull())
        return Refused(FailureReason(reader.errorString(), codecMessages));
    if (HasTooManyPixels(photo.width(), photo.height()))
        return Refused(TooManyPixelsReason(photo.width(), photo.height()));

    // Only this decode's own messages tell of damage: stderr may hold lines
    // of decodes on other threads.
    DecodedPhoto decoded{std::move(photo), {}, DamageSign(messages.OwnMessages()), codecMessages};
    if (decoded.damage.isEmpty() && (opened.watched->RanOut() || CutOff(format, *opened.file)))
        decoded.damage = EndsEarlyReason();
    // After the damage check: the profile is read from the file too.
    decoded.image = InSrgb(std::move(decoded.image), *opened.watched, format, transformation);
    return decoded;
}

} // namespace

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
    if (info.st_size > kMaxFileBytes)
        return fail(TooLargeFileReason(info.st_size));
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) < 0)
        return fail(SystemError(errno));

    auto file = std::make_unique<QFile>();
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return fail(file->errorString());
    return file;
}

PhotoReader OpenPhotoReader(const QByteArray& nativePath, const std::atomic<bool>& stop) {
    LoadExtraFormats();
    PhotoReader opened;
    opened.file = OpenPhotoFile(nativePath, opened.error);
    if (!opened.file)
        return opened;
    opened.watched = std::make_unique<WatchedPhotoFile>(*opened.file, stop);
    // The file has no name Qt knows, so the reader goes by the content.
    opened.reader = std::make_unique<QImageReader>(opened.watched.get());
    if (opened.reader->format() == "webp") {
        opened.unapplied = WebpOrientation(*opened.watched);
        opened.reader = std::make_unique<QImageReader>(opened.watched.get(), "webp");
    }
    // Most camera raw files start like a TIFF file, and Qt's TIFF reader
    // would show only the small preview at their start: for them the
    // extension is asked first.
    const QByteArray extension = ExtensionOf(nativePath);
    if (opened.reader->canRead() && !IsCameraRawFormat(extension)) {
        ReadLargestIconEntry(*opened.reader);
        return opened;
    }
    // Some formats have no signature to be recognised by; the extension
    // names the decoder to ask. When that one declines too, the content
    // reader stays, for its plainer "Unsupported image format".
    if (!extension.isEmpty() && QImageReader::supportedImageFormats().contains(extension)) {
        opened.watched->seek(0);
        auto byExtension = std::make_unique<QImageReader>(opened.watched.get(), extension);
        if (byExtension->canRead())
            opened.reader = std::move(byExtension);
        opened.watched->seek(0);
        ReadLargestIconEntry(*opened.reader);
    }
    return opened;
}

DecodedPhoto DecodePhoto(const QByteArray& nativePath, std::chrono::milliseconds timeLimit) {
    std::optional<DecodedPhoto> decoded = RunWithinTime<DecodedPhoto>(
        [nativePath](const std::atomic<bool>& stop) { return DecodeNow(nativePath, stop); },
        timeLimit);
    if (!decoded)
        return Refused(TookTooLongReason(timeLimit));
    return std::move(*decoded);
}

} // namespace kolvira

#include "imageio/PictureMetadata.h"

#include <QCoreApplication>

#include "imageio/writing/WritableFormats.h"

#include <exiv2/exiv2.hpp>

#include <cstdint>
#include <mutex>

namespace kolvira {
namespace {

// The XMP property a drawing's look is kept in.
constexpr char kLookNamespace[] = "http://ns.kolvira.org/look/1.0/";
constexpr char kLookKey[] = "Xmp.kolvira.look";

// The XMP toolkit is not thread-safe; pictures are written on several threads.
void LockXmp(void* mutex, bool lock) {
    if (lock)
        static_cast<std::mutex*>(mutex)->lock();
    else
        static_cast<std::mutex*>(mutex)->unlock();
}

// Exiv2 reports through exceptions and its own log; the program's callers
// want a reason or nothing, and stderr is not Exiv2's to write on.
void QuietExiv2() {
    static std::once_flag once;
    static std::mutex xmpMutex;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize(LockXmp, &xmpMutex);
        Exiv2::XmpProperties::registerNs(kLookNamespace, "kolvira");
    });
}

// What no longer describes the new picture: the preview of the photo, its
// colour profile and colour-space tags, the orientation it was turned by.
void AdjustToNewPicture(Exiv2::ExifData& exif, QSize size) {
    Exiv2::ExifThumb(exif).erase();
    for (const char* key :
         {"Exif.Image.InterColorProfile", "Exif.Iop.InteroperabilityIndex", "Exif.Image.ImageWidth",
          "Exif.Image.ImageLength", "Exif.Image.StripOffsets", "Exif.Image.StripByteCounts"}) {
        const auto found = exif.findKey(Exiv2::ExifKey(key));
        if (found != exif.end())
            exif.erase(found);
    }
    exif["Exif.Image.Orientation"] = static_cast<std::uint16_t>(1);
    exif["Exif.Photo.ColorSpace"] = static_cast<std::uint16_t>(1); // sRGB
    exif["Exif.Photo.PixelXDimension"] = static_cast<std::uint32_t>(size.width());
    exif["Exif.Photo.PixelYDimension"] = static_cast<std::uint32_t>(size.height());
}

} // namespace

CarriedMetadata CarriedMetadata::Of(const QByteArray& nativePath) {
    QuietExiv2();
    CarriedMetadata carried;
    try {
        auto image = Exiv2::ImageFactory::open(nativePath.toStdString());
        if (image.get() == nullptr)
            return carried;
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        if (exif.empty())
            return carried;
        Exiv2::Blob blob;
        Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, exif);
        carried.exif_ = QByteArray(reinterpret_cast<const char*>(blob.data()),
                                   static_cast<qsizetype>(blob.size()));
    } catch (const Exiv2::AnyError&) {
        // No usable metadata: the picture goes without.
    } catch (const std::exception&) {
    }
    return carried;
}

CarriedMetadata CarriedMetadata::WithLook(const QByteArray& lookJson) const {
    CarriedMetadata carried = *this;
    carried.look_ = lookJson;
    return carried;
}

QByteArray CarriedMetadata::LookOf(const QByteArray& nativePath) {
    QuietExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(nativePath.toStdString());
        if (image.get() == nullptr)
            return {};
        image->readMetadata();
        const Exiv2::XmpData& xmp = image->xmpData();
        const auto found = xmp.findKey(Exiv2::XmpKey(kLookKey));
        return found == xmp.end() ? QByteArray() : QByteArray::fromStdString(found->toString());
    } catch (const Exiv2::AnyError&) {
    } catch (const std::exception&) {
    }
    return {}; // unreadable metadata carries no look
}

std::optional<QDateTime> DateTaken(const QByteArray& nativePath) {
    QuietExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(nativePath.toStdString());
        if (image.get() == nullptr)
            return std::nullopt;
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        for (const char* key : {"Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized",
                                "Exif.Image.DateTime"}) {
            const auto found = exif.findKey(Exiv2::ExifKey(key));
            if (found == exif.end())
                continue;
            const QDateTime taken =
                QDateTime::fromString(QString::fromStdString(found->toString()).trimmed(),
                                      QStringLiteral("yyyy:MM:dd HH:mm:ss"));
            if (taken.isValid())
                return taken;
        }
    } catch (const Exiv2::AnyError&) {
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

bool CarriedMetadata::FormatCarriesExif(const QByteArray& format) {
    const WritableFormat* written = WritableFormatOf(QString::fromLatin1(format));
    return written != nullptr && written->keepsExif;
}

QString CarriedMetadata::WriteInto(QByteArray& encoded, QSize pictureSize) const {
    if (IsEmpty())
        return {};
    QuietExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte*>(encoded.constData()), encoded.size());
        if (image.get() == nullptr)
            return QCoreApplication::translate("Writing", "the metadata could not be written");
        image->readMetadata();
        if (!exif_.isEmpty()) {
            Exiv2::ExifData exif;
            Exiv2::ExifParser::decode(exif, reinterpret_cast<const Exiv2::byte*>(exif_.constData()),
                                      static_cast<std::uint32_t>(exif_.size()));
            AdjustToNewPicture(exif, pictureSize);
            image->setExifData(exif);
        }
        if (!look_.isEmpty()) {
            Exiv2::XmpData xmp;
            xmp[kLookKey] = look_.toStdString();
            image->setXmpData(xmp);
        }
        image->writeMetadata();
        Exiv2::BasicIo& io = image->io();
        if (io.open() != 0)
            return QCoreApplication::translate("Writing", "the metadata could not be written");
        const Exiv2::DataBuf written = io.read(static_cast<long>(io.size()));
        io.close();
        encoded = QByteArray(reinterpret_cast<const char*>(written.pData_),
                             static_cast<qsizetype>(written.size_));
        return {};
    } catch (const Exiv2::AnyError& error) {
        return QCoreApplication::translate("Writing", "the metadata could not be written: %1")
            .arg(QString::fromStdString(error.what()));
    } catch (const std::exception& error) {
        return QCoreApplication::translate("Writing", "the metadata could not be written: %1")
            .arg(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace kolvira

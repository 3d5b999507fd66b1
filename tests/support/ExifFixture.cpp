#include "ExifFixture.h"

#include <QBuffer>
#include <QImage>

#include <exiv2/exiv2.hpp>

namespace kolvira::test {

const QMap<QString, QString>& CameraExif() {
    static const QMap<QString, QString> exif = {
        {"Exif.Image.Make", "Kolvira Test Optics"},
        {"Exif.Image.Model", "Fixture One"},
        {"Exif.Image.Copyright", "Jane Tester"},
        {"Exif.Photo.DateTimeOriginal", "2024:06:21 18:30:00"},
        {"Exif.GPSInfo.GPSLatitudeRef", "N"},
        {"Exif.GPSInfo.GPSLatitude", "59/1 26/1 0/1"},
    };
    return exif;
}

bool AddCameraExif(const QString& path, int orientation) {
    try {
        auto image = Exiv2::ImageFactory::open(path.toStdString());
        image->readMetadata();
        Exiv2::ExifData exif;
        for (auto it = CameraExif().begin(); it != CameraExif().end(); ++it)
            exif[it.key().toStdString()] = it.value().toStdString();
        exif["Exif.Image.Orientation"] = static_cast<uint16_t>(orientation);
        QImage preview(32, 24, QImage::Format_RGB32);
        preview.fill(Qt::magenta);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        preview.save(&buffer, "JPEG");
        Exiv2::ExifThumb(exif).setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(jpeg.data()),
                                                jpeg.size());
        image->setExifData(exif);
        image->writeMetadata();
        return true;
    } catch (const Exiv2::AnyError&) {
        return false;
    }
}

bool SetDateTaken(const QString& path, const QString& date) {
    try {
        auto image = Exiv2::ImageFactory::open(path.toStdString());
        image->readMetadata();
        Exiv2::ExifData exif = image->exifData();
        exif["Exif.Photo.DateTimeOriginal"] = date.toStdString();
        image->setExifData(exif);
        image->writeMetadata();
        return true;
    } catch (const Exiv2::AnyError&) {
        return false;
    }
}

QMap<QString, QString> ReadExif(const QString& path) {
    QMap<QString, QString> values;
    try {
        auto image = Exiv2::ImageFactory::open(path.toStdString());
        image->readMetadata();
        for (const Exiv2::Exifdatum& datum : image->exifData())
            values.insert(QString::fromStdString(datum.key()),
                          QString::fromStdString(datum.value().toString()));
    } catch (const Exiv2::AnyError&) {
    }
    return values;
}

bool HasExifPreview(const QString& path) {
    try {
        auto image = Exiv2::ImageFactory::open(path.toStdString());
        image->readMetadata();
        return Exiv2::ExifThumbC(image->exifData()).copy().size_ > 0;
    } catch (const Exiv2::AnyError&) {
        return false;
    }
}

} // namespace kolvira::test
